Rejected controlled sources
E1 out
E2 out 0 in
E3 out 0 in 0 'gain'
E4 out 0 c 0 2
E5 out 0 poly(2) a 0
E6 out 0 pwl(1) in 0 1 2 3
E7 out 0 laplace in 0 1 2
E8 out 0 delay in 0
E9 out 0 poly(1) a 0 1 2 max=3
E10 out 0 freq in 0 1k 0
E11 out 0 opamp p n 1e5
E12 out 0 in 0 2 3
E13 out 0 poly(x) a 0 1
E14 out 0 poly(1 a 0 1
E15 out 0 in 0 2 max 5
E16 out 0 in 0 2 foo
E17 out 0
E18 out 0 in 0 -2
+ max=5
F1 out 0 pwl(1)
G1 out 0 in 0 1 laplace
E19 out 0 in 0 2

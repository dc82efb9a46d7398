Controlled sources: tables, gates, limits, factors and transfer functions
* Piecewise-linear tables: points without their parentheses, one comma apart
E1 out 0 pwl(1) in 0 -1,-1 1,1
E2 out 0 pwl(1) in 0 (-1,-1) (1,1) (2, 1.5)
F1 out 0 pwl(1) vs -1m,-1 1m,1
G1 out 0 npwl(1) in 0 0,0 1,1m
G2 out 0 vcr pwl(1) in 0 0,1k 1,2k
G3 out 0 vccap pwl(1) in 0 0,1p 1,2p
G4 d s vcr pwl(1) g 0 0,1e15 'vdd-0.4',1e9 vdd,1k
* Gates: AND and NAND act on the smallest input, OR and NOR on the largest
E3 out 0 and(2) a 0 b 0 0,0 1,5
E4 out 0 or(3) a 0 b 0 c 0 0 0 1 5
E5 out 0 nand(1) a 0 scale=2 (0,5) (1,0)
E6 out 0 nor(2) a 0 b 0
* Limits and absolute value around the whole expression
G5 out 0 in 0 2 max=5 min=-5
G6 out 0 in 0 2 max=5
G7 out 0 in 0 2 min=0 abs=1
G8 out 0 in 0 2 abs=0
E7 out 0 opamp p n max=vdd min=0
E8 out 0 pwl(1) in 0 0,0 1,1 max=0.8
* The multiplier and scale act once: on the gain, or on the input
E9 out 0 in 0 2 m=3 scale=4
G9 out 0 pwl(1) in 0 0,0 1,1 scale=2
E10 out 0 opamp p n m=2
* Transfer functions: laplace numerator / denominator, freq triples
E11 out 0 laplace in 0 1 / 1 1e-3 2e-6
H4 out 0 laplace vs 1, 2 / 3
G10 out 0 freq in 0 1k 0 0 10k -20 -90
E12 out 0 delay in 0 td=tdel scale=2
* Current and voltage expressions
G11 out 0 cur='v(a)*2' m=2
E13 out 0 vol='2*v(vcm)-v(op)' max='vdd*0.8' min=0
E14 out 0 transformer in 0 10
* Controlling nodes in parentheses, one pair or several
E15 out 0 (in,0) 0.5
E16 99 40 poly(1) (98,25) 0.7153 1
F4 7 99 poly(3) vb vc ve 0 28.29e6 -30e6 30e6
G12 out 0 vccs in ref gm max='1*ilim' min='-1*ilim'
E17 out 0 in 0 2 ic=1,2 npdelay=3
* A negative gain is a gain like any other: nodes respelled, globals and
* limits kept, F and H renamed
.global vdd
E20 out 0 in+ in- -1
R20 in+ 0 1k
G20 vdd 0 bus<1> 0 -1m
E21 out 0 x 0 -2 max=1 min=-1
E22 out 0 vcvs vdd 0 -gain
F20 out 0 vs -2
* A gain with td= is delayed
E23 out 0 x 0 2 td=1n
H20 out 0 vs -1k td=tdel m=2

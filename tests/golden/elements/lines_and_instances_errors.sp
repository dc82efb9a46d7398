Rejected transmission lines and instances
T1 a 0 b
T2 a 0 b 0 z0=50 td=1n foo=1
T3 a 0 b 0 z0=50 td=1n ic=1,2,3,4,5
T4 a 0 b 0 z0 50
X1
X2 a b filt r=
X3 a b (c) filt
X4 a b filt r=1 s
X5 a b filt r=1 2 3
X6 a b c sub

Keyword loops of D, Q, J and M lines
* Diodes: the junction area of W by L, scale and multiplier fold into it.
D1 a b dmod w=2u l=3u
D2 a b dmod w=2u l=3u scale=2 m=4
D3 a b dmod lm=1u lp=2u wm=3u wp=4u dtemp=5 ic=0.6
D4 a b dmod m=2
D5 a b dmod l=1u
D6 out+ out- dmod
* Bipolar transistors: four nodes, initial conditions
Q1 c b e s qmod 2 ic=0.7,5
Q2 c b e s qmod vbe=0.7 vce=5 scale=2 dtemp=1
Q3 c b e s qmod area=3 m=2 ic=-0.1, -2
Q4 c b e 5 qmod
* JFETs: area form and geometry form
J1 d g s jmod 2 m=3 ic=0.5,0.2
J2 d g s jmod area=4 vbe=1 vce=2 dtemp=3
J3 d g s jmod l=1u w=2u m=2 dtemp=5 ic=1,2
J4 d g s 0 jmod 2
J5 d g s jmod aval
J6 d g s jmod m=2
* MOSFETs: positional geometry, the plain form scaled, the wrapper form
M1 d g s b nch 1u 10u
* values without keywords stand for l, w, ad, as, pd, ps, nrd, nrs in order
M7 d g s b nch 1u 10u 5p
M8 d g s b nch 1u 10u 5p 6p 12u 13u 1 2
M9 d g s b nch 1u 10u 5p 6p 12u 13u 1 2 3
M2 d g s b nch l=1u w=10u ad=5p as=5p pd=12u ps=12u nrd=1 nrs=2 ic=1,-2,3 m=4 scale=2
M3 d g s b nch l=1u w=10u ad=5p pd=1u m=2 rdc=1 rsc=2 nrs=1 nrd=2 geo=1 delvto=0.1 scale=2 dtemp=3
M4 d g s b nch
M5 d g s b nch w='wn*2' l=lmin
M6 d g s b nch l=1u w=1u
+ ad=1p as=1p
+ pd=4u

Rejected semiconductor lines
D1 a b
D2 a b dmod area=2
D3 a
Q1 c b e qmod m=2
Q2 c b
Q3 c b e s qmod 2 foo=1
J1 d g s
J2 d g s 0
J3 d g s jmod ic=1,2,3
J4 d g s jmod 2 bar=1
M1 d g s b
M2 d g s b 5
M3 d g s b nch l=1u w=1u nfin=2
M4 d g s b nch ic=1,2,3,4
M5 d g s b nch l 1u
Q5 c b e qmod

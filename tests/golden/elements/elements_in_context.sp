Element lines inside subcircuits and library sections
.subckt amp in out gain=2
R1 in mid rmod 1k c=1p
E1 out 0 mid 0 gain
X1 in out stage m=2
D1 in 0 dmod
Q1 c b e qmod area=2
.ends
.lib fast
R2 a b rmod
L1 a b 1u r=1
Mx1 d g s b nch
G1 out 0 in
.endl fast

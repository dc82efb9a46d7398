Level 1 MOSFETs: the wrapper form, and the plain form (l, w, ad and as given)
vdd vdd 0 dc 3
vg g 0 dc 1.5
rd1 vdd d1 10k
m1 d1 g 0 0 nch w=10u l=1u
rd2 vdd d2 10k
m2 d2 g 0 0 nch w=20u l=2u m=2
rd4 vdd d4 5k
m4 d4 g 0 0 nch l=1u w=5u ad=10p as=10p pd=14u ps=14u
rp p 0 10k
m3 p g vdd vdd pch w=20u l=1u
.model nch nmos level=1 vto=0.7 kp=50u lambda=0.02 gamma=0.4 phi=0.7
.model pch pmos level=1 vto=-0.8 kp=20u lambda=0.03
.op
.dc vg 0 3 0.1
.end

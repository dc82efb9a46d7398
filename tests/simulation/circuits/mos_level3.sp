Level 3 MOSFET with mobility and drain-induced barrier lowering
vdd d 0 dc 2
vg g 0 dc 1.5
m1 d g 0 0 n3 w=10u l=1u
vd2 d2 0 dc 1.5
m2 d2 g 0 0 n3 l=2u w=10u ad=20p as=20p
.model n3 nmos level=3 vto=0.7 uo=450 tox=20n eta=0.05 theta=0.1 kappa=0.2 vmax=1e5 nsub=1e16
.op
.dc vg 0 3 0.1
.end

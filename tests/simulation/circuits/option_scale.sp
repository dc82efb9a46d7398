Geometry scaled by .option scale
.option scale=1u
vdd d 0 dc 2
vg g 0 dc 1.5
m1 d g 0 0 nch w=10 l=1
.model nch nmos level=1 vto=0.7 kp=50u lambda=0.02 ld=0.1u
.op
.end

Default MOSFET geometry from .option defl and defw
.option defl=2u defw=10u
vdd vdd 0 dc 3
vg g 0 dc 1.5
rd1 vdd d1 10k
m1 d1 g 0 0 nch
rd2 vdd d2 10k
m2 d2 g 0 0 nch l=1u
rd3 vdd d3 10k
m3 d3 g 0 0 nch w=4u
.model nch nmos level=1 vto=0.7 kp=50u lambda=0.02
.op
.dc vg 0 3 0.1
.end

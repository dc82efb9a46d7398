Geometry scaled by .option scale
* The source junction is forward biased: its current follows the area as
* that the scale multiplies by its square; lengths and widths by the scale.
vdd d 0 dc 2
vg g 0 dc 1.5
vb b 0 dc 0.4
m1 d g 0 b nch w=10 l=1 ad=20 as=20 pd=24 ps=24
m2 d g 0 0 nch w=4 l=2
.model nch nmos level=1 vto=0.7 kp=50u lambda=0.02 js=1e-3
.op
.option scale=1u
.end

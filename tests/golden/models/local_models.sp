Models defined inside subcircuits
* MOSFET, diode and JFET cards become subcircuits of their own: written
* before the subcircuit that defines them, under its name and theirs, and
* every use inside it follows, also one that comes before the card
.subckt inv in out vdd vss
m1 out in vss vss nch w=1u l=1u
.model nch nmos level=1 vto=0.5 kp=100u
m2 out in vdd vdd nch w=2u l=1u
d1 vss out dz
.model dz d is=1e-14
j1 vdd in out jn
.model jn njf vto=-2
* a bipolar card stays where it is
q1 out in vss qn
.model qn npn bf=100
.ends
* a card that reads the subcircuit's parameters cannot leave it: reported
.subckt nmis d g s b l=1u w=1u
.param dvt='0.01/sqrt(l*w*1e12)'
m0 d g s b nchm l=l w=w
.model nchm nmos level=49 tox=4n vth0='0.4+dvt'
.ends
* the top level's model of the same name is another model
.model nch nmos level=1 vto=0.7
m9 a b c d nch w=1u l=1u
x1 a b c d inv
.end

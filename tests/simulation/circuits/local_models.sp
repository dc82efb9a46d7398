Models defined inside a subcircuit
* The subcircuit's own nloc differs from the top level's; its elements use
* their models before the cards stand.
vdd vdd 0 dc 2
vin in 0 dc 0.8
x1 in out vdd inv
.subckt inv in out vdd
m1 out in 0 0 nloc w=2u l=1u
r1 vdd out 10k
d1 out vdd dloc
.model nloc nmos level=1 vto=0.5 kp=100u
.model dloc d is=1e-12
.ends
.model nloc nmos level=1 vto=0.7 kp=20u
m2 out2 in 0 0 nloc w=2u l=1u
r2 vdd out2 10k
.op
.end

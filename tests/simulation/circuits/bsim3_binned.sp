A binned BSIM3v3 family: two bins by length
vdd d 0 dc 1.2
vg g 0 dc 1
m1 d g 0 0 nch w=1u l=0.2u
.model nch.1 nmos level=49 version=3.1 lmin=0.1u lmax=0.5u wmin=0.5u wmax=10u vth0=0.4 k1=0.5 tox=4n u0=300 k3=2 dvt0=2.5 rdsw=150
.model nch.2 nmos level=49 version=3.1 lmin=0.5u lmax=10u wmin=0.5u wmax=10u vth0=0.45 k1=0.5 tox=4n u0=320 k3=2 dvt0=2.2 rdsw=180
.op
.dc vg 0 1.2 0.1
.end

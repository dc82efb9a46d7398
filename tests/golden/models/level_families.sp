* MOSFET level families: each card's level picks its Ondrel model
.model basic1 nmos level=1 vto=0.7 kp=50u xti=3 n=1.2 jsw=1e-12 ub=1e-18 tref=25
.model basic2 pmos level=2 vto=-0.8 n=1.3 nj=1.1 nd=1 n0=2 lnd=1 ln0=1 wnd=1 wn0=1
.model basic3 nmos level=3 vto=0.6 tox=2e-8 u0=600 dl=0.1u dw=0.2u
.model nolevel nmos vto=0.5 tref=27 xti=2
.model bsim1 nmos level=13 vfb=-0.9 eta0=0.1 toxm=0.02 nd=1 n0=1.5 dl=0.1u dw=0.1u
+ tref=25 xti=3
.model bsim3v2 nmos level=47 vth0=0.5 tref=25 xti=3 n=1.5 nd=1 u0=400 ub=2e-18
.model bsim3v3 nmos level=49 vtho=0.6 tref=25 xti=3 ub=1e-18 n=1.5 jsw=1e-12
+ dl=1e-8 dw=2e-8
.model bsim4 nmos level=54 vth0=0.4
.model direct4 nmos level=4 vto=0.7
.model direct5 nmos level=5 vto=0.7
.model direct6 pmos level=6 vto=0.7
.model direct7 nmos level=7 vto=0.7
.model float49 nmos level=49.0 vth0=0.4
.model signed nmos level=-1 vto=0.7
.model quoted nmos level='49' vth0=0.4

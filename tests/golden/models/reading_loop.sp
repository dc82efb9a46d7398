* How model cards are read
.model n.1 nmos level=49 vth0=0.4
.model nch.2.b pmos (level=49
+ vth0 = -0.4 k1=0.5
+
+ k2 = -0.01 )
.MODEL NCH.3 NMOS( LEVEL=49 VTH0=0.4 K1=0.5 K2=-0.01 )
.model repeated nmos level=2 vto=0.5 vto=0.6 vto=-0.7
.model values nmos level=2 vto=vt0 gamma=-g0 kp='2*k0' phi=-'p0+0.1' lambda=+0.02
+ nfs='max(1e10, nfs0)' theta=
+ 0.1 uexp = 'a' ucrit='b c'
* a comment between the lines of a card
+ vmax=1e5
.model unknown nmos level=2 vto=0.5 acde=0.4 nfin=2
.model missing_equals nmos level=2 vto 0.5
.model bare_operator nmos level=2 vto=/ kp=2e-5
.model missing_value nmos level=2 kp=2e-5 vto=
.model empty_quote nmos level=2 vto=''
.model call_value nmos level=2 vto=max(1,2)
.model x foo a=1
.model q1 npn bf=100
.model q2 pnp bf=100
.model d1 d is=1e-14
.model j1 njf vto=-2
.model j2 pjf vto=2
.model rw r rsh=50
.model cw c cox=1e-3
.model lw l l=1u
.model
.model nokind
.model a_model_name_longer_than_twenty nmos level=1 vto=0.5
.subckt cell a b
.model inner nmos level=1 vto=0.4
.model inner_bad nmos level=9
.ends
.end

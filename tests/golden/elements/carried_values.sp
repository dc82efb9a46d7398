Values that element lines carry whole or report
* A number with an exponent and a scale suffix is one number: 1e-3k is 1
V1 a 0 1e-3k
I1 a 0 dc 2e3meg
R1 a b 1e-3k
V2 a 0 pulse(0 1 0 1n 1n
+ 5n 1e-3k)
V3 a 0 dc 1.5e3 ac 1e-3
* A negated parameter or expression keeps its sign inside the braces
V10 a 0 pulse(0 -vdd 0 1n 1n 5n 10n)
V11 a 0 dc -vd
I12 a 0 pwl(0 0 1n -ipk, 2n +ipk)
V13 a 0 dc 0 ac -'vac*2'
+ sin(0 -vamp 1meg)
V14 a 0 dc -{vdd}
V15 a 0 dc -1 ac 1
* A multiplier on a source line has no place there: reported
I16 a 0 1m m=2
V17 a 0 dc 1
+ M = 3
* td, rd, data and file are settings only with "="; bare, they are parameters
V18 a 0 PULSE(0 1 td 1n 1n 5n 10n)
V19 a 0 DC rd
V20 a 0 PWL(0 0 1n 1 2n 0) TD=2n
* a PAT source's bits and its rb= setting
V21 a 0 pat(1 0 0 1n 1n 5n b1010 r=1 rb=2)
* An element's temperature difference: reported, with a model or without
R20 a b 1k tc1=1m dtemp=10
R21 a b rmod 1k dtemp=10
C20 a b 1p dtemp=5
C21 a b cmod 1p dtemp=5
L20 a b 1n tc1=1m dtemp=10
L21 a b 1n
* Couplings given by numbers, parameters and expressions, with or without k=
.param kc=0.8 k=0.5
K1 La Lb 0.99
K2 La Lb kc
K3 La Lb 'kc/2'
Kx La Lb k=kc
K4 La Lb
+ k = -kc
K5 La Lb k
* No coupling of two inductors: reported
K6 L1 L2 L3 0.9
K7 La Lb mcore
K8 La Lb
* A model as the last item: the element's value comes from the model
R22 a b rmod
C22 a b cmod
* JFETs with a fourth node and a model defined further on
J1 d g s b jmod
J2 d g s b jmod area=2
J3 d g s jmod jarea
* A JFET's area given beside its gate's size: the area stays, l and w reported
J4 d g s jmod 2 w=3u
J5 d g s jmod area=2 w=3u l=1u
* A bipolar's area given by a parameter, its model known or defined further on
Q1 c b e qmod qarea
Q2 c b e s qmod 2
Q3 c b e qlater qarea
.model jmod njf
.model qmod npn
.model qlater pnp
.model rmod r rsh=1
.model cmod c cj=1
.model mcore core
.end

HSPICE scale suffixes Ondrel's numbers do not know: x (mega) and a (atto)
* x is written meg; a goes into the exponent, units after it left out
r1 a 0 10x
r2 a 0 1XOhm
c1 a 0 3a
c2 a 0 1.5e2a
c3 a 0 2e+3A
v1 a 0 dc 1X ac 2a
.model dd d is=1a cjo=1x rs=1.5e-3a
.param p1=1x p2='2a*3' p4=2amp
e1 a 0 b 0 1x
.ac dec 10 1 100X
.tran 1a 1x
* a unit after the suffix; a node named like a number keeps its name
r4 a 0 2a3
e2 out 0 vol='v(1a)*2x'
* Other suffixes and units stay as written
r3 a 0 1meg
c4 a 0 1.5pF
.end

* no title: this file starts with a comment
.SUBCKT amp in out gain=2 rl=rdef
* inside the body: flushed after .ends
V1 in 0 1
$ dollar
$ dollar again
.ic v(in)=0
.data table
.print v(out)
+ stray
.ENDS amp
.subckt diff a+ a- b+ b- 1 2 vt=-0.5 w='2*l' l=1u neg=-vt
K1 l1 l2 1
.ends
.MACRO old x y
I1 x y 1m
.EOM old
.subckt outer a b g=3
* a definition inside a definition: echoed whole, through its own .ends
.subckt inner p q
r1 p q 'g*1k'
.macro deeper u v
r9 u v 1
.eom
.ends inner
r2 b 0 1k
.ends outer
.subckt bad a (b)
V2 a 0 1
.ends bad
.subckt open a
V3 a 0 1

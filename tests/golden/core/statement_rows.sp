Statement reader rows
.noise v(out) vin 10
.four 1meg v(out)
.sens v(out)
.TEMP 27 85
.width out=80
.title Second title
.ic v(in)=0 v(out)=1.8
+ v(mid)=0.9
.nodeset v(a)=1
tf v(out) vin
.OP
del lib 'x.lib' tt
.op
.data sweep r1 c1
+ 1k 1p
.enddata
.probe tran v(out)
.fft v(out)
.protect
.prot
.unprotect
.unprot
.graph v(out)
.disto 100
.measure tran t1 trig v(a) val=0.5 rise=1
+ targ v(b) val=0.5 rise=1
.meas tran t2 avg v(a)
.dcvolt a 1
.foo bar
$ a lone dollar line is passed over
.op
$ two dollar lines
$ the second becomes a comment
Vdd vdd 0 1.8
Iin in 0 pwl(0 0
+ 1n 1m
+ 2n 0)
K1 l1 l2 0.99
U1 a b c
W1 a b
B1 x y i=1
.alter
r9 a b 2k
.end
.op

R, C and L with parameters and expressions
.param rbase=1k cload='2*500p' lser=10u ratio=3
v1 in 0 dc 0 pulse(0 1 10n 1n 1n 2u 4u)
r1 in mid rbase
r2 mid out 'rbase*ratio'
c1 out 0 cload
l1 mid tap lser
r3 tap 0 '2*rbase + 500'
c2 tap 0 100p
.op
.tran 20n 3u
.end

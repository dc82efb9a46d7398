Diodes with series resistance, area and emission coefficient
v1 a 0 dc 0.7
d1 a k1 dmod
r1 k1 0 100
d2 a k2 dmod 2
r2 k2 0 100
d3 k3 a dmod
r3 k3 0 1k
.model dmod d is=1e-14 n=1.2 rs=5 bv=50 ibv=1u
.op
.dc v1 -1 1 0.05
.end

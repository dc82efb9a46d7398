Polynomial controlled sources
v1 a 0 dc 0.5
v2 b 0 dc 0.2
ra a 0 1k
rb b 0 1k
e1 o1 0 poly(1) a 0 0.1 2 0.5
r1 o1 0 1k
e2 o2 0 poly(2) a 0 b 0 0 1 1 0.5
r2 o2 0 1k
g1 o3 0 poly(1) a 0 0 1m 2m
r3 o3 0 1k
.op
.dc v1 0 1 0.1
.end

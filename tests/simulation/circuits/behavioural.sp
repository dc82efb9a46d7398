Behavioural sources
.param k=2
v1 in 0 dc 0.3
rin in 0 1k
e1 o1 0 vol='k*v(in)*v(in)'
r1 o1 0 1k
g1 o2 0 cur='v(in)/1k'
r2 o2 0 1k
.op
.dc v1 0 1 0.1
.end

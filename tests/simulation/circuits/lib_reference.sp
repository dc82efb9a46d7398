A corner chosen by a library reference
.lib 'corners.lib' tt
v1 in 0 dc 1
r1 in out rcorner
r2 out 0 1k
.op
.end

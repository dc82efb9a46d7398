A current-controlled source beside a source of the letter it becomes
v1 in 0 dc 1
rin in 0 1k
g1 o1 0 in 0 1m
r1 o1 0 1k
f1 o2 0 v1 2
r2 o2 0 1k
.op
.end

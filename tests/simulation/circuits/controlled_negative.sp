Negative gains on controlled sources, with signed and global node names
.global vdd
vdd vdd 0 dc 1
v1 in+ 0 dc 0.5
rin in+ 0 1k
e1 o+ 0 in+ vdd -2
re o+ 0 1k
g1 og 0 in+ 0 -2m
rg og 0 1k
fsense oc 0 v1 -4
rc oc 0 1k
hsense oh vdd v1 -100
rh oh 0 1k
.op
.dc v1 -1 1 0.25
.end

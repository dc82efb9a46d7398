Subcircuits with parameters
.param rtop=2k
v1 in 0 dc 2
x1 in o1 divider rt=rtop rb=1k
x2 in o2 divider
x3 o1 o3 divider rt='rtop/2' rb=500
.subckt divider a b rt=1k rb=3k
r1 a b rt
r2 b 0 rb
.ends divider
.op
.end

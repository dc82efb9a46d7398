* HSPICE's optional PARAMS: keyword, alone or touching the first name, on
* subcircuit headers (also on a continuation line) and instances: written
* once, as Ondrel's own.
.subckt res a b params: r=1k tc=0
r1 a b 1k
.ends
.subckt s2 a b params:r=1k
.ends
.subckt s4 a b
+ PARAMS: r=1k
.ends
X1 n1 n2 res params: r=2k
X2 n1 n2 res PARAMS:r=2k
X3 n1 n2 s2 r=2k
.end

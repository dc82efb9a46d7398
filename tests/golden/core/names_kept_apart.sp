Names stay apart: respelled names, renamed elements, echoes kept whole
* bus<1> and bus[1] would both be written bus_1_; net#3 would be the plain net_3
v1 bus<1> 0 1
r1 bus<1> bus[1] 1k
r2 bus[1] net#3 2k
r3 net#3 net_3 3k
r4 net_3 0 4k
c1 grid[0][1]_pin[0][0][0] grid[0][1]_pin[0][0][4] 1f
* an M line is an instance xm1, as is the subcircuit instance XM1 beside it
XM1 a b cell
M1 a b 0 0 nch w=1u l=1u
* F1 becomes a g source beside G1; H1 an e source beside E1
G1 o1 0 a 0 1m
F1 o2 0 v1 2
E1 o3 0 a 0 2
H1 o4 0 v1 10
.subckt cell p q
* inside a subcircuit the names of the file's top level do not count
D1 p q dmod
M1 p q 0 0 nch w=1u l=1u
XD1 p q other
.ends
.model dmod d is=1e-14
.model nch nmos level=1
.probe v(a<1>) v(b#2) i(c&d) v(e;f) v(g?h) v(k^l) v(m~n) v(o@p)
.end

Geometry scale and global nodes hold for the whole file
* Elements before .global and .options take them too: the file is read
* again with both known from the start.
M1 d g s b nch W=10 L=1
Rw a b rmod l=20 w=2
.ic v(vdd)=1.8 V(in)=0
.global vdd
.options post scale=1u ingold=2
C1 a 0 cmod l=5 w=4
M2 d g vdd b nch 10 2 ad=20 as=20 pd=24 ps=24
D1 a vdd dmod l=3 w=3
J1 d g s jmod l=2 w=8
Xinv in out vdd inv
* a node inside a behavioural expression
E1 o1 0 VALUE={V(vdd)*2}
G1 o2 0 cur='v(vdd, 0)*1m'
* a port of the global name is the global node
.subckt inv in out vdd
M3 out in vdd vdd pch W=4 L=1
.nodeset v(out,vdd)=0.9
.ends
.nodeset v(out,vdd)=0.9
+ v(in)=0
.print dc v(vdd) v(out)
* scalm is the default of the cards that give none
.options scalm=0.5
.model nch nmos level=3 tox=4n
.model pch pmos level=3 tox=4n scalm=1
* an .options line with nothing Ondrel knows is not written
.options probe nomod
.end

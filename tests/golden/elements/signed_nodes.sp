* Nodes with a sign touching them (in+, in-) are written with a letter for
* the sign, alike on element lines, copied source lines and .ic/.nodeset;
* where the file has a node spelled so already (inp), they stay apart.
R1 in+ in- 1k
E1 out 0 in+ in- 2
Vx in+ 0 1
I1 0 In- 1m
R2 inp 0 1k
.ic v(in+)=1 v(out)=0
.nodeset v(in-)=0.5
.subckt amp a+ a- o
r1 a+ o 1k
r2 a- o 1k
.ends
X1 in+ in- out amp
.end

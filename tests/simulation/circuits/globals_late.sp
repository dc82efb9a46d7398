A global node declared after its first use
vdd vdd 0 dc 3
.global vdd
x1 o1 load
.subckt load out
r1 vdd out 1k
r2 out 0 2k
.ends
.op
.end

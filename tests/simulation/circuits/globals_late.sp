A global node declared after its first use
vdd vdd 0 dc 3
.global vdd
x1 o1 load
.subckt load out
r1 vdd out 1k
r2 out 0 2k
e1 half 0 value={v(vdd)*0.5}
r3 half 0 1k
.ends
.op
.end

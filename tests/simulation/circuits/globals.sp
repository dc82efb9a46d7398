Global supply node used inside a subcircuit
.global vdd
vdd vdd 0 dc 3
x1 o1 load
x2 o2 load
.subckt load out
r1 vdd out 1k
r2 out 0 2k
.ends
.op
.end

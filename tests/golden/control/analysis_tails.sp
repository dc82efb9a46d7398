* What follows a SWEEP clause, values with no place, and the statements that
* name nodes or temperatures
.global vdd
.param a=1 tst=5n tc=85
r1 vdd in+ 1k
r2 in+ out<1> 1k
v1 vdd 0 1
* UIC after the sweep stays on the .tran line; START= after it is reported,
* never taken for a step value
.tran 1n 100n SWEEP a 1 3 1 UIC
.tran 1n 100n SWEEP a 1 3 1 START=10n
* A rejected analysis takes back the lines it wrote: only the echo stays
.dc v1 0 1 0.1 SWEEP a 1 3 1 UIC
* A third or fourth value that is a name or an expression is reported
.tran 1n 100n tst
.tran 1n 100n 'tst*2' 0
.tran 1n 100n START='tst'
* Temperatures given by parameters are expressions
.temp tc
.TEMP 'tc+10' 25 -40
* Output nodes are written as elements write them
.four 1meg v(vdd) v(in+)
.sens v(out<1>) v(vdd)
.noise v(vdd) v1 10
.end

* Values of V and I lines written without quotes but with operators (vdd-1,
* 2*vdd, per/2) or as a call (sqrt(vdd)) are read whole as expressions.
.param vdd=1.8 per=10n
V1 a 0 dc vdd-1
V2 b 0 dc 2*vdd
V3 c 0 pulse(0 vdd*0.5 0 1n 1n per/2 per)
V4 d 0 sin(0 1 1k) ac 1
V5 e 0 pwl(0 0 1n vdd 2n -vdd)
V6 f 0 dc -vdd+1
V7 g 0 1e-3
V8 h 0 dc vdd*(1+0.1)
I1 0 i dc 1m*2
V9 k 0 dc sqrt(vdd)
V10 m 0 dc 1 $ comment
V11 n 0 dc 1 * comment
.end

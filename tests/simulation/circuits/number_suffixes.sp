Numbers with an exponent and a scale suffix: 2.5e-3meg is 2.5k
v1 in 0 pulse(0 1e-3k 0 1e-3n 1e-3n 5e-3u 10u)
r1 in out 2.5e-3meg
c1 out 0 1e3f
r2 out 0 1e1k
.param rload=2e-3meg
r3 out mid {rload}
d1 mid 0 dm
.model dm d is=1e-14 rs=1e-2k
.tran 0.1u 10u
.end

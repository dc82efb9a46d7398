Independent sources
v1 a 0 dc 1 pulse(0 2 100n 50n 50n 400n 1u)
ra a 0 1k
v2 b 0 sin(0.5 1 2meg 0 0)
rb b 0 2k
v3 c 0 pwl(0 0 200n 1 500n 1 700n -0.5 1u 0)
rc c 0 1k
i1 0 d dc 1m pulse(0 2m 0 100n 100n 300n 1u)
rd d 0 500
v4 e 0 exp(0 1 100n 50n 500n 100n)
re e 0 1k
.tran 5n 1u
.end

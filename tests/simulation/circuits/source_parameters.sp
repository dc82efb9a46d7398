Sources whose values are parameter names and quoted expressions
.param vhigh=2 period=200n rise='period/20'
v1 a 0 pulse(0 vhigh 10n rise rise 'period/2' period)
ra a 0 1k
v2 b 0 pwl(0 0 'period/4' vhigh 'period/2' 0)
rb b 0 1k
v3 c 0 dc 'vhigh*0.5'
rc c 0 1k
.tran 1n 400n
.end

A lossless transmission line between a pulse and a matched load
v1 in 0 dc 0 pulse(0 1 1n 0.5n 0.5n 5n 20n)
rs in a 50
t1 a 0 b 0 z0=50 td=2n
rl b 0 50
.tran 0.1n 15n
.end

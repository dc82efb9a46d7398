A diode's junction capacitance, given as cjo, in a transient
v1 a 0 dc 0 pulse(-2 0.5 10n 5n 5n 50n 100n)
r1 a k 1k
d1 k 0 dcap
.model dcap d is=1e-14 n=1.1 cjo=20p vj=0.8 m=0.4 tt=5n
.tran 1n 100n
.end

Inductors: series resistance, temperature card, multiplier and POLY
L1 a b 1u r=0.5 tc1=1m tc2=2m
L2 a 0 1u r=1
L3 c 0 2u r=2
L4 a b 1u scale=2 m=4
L11 a b 1u r=2 m=4
L5 a b l=1u ic=1m dtemp=5 ltype=0
L6 a b lmod 1u
L7 a b lval
L8 a b 1u 1m 2m
* POLY after the value: reported, the linear inductor still written
L9 a b 1u poly 2u 3u
* POLY in place of the value: reported, nothing written
L10 a b poly 1u 2u

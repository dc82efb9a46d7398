Transmission lines and subcircuit instances
T1 a 0 b 0 z0=50 td=1n
* Initial port voltages: across each port, in port order
T2 a ra b rb zo=75 l=2 td=1n ic=0.5,1m,0.2,2m
T3 a 0 b 0 z0=50 td=1n ic=-0.5, 0
* The delay of a line given by frequency: nl wavelengths at f, a quarter
* wave when nl is not given
T4 a 0 b 0 z0=50 f=1g nl=0.5
T5 a 0 b 0 z0=50 f=1g
T6 in gnd out gnd z0='z0' td='tdel'
T7 a 0 b 0 td=1n
* Instances: nodes, the subcircuit name and parameters that are never keywords
X1 a b filt rval=10k cval=1n
X2 a b filt
X3 a b filt rval=r0 l=2u m=2 scale='s*2'
X4 a+ b- c filt2 w=-wn
X5 in out
+ amp gain=10
+ offset=-1m
.global vdd
X6 vdd 0 sub

* Two-stage amplifier test bench with a behavioural reference
.param wn=10u ln=1u cl=2p gain_ref=1e4
.global vdd
.subckt ota inp inn out bias
M1   n1 inp tail 0   nch W=wn L=ln AD=5p AS=5p PD=12u PS=12u M=2
M2   out inn tail 0  nch W=wn L=ln AD=5p AS=5p PD=12u PS=12u M=2
M3   n1 n1 vdd vdd   pch W='2*wn' L=ln
M4   out n1 vdd vdd  pch W='2*wn' L=ln
MT   tail bias 0 0   nch W=wn L='2*ln'
CC   n1 out 'cl/2'
RZ   n1 mid 5k
.ends ota

XAMP inp inn out bias ota
VDD  vdd 0 3.3
VB   bias 0 0.8
RF   out inn 100k
RIN  inn in 10k
CL   out 0 cl
LBOND out pad 1n r=0.1
EREF ref 0 VCVS inp 0 gain_ref max=3.3 min=0
GLOAD pad 0 pad 0 1m
HMON mon 0 vdd 1k
.end

standard parameter sets: binned names, aliases and names of later versions
* BSIM3 version 3.1: every binning variant is written; lvtho is lvth0;
* acde and moin came with version 3.2 and are dropped; tox and toxm give one tox
.model nb49 nmos level=49 version=3.1 tox=4e-9 toxm=4.1e-9 vth0=0.5 lvtho=1e-9
+ k3=80 lk3=1e-7 wk3=2e-7 pk3=3e-14 dvt0=2.2 ldvt0=0.1 wdvt0=0.2 pdvt0=0.3
+ rdsw=200 prdsw=1 lrdsw=2 wrdsw=3 nch=1.7e17 lnch=1e16 wnch=2e16 pnch=3e15
+ vfbcv=-1 lvfbcv=0.01 acde=1 moin=15 noff=1.2 voffcv=0.1
* BSIM3v2: the l and w variants only
.model nb47 pmos level=47 k3=80 lk3=1e-7 wk3=2e-7 pk3=3e-14
* BSIM1: its own eta and temperature
.model nb13 nmos level=13 vfb=-0.9 eta=0.02 leta=0.001 temp=27
* level 1 knows no binning; uo and vt0 are u0 and vto
.model n1 nmos level=1 uo=450 vt0=0.7 lk3=1e-7
* level 3: eta, xd, and delvt0 added to vt0
.model n3 nmos level=3 uo=450 vt0=0.7 delvt0=0.05 eta=0.05 xd=0.1u theta=0.1
* diode: cjo and cj0 are the zero-bias capacitance; eg is the diode's own
.model d1 d is=1e-14 cjo=2p eg=1.11
.model d2 d is=1e-14 cj0=3p
* bipolar: ps and ms are the substrate junction's potential and grading
.model q1 npn bf=100 cjs=1p ps=0.6 ms=0.4
* JFET: vt0 is vto; b is the doping tail
.model j1 njf vt0=-2 beta=1e-4 b=0.9
.end

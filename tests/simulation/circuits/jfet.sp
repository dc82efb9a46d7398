N- and p-channel JFETs, with area
vdd vdd 0 dc 10
vg g 0 dc -1
rd1 vdd d1 2k
j1 d1 g 0 jn
rd2 vdd d2 2k
j2 d2 g 0 jn 2
vgp gp 0 dc 9
rdp dp 0 2k
j3 dp gp vdd jp
.model jn njf vto=-2 beta=1m lambda=0.01 rd=10 rs=10
.model jp pjf vto=-2 beta=0.5m lambda=0.02
.op
.dc vg -2 0 0.2
.end

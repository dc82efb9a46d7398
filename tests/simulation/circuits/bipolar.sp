Bipolar transistors npn and pnp, with area
vcc vcc 0 dc 5
vb b 0 dc 0.65
rc1 vcc c1 1k
q1 c1 b 0 qn
rc2 vcc c2 1k
q2 c2 b 0 qn 2
vbp bp 0 dc 4.3
rcp cp 0 1k
q3 cp bp vcc qp
.model qn npn is=1e-15 bf=120 vaf=80 br=2 rb=50 rc=10 re=1
.model qp pnp is=2e-15 bf=60 vaf=40
.op
.dc vb 0.5 0.8 0.02
.end

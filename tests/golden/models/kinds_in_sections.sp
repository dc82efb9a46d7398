* Diode, bipolar, JFET and wire cards inside library sections and subcircuits
.lib tt
.model dsec d is=1e-14
.model qsec npn bf=100
.model jsec njf level=2
.model rsec r rsh=10
.endl tt
.lib ff
.subckt wrap a b
.model jpsec pjf level=3
.model csec c cap=1p
.ends
.model dfn d level=2
.endl ff
.end

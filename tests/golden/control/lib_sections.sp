* Corner library: text outside the sections goes into every section's file
.param vdd=1.8
.global gnd!
.lib tt
* typical corner
.temp 27
.param corner_vth=0 sup='vdd*1'
v1 sup 0 1.8
.inc 'tt_models.inc'
.lib 'devices.lib' mos
.ic v(out)=0
.endl tt

* the fast corner
.LIB FF
.TEMP -40
.PARAM corner_vth=-0.05 sup='vdd*1.1'
.subckt clamp a b
v2 a b 0.5
.ends
.nodeset v(mid)=0.9
.options post
.ENDL FF
.param after=1
.lib 'extra.lib' res
.end

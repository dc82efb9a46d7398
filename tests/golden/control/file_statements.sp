File and node statements
.inc 'sub.inc'
.INCLUDE "/Tools/Library/models/NMOS_VTL.inc"
.include sub.inc
.inc '$PDK_DIR/models/hspice/x.inc' $ environment variable in the path
.lib 'mylib.lib' tt
.lib models.lib ss
.load file='op.ic'
.LOAD FILE = "Op.IC"
.save type=ic file='op.ic' level=top time=1u
.save level=top file='x.ic'
.save file='a.ic' time=10n level=all
.global vdd gnd
.global vss vdd
.print tran v(vdd) v(vss) v(out) i(vdd)
* statements that cannot be translated
.save file='a.ic' when=2
.load
.include
.end

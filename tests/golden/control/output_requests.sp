Output requests
.print tran v(out) i(vdd)
.plot ac vdb(out) vp(out)
.PRINT TRAN V(Out_1) V(a,b)
.print .dc v(2)
+ i(r1)
.print noise v(n1)
.PRINT DC PRECISION=4 V(1) par('v(2)*2') V(4) {rval2}
.PLOT TRAN P(VV1) v(x) $ $x=8400 $y=3100
* requests that cannot be translated
* (currents of elements written as wrappers or other letters, a threshold)
.print tran i(m1) i(d1) i(f1) i(h2) i(x1.m2) i(r1) vth(m1) vds(m1)
.print disto v(1)
.plot .disto v(1)
.print v(ref) v(out)
.print noise all
.print tran v(out
.end

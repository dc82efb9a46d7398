.MODEL dfirst D IS=1e-14 N=1.1
* A library whose first line is a statement, not a title
.opt reltol=1e-4 post
.data sweep1 w l
+ 1u 2u
1u 1u
2u 1u
.enddata
r1 a b 1k
.end

Expressions with powers, conditions and precedence in parameters and values
.param a=2 b=3 c=4 n=7
.param rpow='a^3*100' rprec='a+b*c^2' rneg='-a*b**2*10'
.param rcond='n==7 ? 1k : 2k' rnest='a>b ? 1k : b>c ? 2k : 3k' rlogic='(a<b && c>b) ? 5k : 6k'
.param rnum='1k*(1 + (a<b))' rnot='!(a>b) ? 700 : 900'
v1 in 0 dc 1
r1 in n1 'rpow'
r2 n1 0 'rprec*10'
r3 in n2 'rneg + 400'
r4 n2 0 'rcond'
r5 in n3 'rnest'
r6 n3 0 'rlogic'
r7 in n4 'rnum'
r8 n4 0 'rnot'
r9 in n5 '2*rpow+1k'
r10 n5 0 'max(a^2, b) * 100'
.op
.end

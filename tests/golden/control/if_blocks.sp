Conditional blocks
.param n=7 a=5 tox0='2n'
* Branches of .param lines only: conditional values
.if (n == 7)
  .param a=1 b='tox0*2'
.elseif (n>8 && n<12)
  .param a=3 b={tox0}
.else
  .param a=2
+ b=0
.endif
* a parameter no branch defines keeps its value from before
.IF (n < 3)
.param a = 'n+1'
.ENDIF
* no value before and no .else: the last branch's value, reported
.if (n==1)
.param c=10
.elseif (n==2)
.param c=20
.endif
.subckt sub x y n=2
.if (n==2)
.param rv=1k
.else
.param rv=2k
.endif
r1 x y rv
.ends
* an element in a branch: the whole block echoed and reported
.if (n==7)
r2 1 0 1k
.else
r2 1 0 2k
.endif
* a nested block likewise
.if (n==7)
.param d=1
.if (a==1)
.param d=2
.endif
.endif
* a branch statement without its .if
.else
.endif
.end

Parameter and function definitions
* plain values: numbers keep their sign, names go in braces
.param vdd=3.3 vss=-1.5 vref=+0.6
.param rl=rdef
* two definitions to a line, the rest on continuation lines
.param a=1 b=2 c=3 d=4 e=5
* a quoted value continues the statement like any other
.param vdd=3.3 gain='a*2' rl=rdef
.PARAMETER w='l*2'
* expressions: commas between arguments, function names respelled
.param p1='pow(x,2)' p2='pwr(x,2)' p3='db(v)' p4='sign(-x)'
.param m='max(a, -1)+min(b c)' n='-a*2' k=-'a+b'
* call values keep the operators of their arguments
.param p=pwr(a,2) q=pwr(a+1,2) r=pow(max(a,b),2)*3
* unquoted expressions
.param i0=i1+i2 vcm=avdd/2
* input continuation lines start output continuation lines
.param x1=1
+ x2=2 x3=3 x4=4
+ x5='x1*
+ x2'
* functions take a line of their own
.param f(x,y)='x+y'
.param u=1 g(t)=t*2 h()=3 v=2
* a distribution function is reported and kept
.param dvt=agauss(0,1,3)
.subckt amp in out gain=2
.param g2='gain*2'
v1 in out 1
.ends
* what cannot be translated is reported; complete definitions stay
.param ok=1 broken other=2
.param 3=4
.param x=
.param y='unclosed*2
v9 9 0 1
.end

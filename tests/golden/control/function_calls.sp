Calls Ondrel writes otherwise keep HSPICE's meaning
.param a=2 b=3 x=-2
* db(x) is 20*log10(x): one value beside * / and powers, bare elsewhere
.param d1='b/db(a)' d2='db(a)**2' d3='2**db(a)' d4='db(a)' d5='a/-db(b)'
.param d6='1+db(a)' d7=b/db(a)
* sign(x,y): |x| with the sign of y; a single value keeps sgn(
.param s1='sign(a,b)' s2='b/sign(a,-b)' s3='sign(a)'
* pow(x,y): x to the integer part of y
.param w1='pow(x,3)' w2='pow(x,2.5)' w3='pow(a,-3)' w4='pow(a,0.5)'
.param w5='pow(a,b)' w6='pow(2,b)' w7='1/pow(a-1,b+1)' w8=pow(x,3)
* unquoted calls continued on "+" lines keep their meaning too
.param w9=pow(x,
+ 3) s4=sign(a
+ ,b) d8=b/db(
+ a)
* a blank between a function's name and its "("
.param q1='sqrt (a)' q2='Db (2)' q3={abs (x)} q5='agauss (0,1,3)'
R1 n1 n2 'sqrt (a)*1k'
E1 o 0 VALUE='abs (V(n1))'
* a name that is no function stays a value beside a group
.param q4='a (b)'
.end

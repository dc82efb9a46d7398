Expressions read whole and written as Ondrel writes them
.param a=1 b=2 c=3 n=7
* precedence and powers
.param p1='a+b*c^2' p2='-a**2' p3='a^b^c' p4='2^8'
* conditions: ternaries, nested, inside a function, used as numbers
.param p5='a>b ? 1 : 0' p6='(a&&b) ? a : b' p7='a ? b ? 1 : 2 : 3'
.param p8='max(a>b ? a : b, c)' p9='a + (b>c)' p10='!a'
* function names Ondrel spells otherwise
.param p11='pow(a,2)+pwr(b,3)+db(c)+sign(a)'
* values in braces, unquoted, negated
.param p12={a+b} p13=-'a+b' p14=a+b
r1 x 0 'n==7 ? 1k : 2k'
r2 x 0 r='a*2^n'
r3 x 0 {a*1k}
c1 x 0 'max(a, b)*1p'
* what Ondrel cannot express is reported and echoed, never written changed
.param p15='a%b'
r4 x 0 'a\2'
r5 x 0 'a +'
* an echo keeps every character of its line
r6 x 0 'a && b & c'
.end

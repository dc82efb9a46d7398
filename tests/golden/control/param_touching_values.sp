* A value followed by a number or word touching it (1.2.3) is not
* written cut short: the statement is echoed and reported, and only the
* definitions before it stay written. A scale suffix after an exponent is
* part of the number (2e3k is 2e6).
.param a1=10pF a2=1.5kOhm a3=1.2.3 a4=2
.param q=2e3k
.param ok=1 b='a1*2' c=a1
.param d=1 e=2 f=3 g=4 h=5 i=2.5.1
.end

* A value followed by a word or number touching it (1e-3u, 2e3k) is not
* written cut short: the statement is echoed and reported, and only the
* definitions before it stay written.
.param a1=10pF a2=1.5kOhm a3=1e-3u a4=2
.param q=2e3k
.param ok=1 b='a1*2' c=a1
.param d=1 e=2 f=3 g=4 h=5 i=1e-3u
.end

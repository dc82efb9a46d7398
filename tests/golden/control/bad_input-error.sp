.lib 'unclosed.lib tt
.inc 'sub.inc   
.param ok=1 broken
.lib a:b
.param x=1
.endl a:b
.lib dup
.param x=2
.endl
.lib DUP
.param x=3
.endl
.lib
.lib 'x' tt extra words
.lib last
.param y='w*l
.param z=1

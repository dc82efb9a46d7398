Warnings echo the whole statement
.probe v(a)
* a comment inside the rejected statement
+ v(b)
   + v(c)
.measure tran t1 avg v(a)
.measure tran t2 avg v(b)
U1 a b
+ c d

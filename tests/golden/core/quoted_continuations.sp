A quoted expression goes on across "+" lines that start with "*"
.param a=2
R1 n1 n2 'a
+ *1k'
E1 o 0 VALUE='a
+ **2'
.param p1='a
+ *3' p2=4
X1 n1 n2 sub w='a
+ *2' l=1u
.model nm nmos level=49 vth0='a
+ *0.1' tox=4n
* a line that starts with "*" is a comment, even inside a quote
R2 n1 n2 'a
* a comment
+ *2'
.end

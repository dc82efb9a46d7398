Values written without quotes, in braces, and names that are values or models
.param cval=1p rval=1k wn=1u i2=2
* a name with more after it is a value unless the file has such a model
C1 a b cval m=2
R1 a b rval tc1=1e-3
R2 a b rlater tc1=1e-3
C2 a b cval 2p
* expressions without quotes, in braces, and with a sign
R3 a b r=wn+1u
X1 a b sub m=i2+300 w=wn*2
R4 a b {rval*2}
C3 a b c={cval}
R5 a b -'rval+1'
.param p1={wn/2} p2=-'wn+1'
* V and I sources: parameter names and expressions in their values
V1 a 0 pulse(0 vdd 0 'rval/1e12' 1n pw per)
I1 a 0 dc 'cval*1e9' ac 1
V2 a 0 pwl(0 0 1n vdd
+ 2n 'vdd/2') $ half way
* behavioural sources with VALUE=
E1 o 0 VALUE={v(a)*2}
G1 o 0 value = 'v(a)/rval'
* a form feed is a blank
R6 e f 3k
.model rlater r rsh=10
* an instance's m stays where its subcircuit declares m, also further on
.subckt sub a b m=1 w=1u
R1 a b 1k
.ends
.end

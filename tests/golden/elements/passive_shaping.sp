Scale and multiplier shaping, derived cards and parasitic capacitance
R1 a b rmod 1k scale=2 m=4 dtemp=10
R2 a b 1k scale=2
R3 a b 1k m=4
R4 a b rmod l=10u w=2u scale=2 m=4
R5 a b rmod scale=2 m=4
R6 a b rmod 1k c=2p
R7 a b rmod l=10u w=2u c=2p
R8 a b rmod c=2p
R9 a b 1k c=2p
C1 a b cmod 1p scale=2 m=3 dtemp=5
C2 a b 1p scale=2
C3 a b cmod l=10u w=2u scale=2 m=3
C4 a b cmod scale=2 m=3
* Keyword forms of the value and positional temperature coefficients
R10 a b r=2k 1m 2m
R11 a b r=2k tc1=1m tc2=2m
R12 a b 2k tc2=2m
R13 a b 2k tc=1m, -2m
R14 a b 2k 3
R15 a b 2k ac=1k m=2
R16 a b 2k ac 1k
C10 a b c=3p ic=0.5
C11 a b 3p c=4p
C12 a b cmod ic=1
C13 a b 3p tc1=1m
* Values as parameter names and expressions, signs kept
R20 a b -rval
R21 a b 'pow(rsh,2)*l/w'
C20 a b 'max(c0, -1p)'
* Trailing blanks and a "$" comment after a parameter-name value
R22 a b rval   
C22 a b cval $ load capacitance
* A value at the end of its line may still take keywords from "+" lines
R23 a b rval
+ m=2
* A model name whose geometry follows on a "+" line
C24 a b cmod
+ l=10u w=2u
.model rmod r rsh=1
.model cmod c cj=1

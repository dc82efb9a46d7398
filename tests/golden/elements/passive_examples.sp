Resistors, capacitors and inductors: the documented examples
R1 a b 1k
R1 a b rval
R1 a b 1k tc=1e-3,2e-4
C2 x 0 1p m=2
L3 a b 1u r=0.5
L3 a b 1u tc1=0.01
* A parameter name as the last item of its line is a value; followed by
* anything on its line it is a model name.
C1 a b cval
C1 a b cmod 1p
R4 a b rmod 1k
* Geometry alone gives the value; no value at all gives "1" and the "_1" card.
R5 a b rmod l=10u w=2u
C5 a b cmod l=10u w=2u
R6 a b rmod scale=2
C6 a b cmod m=3
* Temperature coefficients stay on a resistor line and go to a card of
* their own for capacitors with a model and for inductors.
C7 a b cmod 1p tc1=1m tc2=2m
.global vdd
R8 vdd out+ 2k
L8 out- vdd 10n
.model rmod r rsh=1
.model cmod c cj=1

Rejected passive lines
R1 a
R2 a b 1k tc1 1m
R3 a b 1k foo=1
R4 a b r=
C1 a b 1p bar=2
C2 a b 1p (2p)
L1 a b 1u q=1
L2 a b l
* Commas are separators: stray ones change nothing.
R5 c, d ,, 1k
* A polynomial capacitance has no value to write: reported, not taken for
* a parameter named poly
C3 a 0 POLY 1p 0.1p

* Names the translator makes up (an inductor's series resistor and inner
* node, a resistor's parasitic capacitors, the cards of an element's own
* model and a model's _1 and _2 cards) never take a name of the source.
L1 a b 1u r=0.5
RL1 c d 2k
R9 b_l1 0 1k
R6 a b 1k c=2p
C_r6_1 x 0 1f
R1 x y rmod 1k
.model rmod_r1 r rsh=2
.model rmod r rsh=1
L2 e f 1u r=1
.subckt s p q
L1 p q 1n r=2
.ends
.end

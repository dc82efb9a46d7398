Controlled sources: the documented examples
E1 out 0 in 0 2
F1 out 0 vsense 2
H1 out 0 vsense 1k
E2 out 0 poly(2) a 0 b 0 0 1 1
E3 out 0 opamp p n
E4 out 0 delay c d td=1n
* A negative gain is written like any other gain.
G2 out 0 a b -1m
* f sources become g, h sources e, but in the polynomial form.
F3 out 0 poly(2) vs1 vs2 0 1 1
H3 out 0 poly(1) vs1 0 1k
* vcvs and the like are passed over; trans is transformer.
E5 out 0 vcvs in 0 10
G5 out 0 vccs in 0 1m
E6 out 0 trans in 0 10
E7 out+ out- in+ in- 2
* A controlling expression longer than a name is kept whole.
E8 out 0 input_node_one input_node_two 2

Diodes, bipolar transistors, JFETs and MOSFETs: the documented examples
D1 a b dmod 2
D1 a b dmod
Q1 c b e qmod 2 m=3
M1 d g s b nch l=1u w=10u
M1 d g s b nch l=1u w=10u ad=5p as=5p
* Dropping any one of l, w, as and ad makes the MOSFET an instance.
M2 d g s b nch l=1u w=10u ad=5p
D2 a b dmod 3 m=2
J1 d g s b jmod w=1u l=1u
* A keyword after three nodes and a model name is read as the model name.
Q2 c b e qmod area=2

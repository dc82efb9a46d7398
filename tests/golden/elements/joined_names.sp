Node and instance names holding "/", "-" and "+", as extracted netlists write them
* A subcircuit name and header nodes with "-" and "/"; a sign with a blank
* after it is still the node's polarity suffix.
.SUBCKT ADA4077-2 in+ in- Size30-Out N_XI1/NET08 99
R1 in+ N_XI1/NET08 1k
E1 Size30-Out 0 N_XI1/NET08 99 2
.ENDS ADA4077-2
* An instance of it: the same names as the header.
XU1 Ninp Ninn Size30-Out N_XI1/NET08 99 ADA4077-2
* Element names and nodes of an extracted netlist; joined names are kept
* whole, even beyond twenty characters.
mXI999/MM8 N_XI999/NET08_XI999/MM8_d N_RWL<13>_XI999/MM8_g N_RBL<5>_XI999/MM8_s
+ N_GND_XI1036/MM10_b NCH L=6e-08 W=1.2e-07 M=1
cXI1/c1 N_A/1 0 0.5f
* Pieces joined by "->" with bracketed indexes.
Xsram0 sram->in sram[0]->out sram6t
* A node at the end of a line is not joined to a continuation line.
R2 a/b
+c/d 10
* A value is no name: a minus inside quotes, and a signed value after a
* blank, stay arithmetic.
R3 x/1 y-2 'ra-rb'
G1 out-1 0 a/b c-d 1m
R4 a-1 b/2 -5
* Controlling nodes in parentheses, and a controlling source by its name.
E2 o/1 0 poly(1) (p/1,n-1) 0 1
F1 o/2 0 vXI1/VS 3
Q1 c/1 b/1 e/1 2N2222
.model 2N2222 NPN(IS=1E-14 BF=200)

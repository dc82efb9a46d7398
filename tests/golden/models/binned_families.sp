binned families: instances of a family get the bin their l and w fall in
* an instance before the family's cards
M0 d g s b nch w=1u l=3u
.model nch.1 nmos level=49 lmin=0.1u lmax=1u wmin=0.1u wmax=10u vth0=0.4
.model nch.2 nmos level=49 lmin=1u lmax=10u wmin=0.1u wmax=10u vth0=0.5
* lmin <= l < lmax: l=1u is the second bin's
M1 d g s b nch w=1u l=1u
M2 d g s b nch 0.5u 2u ad=1p as=1p
* a bin named directly is written as its card
M3 d g s b nch.2 w=1u l=2u
* no bin takes l=20u; w given by a parameter chooses none
M4 d g s b nch w=1u l=20u
M5 d g s b nch w=wn l=2u
* two models whose names without dots are one: the second is respelled
.model pch1.1 pmos level=49 vth0=-0.4
.model pch.11 pmos level=49 vth0=-0.5
M6 d g s b pch1.1 w=1u l=1u
M7 d g s b pch.11 w=1u l=1u
* a plain name after a dotted one written so: the plain one is respelled
.model qch1.1 pmos level=49
.model qch11 pmos level=49
M8 d g s b qch11 w=1u l=1u
.end

* Binned families where their cards stand: a subcircuit's own family, each
* .lib section's own, and the main text's instance of a family of sections
m1 d g 0 0 sec l=2u w=5u
.model nch.1 nmos level=49 lmin=0.1u lmax=1u wmin=1u wmax=10u vth0=0.3
.model nch.2 nmos level=49 lmin=1u lmax=10u wmin=1u wmax=10u vth0=0.5
m2 d g 0 0 nch l=2u w=5u
.subckt cell a g
.model nch.1 nmos level=49 lmin=0.1u lmax=3u wmin=1u wmax=10u vth0=0.2
.model nch.2 nmos level=49 lmin=3u lmax=10u wmin=1u wmax=10u vth0=0.8
m3 a g 0 0 nch l=2u w=5u
.ends
.lib tt
.model sec.1 nmos level=49 lmin=0.1u lmax=1u wmin=1u wmax=10u vth0=0.3
.model sec.2 nmos level=49 lmin=1u lmax=10u wmin=1u wmax=10u vth0=0.5
.subckt inv a b
m4 b a 0 0 sec l=2u w=5u
.ends
.endl tt
.lib ff
.model sec.1 nmos level=49 lmin=0.1u lmax=3u wmin=1u wmax=10u vth0=0.3
.model sec.2 nmos level=49 lmin=3u lmax=10u wmin=1u wmax=10u vth0=0.5
.subckt inv a b
m4 b a 0 0 sec l=2u w=5u
.ends
.endl ff

* Diode cards: wrappers, levels 1 and 3, renames, drops and refusals
.model d1 d is=1e-14 cj=1p
.model d1_level d level=1 is=2e-14 n=1.05 rs=10 tt=5n bv=40 ibv=1u fc=0.5 kf=1e-16 af=1
.model d1_scaled d level=1 is=1e-14 scalm=1e-6 shrink=0.9
.model aliases d js=1e-4 is=1e-14 pb=0.8 mj=0.5 tref=25 trs=2m ib=2u var=30
.model both d m=0.3 mj=0.4 vj=0.7 pb=0.8
.model repeated d level=3 is=1e-14 is=2e-14 level=1
.model d3 d level=3 js=1e-4 scalm=1e-6
.model d3.scaled d LEVEL=3 IS=1E-14 SCALM=1E-6 SHRINK=0.9 XOI=5k XOM=tm0
+ LM=2u WM=3u LP=4u WP='wp0*2'
* The reverse knee current has no counterpart: reported, the junction kept
.model knee d is=1e-14 n=1.5 ikr=10m vj=0.7 mj=0.3
.model knee3 d level=3 is=1e-14 scalm=1e-6 ikr=ik0
.model area d area=2
.model junction d w=10u l=2u
.model junction_area d w=10u l=2u area=a0
.model sidewall d level=3 area=8e-9 pj=3.5e-4 jsw=3e-13 cjsw=1p mjsw=0.3 pbsw=0.8 php=0.7
+ cjw=2p exp=0.2 pjw=0.6 cjp_1=1p phi=0.7 eg=1.2 is=2.9e-7
.model fn d level=2 is=1e-14
+ n=1
.model d_one_point_zero d level=1.0
.model missing_value d is=
.subckt cell a b
.model inner d is=3e-14
.ends
.end

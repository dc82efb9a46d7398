* Source, drain, gate and bulk resistances with the single-subckt option
.model none nmos level=1
.model own_rs nmos level=1 rs=10 rsc=1 rd=12 rdc=2
.model sheet nmos level=1 rsh=50 rsc=1
.model sheet_zero nmos level=1 rsh=0 rs=10 rd=11
.model own_rg nmos level=1 rsh=50 rg=5 rb=6
.model acm1 nmos level=1 acm=1 rs=10 rd=11 ld=1e-8 ldif=2e-8 rsh=50 wmlt=0.9 xw=1e-8
.model acm1_no_ld nmos level=1 acm=11 rs=10 rd=11 rsh=50
.model acm1_update nmos level=1 acm=1 update=1 rs=10 rd=11 rsh=50 rsc=1
.model acm1_update0 nmos level=1 acm=1 update=0 rs=10 rd=11 scalm=1e-6 ld=1e-8
.model acm2 nmos level=1 acm=2 hdif=1u rs=10 rd=11 ld=1e-8 rsh=50 rsc=1 rdc=2
.model acm2_no_rsh nmos level=1 acm=12 hdif=1u rs=10 ld=1e-8
.model acm2_nothing nmos level=1 acm=2 hdif=1u
.model acm3_no_hdif nmos level=1 acm=3 rs=10 rd=11 ldif=1e-8 rsh=50
.model acm3_no_hdif_no_l nmos level=1 acm=13 rs=10 rsh=50
.model acm_other nmos level=1 acm=5 rs=10 rsh=50
* Selectors written as real numbers, as foundry cards write them
.model acm3_real nmos level=1 acm=3.0000E+00 hdif=2.6e-7 rs=0 rd=0 rsh=8.0000E+00
.model sheet_zero_real nmos level=1 rsh=0.0000E+00 rs=10 rd=11

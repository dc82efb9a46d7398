* Area and perimeter forms of the wrapper by acm, without the single-subckt option
.model form_a nmos level=1
.model form_a_scaled nmos level=1 scalm=1e-6 wmlt=0.9 lmlt=0.8 xl=1e-8 xw=2e-8 ld=1e-8 wd=2e-8
+ del=3e-8
.model form_b nmos level=2 acm=0 scalm=1e-6 wmlt=0.9
.model form_b10 nmos acm=10
.model form_b_other nmos acm=1.0 wmlt=0.9
.model form_b_negative nmos acm=-1
.model form_c nmos level=1 acm=1 wmlt=0.9
.model form_c11 nmos level=3 acm=11 scalm=1e-6 wmlt=0.9 xw=1e-8
.model form_d nmos level=1 acm=2 hdif=1u
.model form_d12 nmos level=1 acm=12 hdif=1u scalm=1e-6 wmlt=0.9 xw=1e-8
.model form_d_zero nmos level=1 acm=2 hdif=0
.model form_d_none nmos level=1 acm=2
.model form_e_geo0 nmos level=1 acm=3 hdif=1u
.model form_e_geo1 nmos level=1 acm=3 hdif=1u geo=1
.model form_e_geo2 nmos level=1 acm=13 hdif=1u geo=2 wmlt=0.9 xw=1e-8
.model form_e_geo3 nmos level=1 acm=3 hdif=1u geo=3 scalm=1e-6
.model form_e_geo9 nmos level=1 acm=3 hdif=1u geo=9
.model form_e_zero nmos level=1 acm=3 hdif=0 geo=1
.model bsim1_dl0 nmos level=13 dl0=0.1 dw0=0.2 scalm=1e-6 lmlt=0.9 wmlt=0.8 xl=1 xw=2
.model bsim1_ld nmos level=13 ld=0.1 wd=0.2 xl=1 xw=2
.model bsim3v2_ld nmos level=47 scalm=1e-6 xl=1 xw=2 ld=0.1 wd=0.2 dl=0.3 dw=0.4
.model bsim3v2_dl pmos level=47 xl=1 xw=2 dl=0.3 dw=0.4
.model bsim3v3 nmos level=49 scalm=1e-6 xl=1 xw=2 ld=0.1 wd=0.2 wmlt=0.9 lmlt=0.9
.model with_rsh nmos level=1 rsh=50

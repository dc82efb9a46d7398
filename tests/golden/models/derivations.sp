* MOSFET parameter derivations, without the single-subckt option
.model oxide nmos level=3 cox=3.45e-4 u0=600
.model oxide_co nmos level=2 co=3.45e-4
.model both_ox nmos level=2 cox=3e-4 co=9e-4 tox=1e-8 u0=500 kp=20u
.model shift nmos level=1 delvto=0.1 vto=0.7
.model shift_only nmos level=1 delvto=0.1
.model hspice_only nmos level=3 alpha=0.1 capop=4 vto=0.5
.model scaled nmos level=3 scalm=1e-6 cjsw=1e-10 cgbo=1 cgb=2 cgdo=3 cgd=4 cgso=5
+ c2=6 cgs=7 c1=8 hdif=1 ld=0.1 wd=0.2 ldif=0.3 xj=0.4 xw=0.5 wdel=0.6 dw=0.7
+ del=0.8 cox=1e-3 js=1e-4 cj=2e-4 cdb=3e-4 csb=4e-4 cja=5e-4
.model scaled_acm1 nmos level=2 scalm=1e-6 acm=1 js=1e-4 cj=2e-4 co=4e-3
.model oxide_bsim1 nmos level=13 toxm=0.025 u0=400
.model both_bsim1 nmos level=13 toxm=0.025 tox=2.5e-8
.model offsets nmos level=49 lint=1e-8 wint=2e-8 xl=-2e-8 xw=4e-8
.model offsets_only nmos level=49 xl=-2e-8
* the capacitances see the offsets too: dlc and dwc where the card gives them
.model offsets_cv nmos level=49 dlc=1.5e-8 dwc=2.5e-8 xl=-2e-8 xw=1e-8
.model no_offsets nmos level=49 lint=1e-8
.model renames nmos level=2 cgbom=1 cgdom=2 cgsom=3 u00=500 vddm=5 cjm=1 cjw=2 mj0=0.5
+ exp=0.3 phib=0.8 php=0.9 rshm=20 dlat=0.1u tps=1 vt=0.6 bet=1e-4 dfs=1 vmx=1e5
+ ubo=600 nb=1e16 dnb=1e15 acm=0 hdif=1u ldif=1u wmlt=1 lmlt=1 xl=1 del=1 rsc=1 rdc=1

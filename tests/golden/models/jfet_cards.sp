* JFET and MESFET cards: wrappers, gasfet, renames, drops and refusals
.model j1 njf vto=-2 beta=1e-4 lambda=0.01
.model jp pjf level=1 vto=2 beta=1e-4 area=2 mj=0.4 pb=0.8 is=1f
.model jnames njf tcv=-2m alpha=1e-4 tref=25 trd=1m bet=1e-3 m=0.3
.model jboth njf m=0.3 mj=0.4
.model jmes_only njf rg=5 vbi=0.8 capds=1f trs=1m trs1=1m trd=2m trd1=2m trg=3m trg1=4m
.model j3 njf level=3 vto=-1 rg=5 vbi=0.8 capds=1f trs=1m trd=2m trg=3m trg1=4m tcv=-2m
.model jdropped njf l=1u rsh=10 w=2u tt=1n ng=1 nd=2 ucrit=3 nlev=3 k1=1 gdsnoi=1
+ scalm=1e-6 wdel=1u ldel=1u vto=-1
.model jacm njf acm=1 rd=5 rs=r0 area=a0
.model jacm2 njf acm=2 rd=5 rs=6
.model jacm_source njf acm=1 rs=2
.model jacm_text njf acm=1.0 rd=5
.model j4 pjf level=3 vto=1
+ rg=5
.model j2 njf level=2 vto=-1
.model j5 njf level=5
* J lines with an area: a MESFET's (also one defined further on) take the
* wrapper, since a J element cannot use a GaAs FET card; a JFET's stay J lines
J10 d g 0 j3 2
J11 d g 0 jlater 2 m=2
J12 d g 0 j1 3
.model jlater njf level=3 vto=-1
.end

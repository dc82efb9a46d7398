* Bipolar cards: one card each, lateral pnp, renames and drops
.model q1 pnp (is=1e-16 bf=100 va=50 subs=-1)
.model q_vertical pnp subs=1 bf=50
.model q_plain pnp bf=50
.model q_signed pnp subs=-1.0 bf=50
.model q_quoted pnp subs='-1' bf=50
.model q_named pnp subs=s0 bf=50
.model q_npn npn subs=-1 bf=50
.model quasi npn qco=1e-12 rc=10 tref=25
.model plain_rc npn rc=10
.MODEL GUMMEL.POON NPN LEVEL=1 IS=5.65E-18 BF=1.38 NF=1.054 VAF=788 IKF=0.0021
+ ISE=1E-20 NE=1.049 BR=0.000135 NR=1.02 VAR=55 IKR=0.0021 ISC=1.05E-12
+ NC=1.45 RB=268 IRB=2.3E-05 RBM=59.48 RE=0.001 RC=0.22 TLEVC=1 XTB=1.48
+ EG=1.27 XTI=2.38 TRB1=0.0038 CJE=2.85E-14 VJE=0.762 MJE=0.405 CJC=2.81E-14
+ VJC=0.458 MJC=0.75 FC=0.5 TRM1=0.0035
.model aliases npn bfm=100 brm=2 c4=1f jle=2f vbf=40 vb=20 ik=1m jbr=2m nkf=0.5 iob=1u
+ csub=1f me=0.3 esub=0.4 pc=0.6 pe=0.7 psub=0.5 cdis=0.9 cbcp=1f tcb=1.5
.model aliases2 npn jlc=1f va=40 jbf=1m ikr=2m jrb=1u ccs=1f mc=0.3 tb=1.5
.model dropped npn is=1e-16 tbf1=1m tbf2=1u tvaf1=1 tns2=1 ctc=1 cte=1 cts=1 bex=1 bexv=1
+ trb=1 trc=1 tre=1 expli=1 bulk=b ibc=1 ibe=1 nlc=1 nle=1 cbep=1 ccsp=1 brs=1 nepi=1
.model values npn is=is0 bf='2*b0' vaf=-'v0'
.model missing_equals npn bf 100
* Levels 1 and 2 are Gummel-Poon; any other (VBIC, Mextram ...) is reported
.model vbic npn level=9 is=1e-16
.model quasi2 npn level=2.0 qco=1e-12
.end

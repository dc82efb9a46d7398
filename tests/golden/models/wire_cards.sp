* Wire models: resistor and capacitor card families, inductor cards
.model rw r rsh=50
.model rgeo r rsh=50 l=10u w=1u cox=2e-4 tc1=1e-3 tc2=1e-6
.model rsquares r l=10u w=1u
.model rres r res=2k tref=25
.model rnames r rsh=rsh0 l=l0 w='2*w0'
.model rpartial r res=r0 w=1u
.model cw c cox=1e-3 capsw=1e-10 l=10u w=2u
.model carea c cox=1e-3 l=10u w=2u
.model cside c capsw=1e-10 l=10u w=2u
.model cunit c l=10u w=2u
.model ccap c cap=1p tc1=1e-3
.model cnone c
.model cdropped c cap=1p capsw=1 di=3.9 dlr=1 rac=1 res=1 tc1c=1 tc2c=1 tc1r=1 tc2r=1
+ thick=1 cratio=1 shrink=1 rsh=1 l=1u
.model lw l l=1u tc1=1e-3
.MODEL PC1.DU1 R
+ RSH=1.99 COX=0.00012 CAPSW=4.69e-10 W=0 DW=0
.end

Options
.options post=2 abstol=1e-12 reltol=1e-4 gramp=3
.option node opts
.options spice ingold=2 method=gear
.OPTION DEFL = 1.2u DEFW=2u DEFAD=1p DEFAS=1p
+ ITL1=100 ITL2=50 ITL4=20 NUMDGT=8
+ GMIN=1e-15 VNTOL=1u PIVREL=1e-3 PIVTOL=1e-14 CHGTOL=1e-16 TRTOL=7
.options acct 2 list 3
* the nominal temperature of models that give none
.option tnom=25 post
.options acct node list
.options acct=2 list
.options reltol=rt abstol='1e-12' gmin=1e-15
* a valued option without its "=" is reported
.options node abstol 1e-12
.end

MOSFET lines take the wrapper whenever it changes their values
* a card with rsh stands inside its wrapper, a level 1 card folds xl and
* wmlt into the size: their instances take the wrapper, also with l, w, ad
* and as given, and also before the card
m1 d g 0 0 nrsh l=0.5u w=2u ad=1p as=1p
m2 d g 0 0 nxl l=1u w=10u ad=10p as=10p ic=1,2
* a wrapper that passes the values on leaves the plain form
m3 d g 0 0 nplain l=1u w=10u ad=10p as=10p
.model nrsh nmos level=49 tox=4n rsh=50
.model nxl nmos level=1 xl=-0.2u wmlt=0.5
.model nplain nmos level=49 tox=4n
* scalm scales the card's lengths (xl and ld), not the instance's size
.model nscalm nmos level=1 scalm=1e-6 ld=0.1 xl=0.2
m4 d g 0 0 nscalm l=2u w=10u ad=1p as=1p
.end

HSPICE's defaults for what a MOSFET line leaves out come from the options
* The wrapper's own defaults stand for the values an instance leaves out:
* they are those of .options defl, defw, defad and defas, also when the
* options stand after the model.
.model nch nmos level=3 tox=4n
M1 d g s b nch W=1u
M2 d g s b nch L=0.2u AD=1p
M3 d g s b nch
.options defl=0.18u defw=1u defad=0.5p defas=0.4p
.end

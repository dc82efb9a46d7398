Levels written as numbers with a fraction or an exponent
* A level whose value is whole is that level however it is written.
.model n49 nmos LEVEL=4.9000E+01 vth0=0.4
.model p49 pmos level=49.0 vth0=-0.4
.model d3 d LEVEL=3.0E+00 is=1e-14
.model j1 njf level=1.000 vto=-2
* A fraction, a suffix or a parameter name is no level number.
.model n49half nmos level=49.5 vth0=0.4
.model d1k d level=1k is=1e-14
.model dname d level=lev is=1e-14
* A model name that begins with a digit.
.model 2N2222 npn bf=100

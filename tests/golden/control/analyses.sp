Analysis statements
.ac dec 10 1 1meg
.ac lin 10 1 5 7
.AC OCT 8 1K 'fmax'
.ac poi 4 1k 10k 100k 1meg
.ac dec 10 1 1g sweep rl lin 1k 10k 1k
.ac dec 10 1 1g sweep rl dec 5 1k 1meg
.ac dec 10 1 1g sweep rl poi 3 1k 2k 5k
.ac dec 10 1 1g sweep temp -40 125 5
.ac dec 10 1 1g sweep monte=30
.dc v1 0 5 0.1
.dc v1 0 5 0.1 v2 0 1 0.5
.DC Vdsn 0 6 0.5 SWEEP Vgn 0 6 0.1
.dc vds 0 vdd 0.01
.dc temp -40 125 5
.dc temp poi 3 0 27 85 v1 0 1 0.5
.dc v1 0 5 0.1 sweep monte=20
.dc v1 0 5 0.1 sweep temp 0 100 25
.tran 1n 100n
.tran 1n 100n 0 1n
.tran 1n 100n uic
.tran 0.01n 200n start=0
.tran 1e-13 '7*clock_period'
.tran 1e-13 280e-12 SWEEP H 1.5 2.5 1e-2
.TRAN 3.5P 'st' SWEEP MONTE=50
.tran 1n 10n sweep temp poi 2 27 85
* statements that cannot be translated
.ac monte=3
.ac dec 10 1
.ac dec 10 1 1g sweep data=d1
.dc vds 0 vdd 0.01 monte=2500
.tran 1n 10n monte=4
.TRAN 1p 4n SWEEP DATA=sweep_data
.tran step='8*tp' stop='800*tp'
.ac dec 10 1 1g sweep monte 3
* a parameter of the file is swept as a parameter, by .dc as by SWEEP
.param vsup=1.8 rload=1k
.dc vsup 1.6 2.0 0.1
.dc vin 0 1.8 0.1 rload 1k 2k 500
.dc vin 0 1.8 0.1 sweep rload 1k 2k 500
.op
* operating points during the transient have no place: reported
.op all 10n 20n
.op 0
.end

Analysis statements
.AC   DEC   10   1   1MEG
.ac   lin   10   1   5   7
.AC  OCT  8
+   1K	'FMAX'
.ac   poi   4   1k   10k   100k   1meg
.AC   DEC   10   1   1G   SWEEP   RL   LIN   1K   10K   1K
.ac  dec  10
+   1	1g	sweep	rl	dec	5	1k	1meg
.AC   DEC   10   1   1G   SWEEP   RL   POI   3   1K   2K   5K
.ac   dec   10   1   1g   sweep   temp   -40   125   5
.AC  DEC  10
+   1	1G	SWEEP	MONTE=30
.dc   v1   0   5   0.1
.DC   V1   0   5   0.1   V2   0   1   0.5
.DC  Vdsn  0
+   6	0.5	SWEEP	Vgn	0	6	0.1
.DC   VDS   0   VDD   0.01
.dc   temp   -40   125   5
.DC  TEMP  POI
+   3	0	27	85	V1	0	1	0.5
.dc   v1   0   5   0.1   sweep   monte=20
.DC   V1   0   5   0.1   SWEEP   TEMP   0   100   25
.tran   1n   100n
.TRAN   1N   100N   0   1N
.tran   1n   100n   uic
.TRAN   0.01N   200N   START=0
.tran   1e-13   '7*clock_period'
.TRAN   1E-13   280E-12   SWEEP   H   1.5   2.5   1E-2
.TRAN  3.5P  'st'
+   SWEEP	MONTE=50
.TRAN   1N   10N   SWEEP   TEMP   POI   2   27   85
* statements that cannot be translated
.AC   MONTE=3
.ac   dec   10   1
.AC   DEC   10   1   1G   SWEEP   DATA=D1
.dc  vds  0
+   vdd	0.01	monte=2500
.TRAN   1N   10N   MONTE=4
.TRAN   1p   4n   SWEEP   DATA=sweep_data
.TRAN   STEP='8*TP'   STOP='800*TP'
.ac   dec   10   1   1g   sweep   monte   3
.OP
.end

Blocks that HSPICE runs apart are echoed and reported, each once
.lib 'models.lib' tt
v1 in 0 1
r1 in out 1k
.tran 1n 10n
.alter slow corner
.lib 'models.lib' ss
.param rload=2k
.alter fast corner
.lib 'models.lib' ff
v1 in 0 1.2
.end

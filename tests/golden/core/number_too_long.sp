A number literal too long ends the run
.op
.subckt x 123456789012345678901234
.ends

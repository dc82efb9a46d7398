Long names are cut to twenty characters
.subckt a_subcircuit_name_longer_than_twenty in out
V1 in out 1
.ends

Amplifier test bench; title & <special> chars
* a comment before the first statement
*** three stars then a note
**
.op
* comment between statements
.temp 27 85
	* tab-indented comment
.end
* trailing comment after .end

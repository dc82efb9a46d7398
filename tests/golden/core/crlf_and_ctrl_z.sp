CRLF file
* comment

.OP
.temp 27
   
.end

* stray continuation lines are reported
+ a stray continuation
+ and another
.op
.probe v(x)
[Program]
Name=ZUL (ver 1.4)
[Design]
ColWidths=40 380 101 39 100
[Strings]
CountStrings=3
str-1=sin(30)//!//!//!
str-2=arctg(1)//!//!//!
str-3=user*2//!//!//!

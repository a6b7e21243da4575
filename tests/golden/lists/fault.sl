[Program]
Name=ZUL (ver 1.4)
[Design]
ColWidths=40 380 101 39 100
[Strings]
CountStrings=4
str-1=1+1//!//!//!
str-2=[1]*2//!//!//!
str-3=ln(0)//!//!//!
str-4=3//!//!//!

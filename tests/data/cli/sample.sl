[Program]
Name=ZUL (ver 1.4)
[Design]
ColWidths=40 380 101 39 100
[Strings]
CountStrings=4
str-1=2+2//!//!//!сумма
str-2=[1]*10//!//!//!
str-3=1/0//!//!#//!
str-4=[2]+ln(1)//!//!//!

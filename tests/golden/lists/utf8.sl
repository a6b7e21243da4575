[Program]
Name=ZUL (ver 1.4)
[Design]
ColWidths=40 380 101 39 100
[Strings]
CountStrings=2
str-1=2^10//!//!//!килобайт
str-2=[1]/8//!//!//!Ω в UTF-8

[Program]
Name=ZUL (ver 1.4)
[Design]
ColWidths=40 380 101 39 100
[Strings]
CountStrings=3
str-1=10/4//!//!//!четверть
str-2=[1]*4//!//!//!
str-3=2+//!//!//!не вычисляется

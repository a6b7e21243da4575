[Program]
Name=XYZ
[Strings]
CountStrings=1
str-1=1+1

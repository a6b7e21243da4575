#!/usr/bin/env python3
"""Writes the 10,000 short expressions used to time zulc against bc -l.

Two files with the same expressions: one in the calculator's syntax, one in bc's.
"""
import random
import sys

random.seed(1999)
out_dir = sys.argv[1] if len(sys.argv) > 1 else "."
zul, bc = [], []
for i in range(10000):
    a, b, c = random.randint(1, 999), random.randint(1, 99), random.randint(1, 9)
    kind = i % 5
    if kind == 0:
        zul.append(f"{a}+{b}*{c}"); bc.append(f"{a}+{b}*{c}")
    elif kind == 1:
        zul.append(f"({a}-{b})/{c}"); bc.append(f"({a}-{b})/{c}")
    elif kind == 2:
        zul.append(f"sin({b}/10)+cos({c})"); bc.append(f"s({b}/10)+c({c})")
    elif kind == 3:
        zul.append(f"{a}.{b}*{c}.5-{b}"); bc.append(f"{a}.{b}*{c}.5-{b}")
    else:
        zul.append(f"ln({a})*{c}"); bc.append(f"l({a})*{c}")
open(f"{out_dir}/exprs.zul", "w").write("\n".join(zul) + "\n")
open(f"{out_dir}/exprs.bc", "w").write("\n".join(bc) + "\n")

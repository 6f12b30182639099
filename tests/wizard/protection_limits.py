#!/usr/bin/env python3
"""Worked limits of the three bed-protection tests, in IEEE doubles as the program reads them.

A protection is sufficient when its length L is strictly greater than the required length:
  bottom step of height s:                 6 s
  opening of height a under depth h:       4.2 h when 0.3 h >= a, else 6 (h - a)
  obstacle on the margin under depth h:    0.5 h
The cases of the window tests type these texts; this script shows that each limit is exact in
double arithmetic (so L equal to the limit is insufficient) and that the value just above it is
sufficient. Run: python3 protection_limits.py
"""


def step(L, s):
    return L > 6 * s


def opening(L, h, a):
    R = 4.2 * h if 0.3 * h >= a else 6 * (h - a)
    return L > R


def margin(L, h):
    return L > 0.5 * h


cases = [
    # (test, texts typed, sufficient?)
    ("step", step(float("4.5"), float("0.75")), False),
    ("step", step(float("4.51"), float("0.75")), True),
    ("opening 4.2h", opening(float("8.4"), float("2"), float("0.5")), False),
    ("opening 4.2h", opening(float("8.41"), float("2"), float("0.5")), True),
    ("opening 6(h-a)", opening(float("6"), float("2"), float("1")), False),
    ("opening 6(h-a)", opening(float("6.01"), float("2"), float("1")), True),
    ("opening a=h", opening(float("0"), float("1"), float("1")), False),
    ("opening a>h", opening(float("0"), float("0.5"), float("1")), True),
    ("opening defaults", opening(float("8.75"), float("1.2"), float("0.45")), True),
    ("margin", margin(float("0.6"), float("1.2")), False),
    ("margin", margin(float("0.61"), float("1.2")), True),
    ("step defaults", step(float("8.75"), float("0.75")), True),
]

for name, got, expected in cases:
    print(f"{name:18s} sufficient={got!s:5s} expected={expected!s:5s} {'ok' if got == expected else 'MISMATCH'}")
print("6*0.75 == 4.5:", 6 * 0.75 == 4.5, " 4.2*2 == 8.4:", 4.2 * 2 == 8.4,
      " 0.5*1.2 == 0.6:", 0.5 * 1.2 == 0.6, " 0.3*2 >= 0.5:", 0.3 * 2 >= 0.5)

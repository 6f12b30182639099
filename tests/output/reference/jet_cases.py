#!/usr/bin/env python3
"""Expected Results-page texts and curve sizes for the step and the plunging jet, worked out
from the published formulae independently of the C++ code.

Case: the window's default data (water 1000 kg/m3 at 20 degC, sand 2650 kg/m3 with d50 = 85 mm,
g = 9.81, Q = 3000 m3/s over B = 500 m, Manning n = 0.032, h = 1.2 m), a bottom jump of 0.75 m
with a 4.5 m protection (too short: 4.5 is not more than 6 * 0.75), d90 = 250 mm, angle of repose
30 deg, head difference 2.77 m, jet angle 45 deg.

Run: python3 jet_cases.py [--roughness-height] [--discharge=Q]
"""
import math
import sys
from decimal import Decimal, ROUND_HALF_UP


def power(b, e):
    return math.exp(e * math.log(b)) if b > 0 else 0.0


def fixed(x, d):
    q = Decimal(1).scaleb(-d)
    return str(Decimal(repr(x)).quantize(q, rounding=ROUND_HALF_UP))


def fundamentals(by_height=False, ks_mm=235.0, Q=3000.0):
    rho, T, rhos, d50, g, B, n, h = 1000.0, 20.0, 2650.0, 85 / 1000.0, 9.81, 500.0, 0.032, 1.2
    nu = 4e-5 / (T + 20)
    q = Q / B
    delta = (rhos - rho) / rho
    dstar = d50 * power(delta * g / nu ** 2, 1 / 3)
    if dstar <= 4:
        thc = 0.24 / dstar
    elif dstar <= 10:
        thc = 0.14 * power(dstar, -0.64)
    elif dstar <= 20:
        thc = 0.04 * power(dstar, -0.1)
    elif dstar <= 150:
        thc = 0.013 * power(dstar, 0.29)
    else:
        thc = 0.055
    usc = math.sqrt(thc * d50 * g * delta)
    if by_height:
        ks = ks_mm / 1000.0
        n = 0.4 * power(h, 1 / 6) / (math.sqrt(g) * math.log(12 * h / ks))
    C = power(h, 1 / 6) / n
    U = q / h
    us = U * math.sqrt(g) / C
    theta = us ** 2 / (delta * g * d50)
    Uc = usc / (math.sqrt(g) / C)
    return dict(g=g, q=q, h=h, delta=delta, thc=thc, theta=theta, U=U, Uc=Uc)


def curve(h, ze, t1):
    """The standard curve: gamma 0.23, fine step 0.02 t1 up to 5 t1, then steps of t1."""
    def Z(t):
        return ze * (1 - math.exp(math.log(1 - h / ze) * power(t / t1, 0.23)))
    pts = []
    t = 0.0
    prev = 0.0
    while True:
        z = Z(t)
        pts.append((t, z))
        prev = z
        t += 0.02 * t1
        if not t <= 5 * t1:
            break
    while True:
        z = Z(t)
        pts.append((t, z))
        if len(pts) >= 5000 or abs(z - prev) / prev < 1e-6:
            break
        prev = z
        t += t1
    return pts


def main():
    by_height = "--roughness-height" in sys.argv
    Q = 3000.0
    for a in sys.argv[1:]:
        if a.startswith("--discharge="):
            Q = float(a.split("=", 1)[1])
    f = fundamentals(by_height, Q=Q)
    g, q, h, delta, U, Uc = f["g"], f["q"], f["h"], f["delta"], f["U"], f["Uc"]
    D, d90, phi, dH, thj = 0.75, 250 / 1000.0, 30.0, 2.77, 45.0
    Vj = math.sqrt(2 * g * dH)
    r = 1.5
    alpha = 1 + 3 * r
    rad = lambda x: x * 2 * math.pi / 360
    bj = (1.8 * 1.8 * math.sin(rad(thj)) * Vj * power(q, 0.6)
          * power(math.sin(rad(phi)) / math.sin(rad(phi) + rad(thj)), 0.8)
          / (power(d90, 0.4) * power(2 * delta * g, 0.8)))
    dmm = 1000 * d90
    beta = 6.8 if dmm >= 13.6 else (math.log10(dmm) + 1) * (0.775 * math.log10(dmm) + 1.7) + 1.3
    fa = (20 / beta) * math.sqrt(math.sin(rad(thj)) * q * Vj / g)
    print("critical mobility", fixed(f["thc"], 4))
    print("mobility", fixed(f["theta"], 4))
    print("condition", "Live bed" if f["theta"] > f["thc"] else "Clear water")
    print("Uc", fixed(Uc, 2))
    print("turbulence", fixed(r, 3))
    print("step depth (BJ - D)", fixed(bj - D, 2), repr(bj - D))
    print("jet BJ", fixed(bj, 2), repr(bj))
    print("jet Fahlbusch", fixed(fa, 2), repr(fa))
    if alpha * U > Uc:
        t1 = 330 * h * h * power(delta, 1.7) / power(alpha * U - Uc, 4.3)
        print("t1 [h]", repr(t1))
        for name, ze in (("step", bj - D), ("BJ", bj), ("Fahlbusch", fa)):
            if h < ze:
                pts = curve(h, ze, t1)
                print(f"curve {name}: {len(pts)} points, last t {pts[-1][0]!r}, max z {max(p[1] for p in pts)!r}")


if __name__ == "__main__":
    main()

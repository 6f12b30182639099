#!/usr/bin/env python3
"""Reference values for the foundation tests, worked out from the published formulae
independently of the C++ code. Run it to see the numbers that tests/compute/test_*.cpp expect:

    python3 tests/compute/reference/reference_foundation.py
"""
import math


def power(base, exponent):
    # exp(exponent * ln base), 0 for a non-positive base
    return math.exp(exponent * math.log(base)) if base > 0 else 0.0


def shields_critical(dstar):
    # van Rijn's curve; each range includes its upper end
    if dstar <= 4:
        return 0.24 / dstar
    if dstar <= 10:
        return 0.14 * power(dstar, -0.64)
    if dstar <= 20:
        return 0.04 * power(dstar, -0.1)
    if dstar <= 150:
        return 0.013 * power(dstar, 0.29)
    return 0.055


def fundamentals(rho=1000.0, T=20.0, rhos=2650.0, d50=0.085, g=9.81, Q=3000.0, B=500.0,
                 h=1.2, n=0.032, ks=None):
    r = {}
    nu = 4e-5 / (T + 20)
    r['nu'] = nu
    q = Q / B
    r['q'] = q
    delta = (rhos - rho) / rho
    r['delta'] = delta
    dstar = d50 * power(delta * g / (nu * nu), 1.0 / 3.0)
    r['dstar'] = dstar
    thc = shields_critical(dstar)
    r['thetac'] = thc
    usc = math.sqrt(thc * d50 * g * delta)
    r['ustarc'] = usc
    if ks is not None:
        n = 0.4 * power(h, 1.0 / 6.0) / (math.sqrt(g) * math.log(12 * h / ks))
    r['n'] = n
    C = power(h, 1.0 / 6.0) / n
    r['C'] = C
    ratio = math.sqrt(g) / C
    r['ratio'] = ratio
    U = q / h
    r['U'] = U
    us = U * math.sqrt(g) / C
    r['ustar'] = us
    r['theta'] = us * us / (delta * g * d50)
    r['Fr'] = U / math.sqrt(g * h)
    r['Re'] = U * h / nu
    r['Uc'] = usc / ratio
    return r


def grain_coefficient(d90):
    d = 1000 * d90
    if d < 13.6:
        lg = math.log(d) / math.log(10)
        return (lg + 1) * (0.775 * lg + 1.7) + 1.3
    return 6.8


def rad(x):
    return x * 2 * math.pi / 360


def jets(f, dH=2.77, thetaj=45.0, phi=30.0, d90=0.25, D=0.75, g=9.81):
    r = {}
    Vj = math.sqrt(2 * g * dH)
    r['Vj'] = Vj
    tj, ph = rad(thetaj), rad(phi)
    bj = (1.8 * 1.8 * math.sin(tj) * Vj * power(f['q'], 0.6)
          * power(math.sin(ph) / math.sin(ph + tj), 0.8)
          / (power(d90, 0.4) * power(2 * f['delta'] * g, 0.8)))
    r['BJ'] = bj
    r['step'] = bj - D
    beta = grain_coefficient(d90)
    r['beta'] = beta
    r['F'] = (20 / beta) * math.sqrt(math.sin(tj) * f['q'] * Vj / g)
    alpha = 1 + 3 * 1.5
    r['alpha'] = alpha
    r['t1'] = 330 * 1.2 * 1.2 * power(f['delta'], 1.7) / power(alpha * f['U'] - f['Uc'], 4.3)
    return r


def depth(t, z1, ze, t1, gamma):
    return ze * (1 - math.exp(math.log(1 - z1 / ze) * power(t / t1, gamma)))


def general_curve(z1, ze, t1, gamma, dt1, dt2, T1):
    pts = []
    t, prev = 0.0, 0.0
    while True:
        z = depth(t, z1, ze, t1, gamma)
        pts.append((t, z))
        prev = z
        t += dt1
        if not t <= T1:
            break
    while True:
        z = depth(t, z1, ze, t1, gamma)
        pts.append((t, z))
        if len(pts) >= 5000 or abs(z - prev) / prev < 1e-6:
            break
        prev = z
        t += dt2
    return pts


def standard_curve(z1, ze, t1, gamma=0.23):
    return general_curve(z1, ze, t1, gamma, 0.02 * t1, t1, 5 * t1)


def fmt(name, v):
    print(f"{name:28s} {v!r}")


if __name__ == '__main__':
    print("# Default global data, h = 1.2 m")
    f = fundamentals()
    for k, v in f.items():
        fmt(k, v)
    print("# Roughness height 235 mm instead of Manning's n")
    fr = fundamentals(ks=0.235)
    for k in ('n', 'C', 'U', 'Uc', 'theta'):
        fmt(k, fr[k])
    print("# Step / plunging jet, defaults with phi = 30 deg")
    j = jets(f)
    for k, v in j.items():
        fmt(k, v)
    pts = standard_curve(1.2, j['F'], j['t1'])
    fmt('F curve points', len(pts))
    fmt('F curve last', pts[-1])
    pts = standard_curve(1.2, j['BJ'], j['t1'])
    fmt('BJ curve points', len(pts))
    pts = standard_curve(1.2, j['step'], j['t1'])
    fmt('step curve points', len(pts))
    print("# Curve example: t1 = 1 h, h = 1 m, ze = 2 m")
    pts = standard_curve(1.0, 2.0, 1.0)
    for p in pts[:3]:
        fmt('point', p)
    fmt('Z(1)', depth(1.0, 1.0, 2.0, 1.0, 0.23))
    fmt('points in fine phase', sum(1 for p in pts if p[0] <= 5.0 + 1e-9))
    fmt('count', len(pts))
    print("# Grain coefficient")
    for d in (0.0136, 0.005, 0.25, 0.0001):
        fmt(f'beta({d})', grain_coefficient(d))
    print("# Critical Shields at the range ends")
    for d in (4.0, 10.0, 20.0, 150.0, 2.0, 151.0):
        fmt(f'thetac({d})', shields_critical(d))


def live_bed_curve(z1, ze, t1, qs, p):
    gamma = 0.38
    dt1, dt2, T1 = 0.02 * t1, t1, 5 * t1
    pts = []
    z = zc = 0.0
    i = 1
    while True:
        t = i * dt1
        zp, zcp = z, zc
        zc = depth(t, z1, ze, t1, gamma)
        z = math.sqrt(zp * zp + (6 * (zc * zc - zcp * zcp) - qs * dt1 / (1 - p)) / 20)
        pts.append((t, z))
        i += 1
        if not t < T1:
            break
    steps = 0
    while True:
        t += dt2
        steps += 1
        zp, zcp = z, zc
        zc = depth(t, z1, ze, t1, gamma)
        z = math.sqrt(zp * zp + (6 * (zc * zc - zcp * zcp) - qs * dt1 / (1 - p)) / 20)
        pts.append((t, z))
        if z < zp or steps >= 5000 or abs(z - zp) / z < 1e-5:
            break
    return pts


def time_scale_b(b, U, delta, g, d50, Uc):
    s2u = math.sqrt(2) * U
    return (29.2 * (b / s2u) * power(math.sqrt(delta * g * d50) / (s2u - Uc), 3)
            * power(b / d50, 1.9) / 3600)


def time_scale_c(h, delta, Fr, Re, Uc, U, alpha):
    x = alpha - Uc / U
    if x < 0:
        return 0.0
    return 1e7 * h * power(delta, 1.5) / (power(x, 4) * power(Fr, 2.5) * power(Re, 0.5) * U) / 3600


if __name__ == '__main__':
    print("# General curve with gamma = 1 (converges): z1 = 1, ze = 2, t1 = 1")
    pts = general_curve(1.0, 2.0, 1.0, 1.0, 0.02, 1.0, 5.0)
    fmt('count', len(pts))
    fmt('last', pts[-1])
    print("# Live-bed curve: z1 = 1, ze = 2, t1 = 1, p = 0.4")
    for qs in (0.0, 0.5):
        pts = live_bed_curve(1.0, 2.0, 1.0, qs, 0.4)
        fmt(f'qs={qs} count', len(pts))
        fmt(f'qs={qs} first', pts[0])
        fmt(f'qs={qs} last', pts[-1])
        fmt(f'qs={qs} before last', pts[-2])
    # A supply larger than the clear-water growth: the square root of a negative number. The
    # points before it are counted by a copy of the loop that stops instead of failing.
    for qs in (2.0, 50.0):
        try:
            live_bed_curve(1.0, 2.0, 1.0, qs, 0.4)
            fmt(f'qs={qs}', 'no fault')
        except ValueError:
            fmt(f'qs={qs}', 'square root of a negative number')
    print("# Time scales with the default fundamentals")
    fmt('B(b=5)', time_scale_b(5.0, f['U'], f['delta'], 9.81, 0.085, f['Uc']))
    fmt('C(alpha=4.2)', time_scale_c(1.2, f['delta'], f['Fr'], f['Re'], f['Uc'], f['U'], 4.2))
    fmt('C(alpha=0.5)', time_scale_c(1.2, f['delta'], f['Fr'], f['Re'], f['Uc'], f['U'], 0.5))
    print("# Low discharge Q = 10 m3/s: alpha U below Uc")
    fl = fundamentals(Q=10.0)
    fmt('U', fl['U'])
    fmt('alpha U', 5.5 * fl['U'])
    fmt('Uc', fl['Uc'])
    print("# Plunging jet, d90 = 5 mm, phi = 30")
    j5 = jets(f, d90=0.005)
    for k in ('BJ', 'beta', 'F'):
        fmt(k, j5[k])

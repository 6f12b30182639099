#!/usr/bin/env python3
"""Reference values for the culvert, confined vortex, spur dike and bridge pier problems.

An independent model of a calculation window, written from the published formulae and the
program's rules (which formulae are active, which series gets which title, which curve is drawn,
which field is written), not from the C++ code. It follows a user's road in a new window: the
boxes start with their default texts, the answers are given, the structure data confirmed and
"Calculation" pressed; a case may then retype boxes and calculate again in the same window.

    python3 tests/compute/reference/model_problems.py > tests/compute/reference/ModelCases.inc

writes the table of cases that tests/compute/test_model_problems.cpp drives through the core.
"""

import collections
import math
from decimal import Decimal, ROUND_HALF_UP

# --------------------------------------------------------------------------------------------
# Boxes: default texts and what the number means.

DEFAULTS = {
    "AguaDens": "1000", "AguaTemp": "20", "SediDensMate": "2650", "SediDiamMedi": "85",
    "ForzAcelGrav": "9.81", "FlujCaud": "3000", "CaucAnchCauc": "500",
    "CaucCoefMannCauc": "0.032", "AltuRugoCauc": "235", "FlujTiraRest": "1.2",
    "EstrAltuSaltFond": "0.75", "EstrLongPlat": "8.75", "EstrAltuAper": "0.45",
    "EstrLongEstr": "8.75", "EstrAnchEstr": "250", "EstrAnchPila": "5", "EstrLongPila": "5",
    "EstrDiamAper": "1", "EstrCantAper": "250", "CaucPoro": "0.4", "EstrCoefMannPlat": "0.032",
    "SediDiam90N3": "250", "SediAnguRepo": "", "FlujDifeCargRest": "2.77",
    "FlujAnguChorSupeLibr": "45", "SediDiam84N3": "200", "EstrFactFormKs": "",
    "EstrFactGrup": "", "EstrAnguAtaq": "0", "EstrFactCurv": "", "EstrFactAngu": "",
    "EstrFactPoro": "", "EstrFactFormKb": "", "EstrFactFormKl": "",
}
MILLIMETRES = {"SediDiamMedi", "AltuRugoCauc", "SediDiam90N3", "SediDiam84N3"}


def number(text):
    return float(text) if text else 0.0


class Fault(Exception):
    pass


# --------------------------------------------------------------------------------------------
# Numeric helpers of the methodology.

def power(base, exponent):
    """exp(exponent ln base), and 0 for a non-positive base."""
    return 0.0 if base <= 0 else math.exp(exponent * math.log(base))


def rad(deg):
    return deg * 2.0 * math.pi / 360.0


def log10(x):
    return math.log(x) / math.log(10.0)


def grain_coefficient(d90):
    d = 1000.0 * d90
    if d < 13.6:
        lg = log10(d)
        return (lg + 1.0) * (0.775 * lg + 1.7) + 1.3
    return 6.8


def dietz(h, alpha_d, U, Uc):
    ys = h * (alpha_d * U - Uc) / Uc
    return ys if ys > 0 else 0.0


# --------------------------------------------------------------------------------------------
# Time evolution.

def time_scale_a(h, delta, alpha, U, Uc):
    return 330.0 * h * h * power(delta, 1.7) / power(alpha * U - Uc, 4.3)


def time_scale_b(b, U, delta, g, d50, Uc):
    v = math.sqrt(2.0) * U
    return 29.2 * (b / v) * power(math.sqrt(delta * g * d50) / (v - Uc), 3.0) * \
        power(b / d50, 1.9) / 3600.0


def time_scale_c(h, delta, Fr, Re, Uc, U, alpha):
    x = alpha - Uc / U
    if x < 0:
        return 0.0
    return 1e7 * h * power(delta, 1.5) / (power(x, 4.0) * power(Fr, 2.5) * power(Re, 0.5) * U) \
        / 3600.0


def depth_law(z1, ze, t1, gamma):
    ln_remaining = math.log(1.0 - z1 / ze)
    return lambda t: ze * (1.0 - math.exp(ln_remaining * power(t / t1, gamma)))


def standard_curve(z1, ze, t1):
    """Points of the standard curve: fine steps of 0.02 t1 up to 5 t1, then steps of t1 until
    the relative change falls below 1e-6 or there are 5000 points."""
    Z = depth_law(z1, ze, t1, 0.23)
    dt1, dt2, T1 = 0.02 * t1, t1, 5.0 * t1
    points, t = [], 0.0
    while True:
        z = Z(t)
        points.append((t, z))
        previous = z
        t += dt1
        if not t <= T1:
            break
    while True:
        z = Z(t)
        points.append((t, z))
        if len(points) >= 5000 or abs(z - previous) / previous < 1e-6:
            break
        previous = z
        t += dt2
    return points


def live_bed_curve(z1, ze, t1, qs, p):
    """Points of the live-bed curve and why it ended."""
    Z = depth_law(z1, ze, t1, 0.38)
    dt1, dt2, T1 = 0.02 * t1, t1, 5.0 * t1
    supply = qs * dt1 / (1.0 - p)
    points, z, zc, i = [], 0.0, 0.0, 1
    while True:
        t = i * dt1
        zp, zcp = z, zc
        zc = Z(t)
        z = math.sqrt(zp * zp + (6.0 * (zc * zc - zcp * zcp) - supply) / 20.0)
        points.append((t, z))
        if not t < T1:
            break
        i += 1
    steps = 0
    while True:
        t += dt2
        steps += 1
        zp, zcp = z, zc
        zc = Z(t)
        z = math.sqrt(zp * zp + (6.0 * (zc * zc - zcp * zcp) - supply) / 20.0)
        points.append((t, z))
        if z < zp:
            return points, "decrease"
        if steps >= 5000:
            return points, "limit"
        if abs(z - zp) / z < 1e-5:
            return points, "settled"


# --------------------------------------------------------------------------------------------
# The active-formula panel.

NAMES = {
    111: ["Dietz"], 121: ["Dietz"], 211: ["Dietz"],
    122: ["Qayoum", "Altinbilek & Basmaci", "Breusers", "Hoffmans"],
    212: ["Ahmad", "Liu", "Dietz", "Breusers"],
    22: ["Breusers", "CSU", "Johnson", "Critical failure lenght"],
    31: ["Rajaratnam & Berry", "Ruff", "Breusers", "Hoffmans"],
}


def availability(code, texts):
    given = lambda *boxes: all(texts[b] != "" for b in boxes)
    if code in (111, 121):
        return [given("CaucPoro", "EstrCoefMannPlat"), False, False, False]
    if code == 122:
        return [given("FlujDifeCargRest", "SediDiam90N3"), given("SediAnguRepo"), True,
                given("SediDiam90N3")]
    if code == 212:
        return [given("EstrFactCurv", "EstrFactFormKs", "EstrFactAngu", "EstrFactPoro"),
                given("EstrFactFormKl"), True, given("EstrFactFormKb")]
    if code == 22:
        factors = given("EstrFactFormKs", "EstrFactGrup", "EstrAnguAtaq")
        return [factors, factors, factors and given("SediDiam84N3"), given("SediAnguRepo")]
    if code == 31:
        return [True, True, True, given("SediDiam90N3")]
    return [False] * 4  # 211: the single slot stays plain


def panel(code, texts):
    names = NAMES[code]
    captions = names + ["inactive"] * (4 - len(names))
    return captions, availability(code, texts)


# --------------------------------------------------------------------------------------------
# The window.

class Window:
    def __init__(self):
        self.texts = dict(DEFAULTS)
        self.s = collections.defaultdict(float)  # a new window's state is all zero
        self.titles = ["(a)", "(b)", "(c)", "(d)"]
        self.points = [[], [], [], []]
        self.graphic = False
        self.code = 0
        self.fault = None
        self.results_shown = False

    def read(self, box):
        v = number(self.texts[box])
        return v / 1000.0 if box in MILLIMETRES else v

    # The answers and the structure data.
    def road(self, phenomenon, obstacle):
        s = self.s
        s["FlujTiraRest"] = h = self.read("FlujTiraRest")
        base = {(0, 0): 11, (0, 1): 12, (1, 0): 21, (1, 1): 22, (2, 0): 31}[(phenomenon, obstacle)]
        if base == 11:
            s["EstrAltuSaltFond"] = self.read("EstrAltuSaltFond")
            s["EstrLongPlat"] = L = self.read("EstrLongPlat")
            assert L > 6.0 * s["EstrAltuSaltFond"], "only the confined vortex behind a jump"
            self.code = 111
        elif base == 12:
            s["EstrAltuAper"] = a = self.read("EstrAltuAper")
            s["EstrLongPlat"] = L = self.read("EstrLongPlat")
            R = 4.2 * h if 0.3 * h >= a else 6.0 * (h - a)
            self.code = 121 if L > R else 122
        elif base == 21:
            s["EstrLongEstr"] = self.read("EstrLongEstr")
            s["EstrLongPlat"] = L = self.read("EstrLongPlat")
            s["EstrAnchEstr"] = self.read("EstrAnchEstr")
            self.code = 211 if L > 0.5 * h else 212
        elif base == 22:
            s["EstrAnchPila"] = self.read("EstrAnchPila")
            s["EstrLongPila"] = self.read("EstrLongPila")
            self.code = 22
        else:
            s["EstrDiamAper"] = self.read("EstrDiamAper")
            s["EstrCantAper"] = self.read("EstrCantAper")
            self.code = 31

    def fundamentals(self):
        s = self.s
        for box in ("AguaDens", "AguaTemp", "SediDiamMedi", "SediDensMate", "ForzAcelGrav",
                    "FlujCaud", "CaucAnchCauc", "FlujTiraRest"):
            s[box] = self.read(box)
        rho, T, rho_s, d50 = s["AguaDens"], s["AguaTemp"], s["SediDensMate"], s["SediDiamMedi"]
        g, Q, B, h = s["ForzAcelGrav"], s["FlujCaud"], s["CaucAnchCauc"], s["FlujTiraRest"]
        nu = s["AguaViscCine"] = 4e-5 / (T + 20.0)
        q = s["CaudEspe"] = Q / B
        delta = s["SediDensRela"] = (rho_s - rho) / rho
        d_star = s["SediDiamAdim"] = d50 * power(delta * g / (nu * nu), 1.0 / 3.0)
        if d_star <= 4:
            theta_c = 0.24 / d_star
        elif d_star <= 10:
            theta_c = 0.14 * power(d_star, -0.64)
        elif d_star <= 20:
            theta_c = 0.04 * power(d_star, -0.1)
        elif d_star <= 150:
            theta_c = 0.013 * power(d_star, 0.29)
        else:
            theta_c = 0.055
        s["OutpParaMoviCrit"] = theta_c
        u_star_c = s["SediVeloCortCrit"] = math.sqrt(theta_c * d50 * g * delta)
        n = s["CaucCoefMannCauc"] = self.read("CaucCoefMannCauc")
        C = s["CaucCoefChez"] = power(h, 1.0 / 6.0) / n
        s["FlujRelaVeloCort"] = math.sqrt(g) / C
        U = s["FlujVeloMedi"] = q / h
        u_star = s["FlujVeloCort"] = U * math.sqrt(g) / C
        s["OutpParaMovi"] = u_star ** 2 / (delta * g * d50)
        s["FlujNumeFrou"] = U / math.sqrt(g * h)
        s["FlujNumeReyn"] = U * h / nu
        s["OutpVeloCritEros"] = u_star_c / (math.sqrt(g) / C)

    def calculate(self):
        self.captions, self.bold = panel(self.code, self.texts)
        s, code = self.s, self.code
        # Complementary data.
        if code == 22:
            s["SediDiam84N3"] = self.read("SediDiam84N3")
            for box in ("SediAnguRepo", "EstrFactFormKs", "EstrFactGrup", "EstrAnguAtaq"):
                s[box] = self.read(box)
        elif code == 31:
            s["SediDiam90N3"] = self.read("SediDiam90N3")
        elif code in (111, 121):
            s["EstrCoefMannPlat"] = self.read("EstrCoefMannPlat")
            s["CaucPoro"] = self.read("CaucPoro")
        elif code == 122:
            if self.bold[0] or self.bold[3]:
                s["SediDiam90N3"] = self.read("SediDiam90N3")
            s["SediAnguRepo"] = self.read("SediAnguRepo")
            s["FlujDifeCargRest"] = self.read("FlujDifeCargRest")
        elif code == 212:
            for box in ("EstrFactCurv", "EstrFactFormKs", "EstrFactFormKb", "EstrFactFormKl",
                        "EstrFactAngu", "EstrFactPoro"):
                s[box] = self.read(box)
        self.fundamentals()
        routine = {122: self.wide_culvert, 31: self.narrow_culvert, 111: self.vortex,
                   121: self.vortex, 212: self.spur_dike, 211: self.protected_spur_dike,
                   22: self.bridge_pier}[code]
        try:
            routine()
        except Fault as f:
            self.fault = str(f)
            self.graphic = False
            self.results_shown = False
            return
        self.results_shown = True

    def curve(self, slot, ze):
        self.points[slot] += standard_curve(self.s["FlujTiraRest"], ze, self.s["TiemCara"])
        self.graphic = True

    # Culverts -------------------------------------------------------------------------------
    def culvert(self, formulae, hoffmans):
        s = self.s
        alpha = s["FlujCoefAlfa"] = 1.0 + 3.0 * s["OutpInteRelaTurb"]
        for k in range(4):
            if not self.bold[k]:
                self.titles[k] = "inactive"
                continue
            if k < 3:
                s["OutpErosMaxi%d" % (k + 1)] = formulae[k]()
            else:
                beta = s["SediCoefGran"] = grain_coefficient(s["SediDiam90N3"])
                s["OutpErosMaxi4"] = hoffmans(beta)
            self.titles[k] = self.captions[k]
        h, U, Uc = s["FlujTiraRest"], s["FlujVeloMedi"], s["OutpVeloCritEros"]
        if alpha * U > Uc:
            s["TiemCara"] = time_scale_a(h, s["SediDensRela"], alpha, U, Uc)
            for k in range(4):
                ze = s["OutpErosMaxi%d" % (k + 1)]
                if h < ze and self.bold[k]:
                    self.curve(k, ze)

    def wide_culvert(self):
        s = self.s
        a, q, g = s["EstrAltuAper"], s["CaudEspe"], s["ForzAcelGrav"]
        yj = s["FlujEspeChor"] = 0.6 * a
        Vj = s["FlujVeloChor"] = q / yj
        Frj = s["FlujNumeFrouChor"] = Vj / math.sqrt(g * yj)
        s["OutpInteRelaTurb"] = 0.6
        h, d50, delta = s["FlujTiraRest"], s["SediDiamMedi"], s["SediDensRela"]
        U, u_star_c = s["FlujVeloMedi"], s["SediVeloCortCrit"]
        dH, phi = s["FlujDifeCargRest"], rad(s["SediAnguRepo"])
        qayoum = lambda: 2.78 * power(q, 0.4) * power(dH, 0.22) * power(h, 0.4) / (
            power(s["SediDiam90N3"], 0.22) * power(g, 0.2)) - h
        altinbilek = lambda: yj * math.sqrt(math.tan(phi) * yj / d50) * \
            power(Frj / math.sqrt(delta), 1.5)
        breusers = lambda: 0.008 * yj * (Vj / u_star_c) ** 2
        hoffmans = lambda beta: (50.0 / beta) * yj * (1.0 - U / Vj)
        self.culvert([qayoum, altinbilek, breusers], hoffmans)

    def narrow_culvert(self):
        s = self.s
        Q, N, D = s["FlujCaud"], s["EstrCantAper"], s["EstrDiamAper"]
        Vo = s["FlujVeloAper"] = Q / (N * math.pi * D ** 2 / 4.0)
        s["OutpInteRelaTurb"] = 0.3
        delta, g, d50, U = s["SediDensRela"], s["ForzAcelGrav"], s["SediDiamMedi"], s["FlujVeloMedi"]
        u_star_c = s["SediVeloCortCrit"]

        def rajaratnam():
            Fo = Vo / math.sqrt(delta * g * d50)
            return 0.4 * D * (Fo - 2.0) if Fo > 2.0 else 0.0

        ruff = lambda: 2.07 * D * (Q / math.sqrt(D ** 5 * g)) ** 0.45
        breusers = lambda: 0.08 * D * Vo / u_star_c
        hoffmans = lambda beta: (7.0 / beta) * power((Vo - U) * Q / g, 1.0 / 3.0)
        self.culvert([rajaratnam, ruff, breusers], hoffmans)

    # Confined vortex ------------------------------------------------------------------------
    def vortex(self):
        s = self.s
        h, g, L, np_ = s["FlujTiraRest"], s["ForzAcelGrav"], s["EstrLongPlat"], s["EstrCoefMannPlat"]
        if self.code == 121:
            D = s["EstrAltuObst"] = h - s["EstrAltuAper"]
        else:
            D = s["EstrAltuSaltFond"]
        Cp = s["EstrCoefChezPlat"] = power(h, 1.0 / 6.0) / np_
        ratio = s["EstrRelaVeloCortPlat"] = math.sqrt(g) / Cp
        r0 = s["OutpInteRelaTurb"] = math.sqrt(
            0.0225 * power(1.0 - D / h, -2.0) * power((L - 6.0 * D) / (6.67 * h) + 1.0, -1.08)
            + 1.45 * ratio ** 2)
        fC = s["FlujFactChez"] = Cp / 40.0 if Cp > 40.0 else 1.0
        alpha = s["FlujCoefAlfa"] = 1.5 + 4.4 * r0 * fC

        alpha_d = s["FlujCoefAlfaDiet"] = 1.0 + 3.0 * r0
        U, Uc, delta, d50 = s["FlujVeloMedi"], s["OutpVeloCritEros"], s["SediDensRela"], s["SediDiamMedi"]
        ze = s["OutpErosMaxi1"] = dietz(h, alpha_d, U, Uc)
        drawn = False
        if alpha > 0:
            t1 = s["TiemCara"] = time_scale_c(h, delta, s["FlujNumeFrou"], s["FlujNumeReyn"],
                                              Uc, U, alpha)
            draw = self.bold[0] and t1 > 0 and h < ze
            if s["OutpParaMovi"] > s["OutpParaMoviCrit"]:
                M = power((U - Uc) / math.sqrt(delta * g * d50), 2.4)
                qb = s["OutpCaudSoliFond"] = 0.005 * U * h * M * power(d50 / h, 1.2)
                qss = s["OutpCaudSoliSusp"] = 0.012 * U * h * M * (d50 / h) * \
                    power(s["SediDiamAdim"], -0.6)
                qt = s["OutpCaudSoliTota"] = qb + 0.15 * qss
                if draw:
                    points, self.live_bed_end = live_bed_curve(h, ze, t1, qt, s["CaucPoro"])
                    self.points[0] += points
                    self.graphic = True
                    s["OutpErosMaxiLech"] = points[-1][1]
                    self.titles[0] = self.captions[0]
                    s["OutpLongFall1"] = 2.0 * s["OutpErosMaxiLech"]
                    drawn = True
                else:
                    self.titles[0] = "inactive"
                self.titles[1:] = self.captions[1:]
            elif draw:
                self.curve(0, ze)
                self.titles = list(self.captions)
                s["OutpLongFall1"] = 2.0 * ze
                drawn = True
        if not drawn:
            # No curve of slot 1: the live-bed depth is Dietz's, the failure length twice it.
            s["OutpErosMaxiLech"] = ze
            s["OutpLongFall1"] = 2.0 * ze
        arg = 0.00029 * U * U / (delta * g * d50) + (0.11 + 0.75 * r0) * fC
        if arg > 1.0:
            raise Fault("Invalid floating point operation")
        s["OutpPendTalu"] = math.degrees(math.asin(arg))

    # Spur dikes -----------------------------------------------------------------------------
    def spur_dike(self):
        s = self.s
        Lt, B, h, g, q = s["EstrAnchEstr"], s["CaucAnchCauc"], s["FlujTiraRest"], s["ForzAcelGrav"], s["CaudEspe"]
        m = s["EstrRelaCont"] = Lt / B
        alpha = s["FlujCoefAlfa"] = 4.2
        K = s["EstrFactTota"] = 2.0 * s["EstrFactCurv"] * s["EstrFactFormKs"] * \
            s["EstrFactAngu"] * s["EstrFactPoro"]
        alpha_d = s["FlujCoefAlfaDiet"] = 12.0 * m * m + 2.75
        U, Uc, Fr = s["FlujVeloMedi"], s["OutpVeloCritEros"], s["FlujNumeFrou"]
        formulae = [
            # (q / (1 - m))^(2/3) is 0 once the dike closes the river.
            lambda: K * 2.14 * g ** (-1.0 / 3.0) * ((q / (1.0 - m)) ** (2.0 / 3.0) if m < 1 else 0.0) - h,
            lambda: s["EstrFactFormKl"] * h * (Lt / h) ** 0.4 * Fr ** (1.0 / 3.0),
            lambda: dietz(h, alpha_d, U, Uc),
        ]
        for k in range(3):
            if self.bold[k]:
                s["OutpErosMaxi%d" % (k + 1)] = formulae[k]()
                self.titles[k] = self.captions[k]
            else:
                self.titles[k] = "inactive"
        live = U > Uc
        if self.bold[3] and live:
            s["OutpErosMaxi4"] = s["EstrFactFormKb"] * Lt * math.tanh(h / Lt) + \
                h * (power(1.0 - m, -2.0 / 3.0) - 1.0)
            self.titles[3] = self.captions[3]
        else:
            s["OutpErosMaxi4"] = 0.0
            self.titles[3] = "inactive"
        if alpha > 0:
            t1 = s["TiemCara"] = time_scale_c(h, s["SediDensRela"], Fr, s["FlujNumeReyn"], Uc, U, alpha)
            for k in range(4):
                ze = s["OutpErosMaxi%d" % (k + 1)]
                if h < ze and self.bold[k] and t1 > 0 and (k != 3 or live):
                    self.curve(k, ze)

    def protected_spur_dike(self):
        s = self.s
        Lt, B, h, L = s["EstrAnchEstr"], s["CaucAnchCauc"], s["FlujTiraRest"], s["EstrLongPlat"]
        m = s["EstrRelaCont"] = Lt / B
        alpha = s["FlujCoefAlfa"] = 4.2
        alpha_d = s["FlujCoefAlfaDiet"] = 1.0 + math.exp(-0.1 * L / h) * (12.0 * m * m + 1.75)
        U, Uc = s["FlujVeloMedi"], s["OutpVeloCritEros"]
        ze = s["OutpErosMaxi1"] = dietz(h, alpha_d, U, Uc)
        self.titles = list(self.captions)
        if alpha > 0 and h < ze:
            t1 = s["TiemCara"] = time_scale_c(h, s["SediDensRela"], s["FlujNumeFrou"],
                                              s["FlujNumeReyn"], Uc, U, alpha)
            if t1 > 0:
                self.curve(0, ze)

    # Bridge pier ----------------------------------------------------------------------------
    def bridge_pier(self):
        s = self.s
        b, Lp, h = s["EstrAnchPila"], s["EstrLongPila"], s["FlujTiraRest"]
        sigma = s["SediCoefGrad"] = s["SediDiam84N3"] / s["SediDiamMedi"]
        theta = rad(s["EstrAnguAtaq"])
        K_theta = s["EstrFactAnguPila"] = power(math.cos(theta) + (Lp / b) * math.sin(theta), 0.62)
        K_sigma = s["SediFactGrad"] = (-0.23 * sigma ** 2 + 0.387 * sigma + 0.8415 if sigma < 0.25
                                       else 1.0417 * power(sigma, -1.1841))
        K = s["EstrFactTota"] = s["EstrFactFormKs"] * K_theta * K_sigma * s["EstrFactGrup"]
        U, Uc, Fr = s["FlujVeloMedi"], s["OutpVeloCritEros"], s["FlujNumeFrou"]

        def breusers():
            x = U / Uc
            if x > 1.0:
                return 1.5 * K * b * math.tanh(h / b)
            if x > 0.5:
                return 2.0 * K * b * (2.0 * x - 1.0) * math.tanh(h / b)
            return 0.0

        formulae = [
            breusers,
            lambda: 2.0 * K * h * Fr ** 0.43 * (b / h) ** 0.65,
            lambda: 2.02 * K * h * Fr ** 0.21 * sigma ** -0.24 * (b / h) ** 0.65,
        ]
        for k in range(3):
            if self.bold[k]:
                s["OutpErosMaxi%d" % (k + 1)] = formulae[k]()
                self.titles[k] = self.captions[k]
            else:
                self.titles[k] = "inactive"
        self.titles[3] = "inactive"
        if math.sqrt(2.0) * U > Uc:
            s["TiemCara"] = time_scale_b(b, U, s["SediDensRela"], s["ForzAcelGrav"],
                                         s["SediDiamMedi"], Uc)
            for k in range(3):
                ze = s["OutpErosMaxi%d" % (k + 1)]
                if h < ze and self.bold[k]:
                    self.curve(k, ze)
        if self.bold[3]:
            phi = rad(s["SediAnguRepo"])
            for k in range(3):
                if self.bold[k]:
                    s["OutpLongFall%d" % (k + 1)] = s["OutpErosMaxi%d" % (k + 1)] / math.tan(phi)

    # Results page ---------------------------------------------------------------------------
    def results(self):
        if not self.results_shown:
            return "", []
        s, code = self.s, self.code
        rows = []
        add = lambda caption, value, unit: rows.append((caption, value, unit))
        slot_value = lambda k, v: fixed(v, 2) if self.bold[k] else "inactive"
        depth = lambda k, text: add("Equilibrium max. scour depth (%s)" % self.captions[k], text, "[m]")
        live = s["OutpParaMovi"] > s["OutpParaMoviCrit"]
        add("Critical mobility factor (Shields)", fixed(s["OutpParaMoviCrit"], 4), "")
        add("Mobility factor (Shields)", fixed(s["OutpParaMovi"], 4), "")
        add("Transport condition", "Live bed" if live else "Clear water", "")
        add("Critical erosion velocity", fixed(s["OutpVeloCritEros"], 2), "[m/s]")
        turbulence = lambda: add("Turbulence intensity", fixed(s["OutpInteRelaTurb"], 3), "")
        get = lambda name: s.get(name, 0.0)
        if code == 22:
            for k in range(3):
                depth(k, slot_value(k, get("OutpErosMaxi%d" % (k + 1))))
                shown = self.bold[k] and self.bold[3]
                add("Critical failure lenght (%s)" % self.captions[k],
                    fixed(get("OutpLongFall%d" % (k + 1)), 2) if shown else "inactive", "[m]")
        elif code in (31, 122):
            turbulence()
            for k in range(4):
                depth(k, slot_value(k, get("OutpErosMaxi%d" % (k + 1))))
        elif code in (111, 121):
            turbulence()
            add("Effective total solid discharge", fixed(s["OutpCaudSoliTota"], 6) if live else "null",
                "[m^2/s]")
            depth(0, slot_value(0, s["OutpErosMaxiLech"] if live else s["OutpErosMaxi1"]))
            add("Critical failure length", slot_value(0, s["OutpLongFall1"]), "[m]")
            add("Upstream scour slope", slot_value(0, s["OutpPendTalu"]), "[º]")
        elif code == 211:
            depth(0, fixed(s["OutpErosMaxi1"], 2))
        elif code == 212:
            for k in range(3):
                depth(k, slot_value(k, get("OutpErosMaxi%d" % (k + 1))))
            depth(3, "inactive" if s["OutpErosMaxi4"] == 0.0 else slot_value(3, s["OutpErosMaxi4"]))
        title = {22: "Problem of the Bridge Pier", 31: "Problem of the Narrow Culvert",
                 111: "Problem of the Confined Vortex", 121: "Problem of the Confined Vortex",
                 122: "Problem of the Wide Culvert",
                 211: "Problem of the Protected Spur Dike/Abutment",
                 212: "Problem of the Spur Dike/Abutment"}[code]
        return title, rows


def fixed(x, decimals):
    """Fixed-point text, halves rounded away from zero on the exact binary value."""
    return str(Decimal(x).quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_UP))


# --------------------------------------------------------------------------------------------
# The cases.

def case(name, phenomenon, obstacle, boxes, fields, later=(), note=""):
    return dict(name=name, phenomenon=phenomenon, obstacle=obstacle, boxes=boxes,
                later=list(later), fields=fields, note=note)


FUND = ["FlujVeloMedi", "OutpVeloCritEros", "OutpParaMovi", "OutpParaMoviCrit"]
WIDE = FUND + ["FlujEspeChor", "FlujVeloChor", "FlujNumeFrouChor", "OutpInteRelaTurb",
               "FlujCoefAlfa", "SediDiam90N3", "SediCoefGran", "OutpErosMaxi1", "OutpErosMaxi2",
               "OutpErosMaxi3", "OutpErosMaxi4", "TiemCara"]
NARROW = FUND + ["FlujVeloAper", "OutpInteRelaTurb", "FlujCoefAlfa", "SediDiam90N3",
                 "SediCoefGran", "OutpErosMaxi1", "OutpErosMaxi2", "OutpErosMaxi3",
                 "OutpErosMaxi4", "TiemCara"]
VORTEX = FUND + ["EstrCoefChezPlat", "EstrRelaVeloCortPlat", "OutpInteRelaTurb", "FlujFactChez",
                 "FlujCoefAlfa", "FlujCoefAlfaDiet", "OutpErosMaxi1", "FlujVeloCort", "TiemCara",
                 "OutpErosMaxiLech", "OutpLongFall1", "OutpPendTalu"]
LIVE = ["OutpCaudSoliFond", "OutpCaudSoliSusp", "OutpCaudSoliTota"]
SPUR = FUND + ["EstrRelaCont", "FlujCoefAlfa", "EstrFactTota", "FlujCoefAlfaDiet",
               "OutpErosMaxi1", "OutpErosMaxi2", "OutpErosMaxi3", "OutpErosMaxi4", "TiemCara"]
PROTECTED = FUND + ["EstrRelaCont", "FlujCoefAlfa", "FlujCoefAlfaDiet", "OutpErosMaxi1", "TiemCara"]
PIER = FUND + ["SediCoefGrad", "EstrFactAnguPila", "SediFactGrad", "EstrFactTota",
               "OutpErosMaxi1", "OutpErosMaxi2", "OutpErosMaxi3", "OutpLongFall1",
               "OutpLongFall2", "OutpLongFall3", "TiemCara"]
ALL_FACTORS = {"EstrFactCurv": "1.00", "EstrFactFormKs": "1.0", "EstrFactAngu": "1",
               "EstrFactPoro": "1", "EstrFactFormKb": "1.5", "EstrFactFormKl": "1.10"}
PIER_FACTORS = {"EstrFactFormKs": "1.0", "EstrFactGrup": "1.00", "SediAnguRepo": "32"}

CASES = [
    # Wide culvert (code 122): gate over the whole width, protection of 2 m < 6 (h - a).
    case("WideCulvertAllFormulae", 0, 1, {"EstrLongPlat": "2", "SediAnguRepo": "32"}, WIDE,
         note="defaults: yj = 0.27 m, Vj = 22.2 m/s"),
    case("WideCulvertDefaultsWithoutAngleOfRepose", 0, 1, {"EstrLongPlat": "2"}, WIDE,
         note="Altinbilek & Basmaci inactive: its series reads inactive"),
    case("WideCulvertSmallDischargeGivesNegativeQayoum", 0, 1,
         {"EstrLongPlat": "2", "FlujCaud": "20", "SediAnguRepo": "32"}, WIDE,
         note="Qayoum reduced by the full depth h; clear water, U < Uc"),
    case("WideCulvertWithoutD90KeepsEarlierOutputs", 0, 1, {"EstrLongPlat": "2", "SediAnguRepo": "32"},
         WIDE, later=[{"SediDiam90N3": "", "FlujDifeCargRest": "3.5"}],
         note="d90 emptied: Qayoum and Hoffmans inactive, d90 not read, their outputs kept"),
    case("WideCulvertFineD90", 0, 1, {"EstrLongPlat": "2", "SediAnguRepo": "32", "SediDiam90N3": "5"},
         WIDE, note="grain coefficient below 13.6 mm"),
    # Narrow culvert (code 31).
    case("NarrowCulvertDefaults", 2, 0, {}, NARROW),
    case("NarrowCulvertWithoutD90KeepsHoffmans", 2, 0, {}, NARROW,
         later=[{"SediDiam90N3": "", "FlujCaud": "2500"}],
         note="Hoffmans inactive after d90 is emptied: its depth and beta kept"),
    case("NarrowCulvertSlowJetsGiveNoRajaratnamBerry", 2, 0,
         {"EstrCantAper": "2000", "EstrDiamAper": "1.5"}, NARROW,
         note="Fo below 2, and Vo below U for Hoffmans"),
    # Confined vortex behind a jump (111) and below a gate (121).
    case("VortexJumpLiveBed", 0, 0, {}, VORTEX + LIVE),
    case("VortexGateLiveBed", 0, 1, {"EstrAltuAper": "0.3"}, VORTEX + LIVE + ["EstrAltuObst"]),
    case("VortexJumpSameObstacleAsGate", 0, 0, {"EstrAltuSaltFond": "0.9"}, VORTEX + LIVE,
         note="the jump of 0.9 m equals the gate's h - a"),
    case("VortexJumpClearWaterCurve", 0, 0,
         {"FlujCaud": "1200", "EstrAltuSaltFond": "1.02", "EstrLongPlat": "6.2"}, VORTEX),
    case("VortexJumpClearWaterNoCurve", 0, 0, {"FlujCaud": "500"}, VORTEX,
         note="Dietz 0: titles left as they were"),
    case("VortexJumpLiveBedSlotInactive", 0, 0, {"CaucPoro": ""}, VORTEX + LIVE,
         note="porosity emptied: series 1 inactive, the page reads inactive"),
    case("VortexAfterLiveBedThenClearWater", 0, 0, {}, VORTEX, later=[{"FlujCaud": "500"}],
         note="a second calculation without a curve shows none of the first one's values"),
    case("VortexLiveBedCurveEndsWhenDepthDecreases", 0, 0,
         {"CaucPoro": "0.9999", "FlujTiraRest": "3", "SediDiamMedi": "20"}, VORTEX + LIVE,
         note="a bed of high porosity: the supply outgrows the clear-water growth"),
    case("VortexProtectionChezyAt40", 0, 0, {"FlujTiraRest": "1", "EstrCoefMannPlat": "0.025"},
         VORTEX + LIVE, note="Cp exactly 40: fC = 1"),
    case("VortexProtectionChezyAbove40", 0, 0, {"FlujTiraRest": "1", "EstrCoefMannPlat": "0.0249"},
         VORTEX + LIVE, note="Cp above 40: fC = Cp/40"),
    case("VortexSlopeBeyondArcsin", 0, 0,
         {"EstrAltuSaltFond": "1.1", "EstrLongPlat": "6.7"}, VORTEX + LIVE,
         note="arcsin argument above 1: the fault comes after everything else"),
    # Spur dike/abutment (212), protection 0.5 m <= h/2.
    case("SpurDikeAllFactors", 1, 0, dict(ALL_FACTORS, EstrLongPlat="0.5"), SPUR),
    case("SpurDikeNoFactors", 1, 0, {"EstrLongPlat": "0.5"}, SPUR,
         note="only Dietz active; Breusers' depth set to 0"),
    case("SpurDikeFactorsEmptiedKeepOutputs", 1, 0, dict(ALL_FACTORS, EstrLongPlat="0.5"), SPUR,
         later=[{"EstrFactCurv": "", "EstrFactFormKl": "", "FlujCaud": "3500"}],
         note="Ahmad and Liu inactive: their depths kept"),
    case("SpurDikeClearWater", 1, 0, dict(ALL_FACTORS, EstrLongPlat="0.5", FlujCaud="1000"), SPUR,
         note="U <= Uc: Breusers inactive although its slot is active"),
    case("SpurDikeAsLongAsRiverIsWide", 1, 0,
         dict(ALL_FACTORS, EstrLongPlat="0.5", EstrAnchEstr="500"), SPUR,
         note="m = 1: Ahmad -h, Breusers Kb Lt tanh(h/Lt) - h"),
    case("SpurDikeLongerThanRiverIsWide", 1, 0,
         dict(ALL_FACTORS, EstrLongPlat="0.5", EstrAnchEstr="600"), SPUR),
    # Protected spur dike/abutment (211).
    case("ProtectedSpurDikeDefaults", 1, 0, {}, PROTECTED),
    case("ProtectedSpurDikeLongProtection", 1, 0, {"EstrLongPlat": "40"}, PROTECTED),
    case("ProtectedSpurDikeBelowDepth", 1, 0, {"FlujCaud": "800"}, PROTECTED,
         note="Dietz not deeper than h: no curve"),
    # Bridge pier (22).
    case("BridgePierAllFormulae", 1, 1, PIER_FACTORS, PIER),
    case("BridgePierDefaults", 1, 1, {}, PIER, note="factors empty: every slot inactive"),
    case("BridgePierClearWater", 1, 1, dict(PIER_FACTORS, FlujCaud="1000"), PIER,
         note="sqrt2 U below Uc: no curve, 0.5 < U/Uc <= 1 for Breusers"),
    case("BridgePierAttackAngle", 1, 1,
         dict(PIER_FACTORS, EstrAnguAtaq="15", EstrLongPila="20", SediDiam84N3="120"), PIER),
    case("BridgePierFailureLengthsOff", 1, 1, PIER_FACTORS, PIER,
         later=[{"SediAnguRepo": "", "FlujCaud": "3500"}],
         note="angle of repose emptied: failure lengths kept in the state, inactive on the page"),
]


def run(c):
    w = Window()
    w.texts.update(c["boxes"])
    w.road(c["phenomenon"], c["obstacle"])
    w.calculate()
    for boxes in c["later"]:
        w.texts.update(boxes)
        # A changed input of Global or Complementary Data empties the series.
        w.points = [[], [], [], []]
        w.graphic = False
        w.fault = None
        w.calculate()
    return w


def cxx_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def cxx_double(x):
    return repr(float(x))


def main():
    out = ["// Generated by model_problems.py from the published formulae; do not edit by hand.", ""]
    for c in CASES:
        w = run(c)
        title, rows = w.results()
        boxes = ", ".join("{%s, %s}" % (cxx_string("edt" + k), cxx_string(v)) for k, v in c["boxes"].items())
        later = ", ".join("{" + ", ".join("{%s, %s}" % (cxx_string("edt" + k), cxx_string(v))
                                          for k, v in step.items()) + "}" for step in c["later"])
        # A field no calculation of the case wrote holds the 0 of a new window.
        fields = ", ".join("{%s, %s}" % (cxx_string(f), cxx_double(w.s.get(f, 0.0)))
                           for f in c["fields"])
        titles = ", ".join(cxx_string(t) for t in w.titles)
        counts = ", ".join(str(len(p)) for p in w.points)
        last = ", ".join(cxx_double(p[-1][1]) if p else "0.0" for p in w.points)
        rows_text = ", ".join("{%s, %s, %s}" % (cxx_string(a), cxx_string(b), cxx_string(u))
                              for a, b, u in rows)
        if c["note"]:
            out.append("// " + c["note"])
        if getattr(w, "live_bed_end", None):
            out.append("// live-bed curve ended: " + w.live_bed_end)
        out.append("{%s, %d, %d, {%s}, {%s}, %d, {%s}, {%s}, {%s}, {%s}, %s, %s, %s, {%s}}," % (
            cxx_string(c["name"]), c["phenomenon"], c["obstacle"], boxes, later, w.code, fields,
            titles, counts, last, "true" if w.graphic else "false",
            cxx_string(w.fault) if w.fault else "nullptr", cxx_string(title), rows_text))
    print("\n".join(out))


if __name__ == "__main__":
    main()

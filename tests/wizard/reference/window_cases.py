#!/usr/bin/env python3
"""Expected screens of a calculation window after a user's whole road, for every model problem.

Reuses the independent window model of tests/compute/reference/model_problems.py (written from
the published formulae and the program's rules, not from the C++ code) and adds to it what that
model leaves out: the step and the plunging jet (Bornmann & Julien, Fahlbusch), the values that
the correction-factor pickers return (the published tables), the page every box is typed on, the
rows of the Results page with their stems and lines, the chart's series and the lines of the
printed report.

    python3 tests/wizard/reference/window_cases.py > tests/wizard/reference/WindowCases.inc

writes the cases that tests/wizard/tst_untProbTipo_results.cpp drives through the widgets.
"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "compute",
                                "reference"))
import model_problems as mp  # noqa: E402

# --------------------------------------------------------------------------------------------
# The step and the plunging jet, added to the model's panel and routines.

mp.NAMES[1121] = ["Bornmann & Julien"]
mp.NAMES[1122] = ["Bornmann & Julien", "Fahlbusch"]
_base_availability = mp.availability


def availability(code, texts):
    given = lambda *boxes: all(texts[b] != "" for b in boxes)
    jet = given("SediDiam90N3", "SediAnguRepo", "FlujDifeCargRest", "FlujAnguChorSupeLibr")
    if code == 1121:
        return [jet, False, False, False]
    if code == 1122:
        return [jet, given("SediDiam90N3", "FlujDifeCargRest", "FlujAnguChorSupeLibr"), False, False]
    return _base_availability(code, texts)


mp.availability = availability


class Window(mp.Window):
    def road(self, phenomenon, obstacle, jet=-1):
        s = self.s
        if (phenomenon, obstacle) == (0, 0):
            s["FlujTiraRest"] = self.read("FlujTiraRest")
            s["EstrAltuSaltFond"] = D = self.read("EstrAltuSaltFond")
            s["EstrLongPlat"] = L = self.read("EstrLongPlat")
            if L <= 6.0 * D:
                # Too short a protection behind a jump: the jet decides, 0 impacts on the
                # free surface (plunging jet), 1 slides on the step.
                self.code = 1122 if jet == 0 else 1121
                return
        super().road(phenomenon, obstacle)

    def calculate(self):
        if self.code not in (1121, 1122):
            return super().calculate()
        self.captions, self.bold = mp.panel(self.code, self.texts)
        s = self.s
        s["SediDiam90N3"] = self.read("SediDiam90N3")
        for box in ("SediAnguRepo", "FlujDifeCargRest", "FlujAnguChorSupeLibr"):
            s[box] = self.read(box)
        self.fundamentals()
        g, q, delta = s["ForzAcelGrav"], s["CaudEspe"], s["SediDensRela"]
        Vj = s["FlujVeloChor"] = math.sqrt(2.0 * g * s["FlujDifeCargRest"])
        r = s["OutpInteRelaTurb"] = 1.5
        tj, phi = mp.rad(s["FlujAnguChorSupeLibr"]), mp.rad(s["SediAnguRepo"])
        bj = lambda: 1.8 ** 2 * math.sin(tj) * Vj * mp.power(q, 0.6) * \
            mp.power(math.sin(phi) / math.sin(phi + tj), 0.8) / \
            (mp.power(s["SediDiam90N3"], 0.4) * mp.power(2.0 * delta * g, 0.8))
        alpha = s["FlujCoefAlfa"] = 1.0 + 3.0 * r
        h, U, Uc = s["FlujTiraRest"], s["FlujVeloMedi"], s["OutpVeloCritEros"]
        if self.code == 1121:
            if self.bold[0]:
                s["OutpErosMaxi1"] = bj() - s["EstrAltuSaltFond"]
                self.titles[0] = self.captions[0]
            self.titles[1:] = self.captions[1:]
            if alpha * U > Uc and h < s["OutpErosMaxi1"]:
                s["TiemCara"] = mp.time_scale_a(h, delta, alpha, U, Uc)
                if self.bold[0]:
                    self.curve(0, s["OutpErosMaxi1"])
        else:
            beta = s["SediCoefGran"] = mp.grain_coefficient(s["SediDiam90N3"])
            fahlbusch = lambda: (20.0 / beta) * math.sqrt(math.sin(tj) * q * Vj / g)
            for k, formula in ((0, bj), (1, fahlbusch)):
                if self.bold[k]:
                    s["OutpErosMaxi%d" % (k + 1)] = formula()
                    self.titles[k] = self.captions[k]
                else:
                    self.titles[k] = "inactive"
            self.titles[2:] = self.captions[2:]
            if alpha * U > Uc:
                s["TiemCara"] = mp.time_scale_a(h, delta, alpha, U, Uc)
                for k in (0, 1):
                    if h < s["OutpErosMaxi%d" % (k + 1)] and self.bold[k]:
                        self.curve(k, s["OutpErosMaxi%d" % (k + 1)])
        self.results_shown = True

    def results(self):
        if self.code not in (1121, 1122):
            return super().results()
        s = self.s
        rows = [("Critical mobility factor (Shields)", mp.fixed(s["OutpParaMoviCrit"], 4), ""),
                ("Mobility factor (Shields)", mp.fixed(s["OutpParaMovi"], 4), ""),
                ("Transport condition",
                 "Live bed" if s["OutpParaMovi"] > s["OutpParaMoviCrit"] else "Clear water", ""),
                ("Critical erosion velocity", mp.fixed(s["OutpVeloCritEros"], 2), "[m/s]"),
                ("Turbulence intensity", mp.fixed(s["OutpInteRelaTurb"], 3), "")]
        for k in range(len(mp.NAMES[self.code])):
            value = mp.fixed(s["OutpErosMaxi%d" % (k + 1)], 2) if self.bold[k] else "inactive"
            rows.append(("Equilibrium max. scour depth (%s)" % self.captions[k], value, "[m]"))
        title = "Problem of the Step" if self.code == 1121 else "Problem of the Plunging Jet"
        return title, rows


# --------------------------------------------------------------------------------------------
# What the window shows besides the numbers.

# The page each box is typed on.
GLOBAL = ["AguaDens", "AguaTemp", "SediDensMate", "SediDiamMedi", "ForzAcelGrav", "FlujCaud",
          "CaucAnchCauc", "CaucCoefMannCauc", "AltuRugoCauc"]
LOCAL = ["FlujTiraRest"]
STRUCTURE = ["EstrAltuSaltFond", "EstrLongPlat", "EstrAltuAper", "EstrLongEstr", "EstrAnchEstr",
             "EstrAnchPila", "EstrLongPila", "EstrDiamAper", "EstrCantAper"]

# Stems of the Results rows from row 2 on, in the order of the page.
BASE = ["OutpParaMoviCrit", "OutpParaMovi", "CondTran", "OutpVeloCritEros"]
DEPTHS = ["OutpErosMaxi1", "OutpErosMaxi2", "OutpErosMaxi3", "OutpErosMaxi4"]
STEMS = {
    22: BASE + ["OutpErosMaxi1", "OutpLongFall1", "OutpErosMaxi2", "OutpLongFall2",
                "OutpErosMaxi3", "OutpLongFall3"],
    31: BASE + ["OutpInteRelaTurb"] + DEPTHS,
    122: BASE + ["OutpInteRelaTurb"] + DEPTHS,
    111: BASE + ["OutpInteRelaTurb", "OutpCaudSoliTota", "OutpErosMaxi1", "OutpLongFall1",
                 "OutpPendTalu"],
    121: BASE + ["OutpInteRelaTurb", "OutpCaudSoliTota", "OutpErosMaxi1", "OutpLongFall1",
                 "OutpPendTalu"],
    211: BASE + ["OutpErosMaxi1"],
    212: BASE + DEPTHS,
    1121: BASE + ["OutpInteRelaTurb", "OutpErosMaxi1"],
    1122: BASE + ["OutpInteRelaTurb", "OutpErosMaxi1", "OutpErosMaxi2"],
}

# The picture windows of the "Image" buttons.
PICTURES = {22: ("TfrmPictPPi", None), 31: ("TfrmPictPAG", None), 111: ("TfrmPictPVC1", None),
            121: ("TfrmPictPVC2", None), 122: ("TfrmPictPAC", None), 211: ("TfrmPictPEP", None),
            212: ("TfrmPictPEs1", "TfrmPictPES2"), 1121: ("TfrmPictPEn", None),
            1122: ("TfrmPictPCZ", None)}

# The pickers' published tables: the radio button a user chooses and the text it returns.
PICKS = {
    "Kp straight channel": ("EstrFactCurv", "rgAhmaCICCItem0", "1.00"),
    "Knu 20%": ("EstrFactPoro", "rgAhmaCIPOItem0", "1"),
    "Ka 90 deg": ("EstrFactAngu", "rgAhmaCIAAItem3", "1"),
    "Ks lenticular": ("EstrFactFormKs", "rgCIFOksItem0", "0.75"),
    "Ks circular": ("EstrFactFormKs", "rgCIFOksItem2", "1.0"),
    "Kb semi-circular end b/l < 3": ("EstrFactFormKb", "rgCIFOkbItem2", "1.5"),
    "Kl aerodynamic": ("EstrFactFormKl", "rgCIFOklItem0", "1.10"),
    "Kgr rear pier side by side > 15b": ("EstrFactGrup", "rb12", "0.80"),
    "repose medium sand firm": ("SediAnguRepo", "rgAnguRepoItem4", "34"),
    "repose fine sand firm": ("SediAnguRepo", "rgAnguRepoItem7", "29"),
}

# Captions and units of the report's input lines.
CAPTIONS = {
    "AguaDens": ("Density", "[kg/m^3]"), "AguaTemp": ("Ambient Temperature", "[°C]"),
    "SediDensMate": ("Density", "[kg/m^3]"), "SediDiamMedi": ("Mean Diameter (d50)", "[mm]"),
    "ForzAcelGrav": ("Acceleration of Gravity", "[m/s^2]"), "FlujCaud": ("Discharge", "[m^3/s]"),
    "CaucAnchCauc": ("Width", "[m]"), "CaucCoefMannCauc": ("Manning Coefficient", "[m^(1/3)/s]"),
    "EstrAltuSaltFond": ("Bottom jump", "[m]"), "EstrLongPlat": ("Length of bed protection", "[m]"),
    "EstrAltuAper": ("Opening height", "[m]"), "EstrLongEstr": ("Longitudinal extension", "[m]"),
    "EstrAnchEstr": ("Transversal extension", "[m]"), "EstrAnchPila": ("Pier width", "[m]"),
    "EstrLongPila": ("Pier length", "[m]"), "EstrDiamAper": ("Opening diameter", "[m]"),
    "EstrCantAper": ("Number of openings", "[-]"), "CaucPoro": ("Porosity", "[m]"),
    "EstrCoefMannPlat": ("Manning coef. of protection", "[m^(1/3)/s]"),
    "SediDiam90N3": ("Diameter 90% (d90)", "[mm]"), "SediAnguRepo": ("Angle of repose", "[º]"),
    "FlujDifeCargRest": ("Diff. head in/ level out", "[m]"),
    "FlujAnguChorSupeLibr": ("Angle jet/free surface", "[º]"),
    "SediDiam84N3": ("Diameter 84% (d84)", "[mm]"), "EstrFactFormKs": ("Shape factor", "[-]"),
    "EstrFactGrup": ("Group factor", "[-]"), "EstrAnguAtaq": ("Angle of attack", "[º]"),
    "EstrFactCurv": ("Curvature factor", "[-]"), "EstrFactAngu": ("Angle factor", "[-]"),
    "EstrFactPoro": ("Porosity factor", "[-]"), "EstrFactFormKb": ("Shape factor", "[-]"),
    "EstrFactFormKl": ("Shape factor", "[-]"),
}
REPORT_STRUCTURE = {
    22: ["EstrAnchPila", "EstrLongPila"], 31: ["EstrDiamAper", "EstrCantAper"],
    111: ["EstrAltuSaltFond", "EstrLongPlat"], 1121: ["EstrAltuSaltFond", "EstrLongPlat"],
    1122: ["EstrAltuSaltFond", "EstrLongPlat"], 121: ["EstrAltuAper", "EstrLongPlat"],
    122: ["EstrAltuAper", "EstrLongPlat"], 211: ["EstrLongEstr", "EstrAnchEstr", "EstrLongPlat"],
    212: ["EstrLongEstr", "EstrAnchEstr", "EstrLongPlat"],
}
REPORT_COMPLEMENTARY = {
    22: ["SediDiam84N3", "SediAnguRepo", "EstrFactFormKs", "EstrFactGrup", "EstrAnguAtaq"],
    31: ["SediDiam90N3"], 111: ["CaucPoro", "EstrCoefMannPlat"],
    121: ["CaucPoro", "EstrCoefMannPlat"],
    122: ["SediDiam90N3", "SediAnguRepo", "FlujDifeCargRest"],
    212: ["EstrFactCurv", "EstrFactFormKs", "EstrFactAngu", "EstrFactPoro", "EstrFactFormKb",
          "EstrFactFormKl"],
    1121: ["SediDiam90N3", "SediAnguRepo", "FlujDifeCargRest", "FlujAnguChorSupeLibr"],
    1122: ["SediDiam90N3", "SediAnguRepo", "FlujDifeCargRest", "FlujAnguChorSupeLibr"],
    211: [],
}


def report_lines(w, rows):
    """The printed report's lines (parameter, value, unit), section by section, as the window
    shows them: the texts typed, never numbers reformatted."""
    line = lambda box: (CAPTIONS[box][0], w.texts[box], CAPTIONS[box][1])
    depth = "Upstream water depth" if w.code in (211, 212, 22) else "Downstream water depth"
    return ([line(b) for b in GLOBAL[:8]] + [(depth, w.texts["FlujTiraRest"], "[m]")]
            + [line(b) for b in REPORT_STRUCTURE[w.code]]
            + [line(b) for b in REPORT_COMPLEMENTARY[w.code]] + list(rows))


# --------------------------------------------------------------------------------------------
# The cases: a new window with its default texts, the answers, the boxes typed page by page and
# the factors chosen from the pickers, then "Calculation".

PIER_PICKS = ["Ks circular", "Kgr rear pier side by side > 15b"]
SPUR_PICKS = ["Kp straight channel", "Ks lenticular", "Ka 90 deg", "Knu 20%",
              "Kb semi-circular end b/l < 3", "Kl aerodynamic"]


def case(name, phenomenon, obstacle, typed=None, picks=(), jet=-1, note=""):
    return dict(name=name, phenomenon=phenomenon, obstacle=obstacle, jet=jet, typed=typed or {},
                picks=list(picks), note=note)


CASES = [
    case("BridgePierAllFormulae", 1, 1, picks=PIER_PICKS + ["repose medium sand firm"],
         note="all four slots: the failure lengths shown"),
    case("BridgePierWithoutFailureLengths", 1, 1, picks=PIER_PICKS,
         note="no angle of repose: slot 4 plain, every failure length inactive"),
    case("BridgePierDefaults", 1, 1, note="factors empty: every depth inactive, no curve"),
    case("NarrowCulvertDefaults", 2, 0),
    case("NarrowCulvertWithoutD90", 2, 0, {"SediDiam90N3": ""}, note="Hoffmans inactive"),
    case("VortexJumpLiveBed", 0, 0, {"CaucPoro": "0.40"}),
    case("VortexJumpClearWater", 0, 0,
         {"FlujCaud": "1200", "EstrAltuSaltFond": "1.02", "EstrLongPlat": "6.2"},
         note="clear water: the solid discharge reads null"),
    case("VortexGateLiveBed", 0, 1, {"EstrAltuAper": "0.3"}),
    case("WideCulvertAllFormulae", 0, 1, {"EstrLongPlat": "2"}, ["repose fine sand firm"]),
    case("WideCulvertFourLongCurves", 0, 1, {"EstrLongPlat": "2", "SediDiam90N3": "3"},
         ["repose fine sand firm"], note="four curves of 5000 points"),
    case("ProtectedSpurDike", 1, 0, note="calculated from Structure Data"),
    case("SpurDikeAllFactors", 1, 0, {"EstrLongPlat": "0.5"}, SPUR_PICKS),
    case("SpurDikeClearWater", 1, 0, {"FlujCaud": "1000", "EstrLongPlat": "0.5"}, SPUR_PICKS,
         note="Breusers active but 0 under clear water: inactive"),
    case("Step", 0, 0, {"EstrLongPlat": "4.5", "SediAnguRepo": "30"}, jet=1),
    case("PlungingJet", 0, 0, {"EstrLongPlat": "4.5", "SediAnguRepo": "30"}, jet=0),
    case("PlungingJetWithoutAngleOfRepose", 0, 0, {"EstrLongPlat": "4.5"}, jet=0,
         note="Bornmann & Julien inactive, Fahlbusch drawn"),
]


def s(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def pairs(items):
    return "{" + ", ".join("{%s, %s}" % (s("edt" + k), s(v)) for k, v in items) + "}"


def main():
    out = ["// Generated by window_cases.py from the published formulae; do not edit by hand.", ""]
    for c in CASES:
        w = Window()
        w.texts.update(c["typed"])
        picks = [PICKS[p] for p in c["picks"]]
        for box, _, text in picks:
            w.texts[box] = text
        w.road(c["phenomenon"], c["obstacle"], c["jet"])
        w.calculate()
        assert w.fault is None, c["name"]
        title, rows = w.results()
        stems = STEMS[w.code]
        assert len(stems) == len(rows), c["name"]
        on = lambda page: [(k, v) for k, v in c["typed"].items() if k in page]
        complementary = [(k, v) for k, v in c["typed"].items()
                         if k not in GLOBAL + LOCAL + STRUCTURE]
        points = [p for series in w.points for p in series]
        max_t = max((p[0] for p in points), default=0.0)
        max_z = max((p[1] for p in points), default=0.0)
        p1, p2 = PICTURES[w.code]
        if c["note"]:
            out.append("// " + c["note"])
        # The bold state of the slots the panel shows, "1" bold, before "Calculation".
        bold = "".join("1" if b else "0" for b in w.bold[:len(mp.NAMES[w.code])])
        out.append("{%s, %d, %d, %d, %s, %s, %s, %s, {%s}, %d, %s, %s, {%s}, {%s}, {%s}, %r, %r, "
                   "%s, %s, %s, {%s}}," % (
                       s(c["name"]), c["phenomenon"], c["obstacle"], c["jet"], pairs(on(GLOBAL)),
                       pairs(on(LOCAL)), pairs(on(STRUCTURE)), pairs(complementary),
                       ", ".join("{%s, %s, %s}" % (s("bbtn" + box), s(button), s(text))
                                 for box, button, text in picks),
                       w.code, s(bold), s(title),
                       ", ".join("{%s, %d, %s, %s, %s}" % (s(stem), i + 2, s(a), s(b), s(u))
                                 for i, (stem, (a, b, u)) in enumerate(zip(stems, rows))),
                       ", ".join(s(t) for t in w.titles),
                       ", ".join(str(len(p)) for p in w.points), max_t, max_z,
                       "true" if w.graphic else "false", s(p1), s(p2) if p2 else "nullptr",
                       ", ".join("{%s, %s, %s}" % (s(a), s(b), s(u))
                                 for a, b, u in report_lines(w, rows))))
    print("\n".join(out))


if __name__ == "__main__":
    main()

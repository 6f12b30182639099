#include "untGeneral.h"

#include <charconv>
#include <cmath>
#include <string>

namespace taldor {

#define TALDOR_FIELD(name) \
    RealField { #name, &ProblemState::name }

const std::vector<RealField>& RealFields() {
    static const std::vector<RealField> fields = {
        TALDOR_FIELD(AguaDens),
        TALDOR_FIELD(AguaTemp),
        TALDOR_FIELD(SediDensMate),
        TALDOR_FIELD(SediDiamMedi),
        TALDOR_FIELD(ForzAcelGrav),
        TALDOR_FIELD(FlujCaud),
        TALDOR_FIELD(CaucAnchCauc),
        TALDOR_FIELD(CaucCoefMannCauc),
        TALDOR_FIELD(AltuRugoCauc),
        TALDOR_FIELD(FlujTiraRest),
        TALDOR_FIELD(EstrAltuSaltFond),
        TALDOR_FIELD(EstrLongPlat),
        TALDOR_FIELD(EstrAltuAper),
        TALDOR_FIELD(EstrLongEstr),
        TALDOR_FIELD(EstrAnchEstr),
        TALDOR_FIELD(EstrAnchPila),
        TALDOR_FIELD(EstrLongPila),
        TALDOR_FIELD(EstrDiamAper),
        TALDOR_FIELD(EstrCantAper),
        TALDOR_FIELD(SediDiam90N3),
        TALDOR_FIELD(SediDiam84N3),
        TALDOR_FIELD(SediAnguRepo),
        TALDOR_FIELD(FlujDifeCargRest),
        TALDOR_FIELD(FlujAnguChorSupeLibr),
        TALDOR_FIELD(CaucPoro),
        TALDOR_FIELD(EstrCoefMannPlat),
        TALDOR_FIELD(EstrFactFormKs),
        TALDOR_FIELD(EstrFactFormKb),
        TALDOR_FIELD(EstrFactFormKl),
        TALDOR_FIELD(EstrFactCurv),
        TALDOR_FIELD(EstrFactAngu),
        TALDOR_FIELD(EstrFactPoro),
        TALDOR_FIELD(EstrFactGrup),
        TALDOR_FIELD(EstrAnguAtaq),
        TALDOR_FIELD(AguaViscCine),
        TALDOR_FIELD(CaudEspe),
        TALDOR_FIELD(SediDensRela),
        TALDOR_FIELD(SediDiamAdim),
        TALDOR_FIELD(OutpParaMoviCrit),
        TALDOR_FIELD(SediVeloCortCrit),
        TALDOR_FIELD(CaucCoefChez),
        TALDOR_FIELD(FlujRelaVeloCort),
        TALDOR_FIELD(FlujVeloMedi),
        TALDOR_FIELD(FlujVeloCort),
        TALDOR_FIELD(OutpParaMovi),
        TALDOR_FIELD(FlujNumeFrou),
        TALDOR_FIELD(FlujNumeReyn),
        TALDOR_FIELD(OutpVeloCritEros),
        TALDOR_FIELD(FlujVeloChor),
        TALDOR_FIELD(FlujEspeChor),
        TALDOR_FIELD(FlujNumeFrouChor),
        TALDOR_FIELD(FlujVeloAper),
        TALDOR_FIELD(SediCoefGran),
        TALDOR_FIELD(OutpInteRelaTurb),
        TALDOR_FIELD(FlujCoefAlfa),
        TALDOR_FIELD(FlujCoefAlfaDiet),
        TALDOR_FIELD(TiemCara),
        TALDOR_FIELD(EstrAltuObst),
        TALDOR_FIELD(EstrCoefChezPlat),
        TALDOR_FIELD(EstrRelaVeloCortPlat),
        TALDOR_FIELD(FlujFactChez),
        TALDOR_FIELD(EstrRelaCont),
        TALDOR_FIELD(EstrFactTota),
        TALDOR_FIELD(SediCoefGrad),
        TALDOR_FIELD(SediFactGrad),
        TALDOR_FIELD(EstrFactAnguPila),
        TALDOR_FIELD(OutpErosMaxi1),
        TALDOR_FIELD(OutpErosMaxi2),
        TALDOR_FIELD(OutpErosMaxi3),
        TALDOR_FIELD(OutpErosMaxi4),
        TALDOR_FIELD(OutpErosMaxiLech),
        TALDOR_FIELD(OutpLongFall1),
        TALDOR_FIELD(OutpLongFall2),
        TALDOR_FIELD(OutpLongFall3),
        TALDOR_FIELD(OutpPendTalu),
        TALDOR_FIELD(OutpCaudSoliFond),
        TALDOR_FIELD(OutpCaudSoliSusp),
        TALDOR_FIELD(OutpCaudSoliTota),
    };
    return fields;
}

#undef TALDOR_FIELD

Real Power(Real base, Real exponent) {
    if (base.value() <= 0.0) return Real(0.0);
    return Exp(exponent * Ln(base));
}

Real Log10(Real x) { return Ln(x) / Real(std::log(10.0)); }

Real Tanh(Real x) {
    if (x.value() > 20.0) return Real(1.0);
    if (x.value() < -20.0) return Real(-1.0);
    const Real ep = Exp(x);
    const Real em = Exp(-x);
    return (ep - em) / (ep + em);
}

Real Rad(Real x) { return x * 2.0 * Real(M_PI) / 360.0; }

std::string FormatFixed(double x, int decimals) {
    if (std::isnan(x)) return "nan";
    if (std::isinf(x)) return x > 0 ? "inf" : "-inf";
    if (decimals < 0) decimals = 0;
    // The exact decimal expansion of a double ends within 1074 digits after the point, so with
    // that precision the digits are exact and can be rounded by hand, halves away from zero.
    constexpr int kExact = 1100;
    char buf[310 + 2 + kExact];
    const double mag = std::fabs(x);
    const auto res = std::to_chars(buf, buf + sizeof(buf), mag, std::chars_format::fixed, kExact);
    std::string digits(buf, res.ptr);
    const std::size_t point = digits.find('.');
    const std::string intPart = digits.substr(0, point);
    std::string frac = digits.substr(point + 1);
    const bool roundUp = frac[static_cast<std::size_t>(decimals)] >= '5';
    std::string kept = intPart + frac.substr(0, static_cast<std::size_t>(decimals));
    if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        for (; i >= 0; --i) {
            if (kept[static_cast<std::size_t>(i)] == '9') {
                kept[static_cast<std::size_t>(i)] = '0';
            } else {
                ++kept[static_cast<std::size_t>(i)];
                break;
            }
        }
        if (i < 0) kept.insert(kept.begin(), '1');
    }
    const std::size_t intLen = kept.size() - static_cast<std::size_t>(decimals);
    std::string out = kept.substr(0, intLen);
    if (decimals > 0) out += "." + kept.substr(intLen);
    if (x < 0.0) out.insert(out.begin(), '-');
    return out;
}

Real CriticalShields(Real dStar) {
    if (dStar.value() <= 4.0) return 0.24 / dStar;
    if (dStar.value() <= 10.0) return 0.14 * Power(dStar, -0.64);
    if (dStar.value() <= 20.0) return 0.04 * Power(dStar, -0.1);
    if (dStar.value() <= 150.0) return 0.013 * Power(dStar, 0.29);
    return Real(0.055);
}

void ComputeFundamentalsBeforeRoughness(ProblemState& s) {
    const Real rho = s.AguaDens, T = s.AguaTemp, rhoS = s.SediDensMate, d50 = s.SediDiamMedi,
               g = s.ForzAcelGrav, Q = s.FlujCaud, B = s.CaucAnchCauc;
    // Viscosity of water after a simple temperature law: 1e-6 m2/s at 20 degC.
    const Real nu = 4e-5 / (T + 20.0);
    s.AguaViscCine = nu;
    s.CaudEspe = Q / B;
    const Real delta = (rhoS - rho) / rho;
    s.SediDensRela = delta;
    const Real dStar = d50 * Power(delta * g / (nu * nu), 1.0 / 3.0);
    s.SediDiamAdim = dStar;
    const Real thetaC = CriticalShields(dStar);
    s.OutpParaMoviCrit = thetaC;
    s.SediVeloCortCrit = Sqrt(thetaC * d50 * g * delta);
}

void ManningFromRoughnessHeight(ProblemState& s) {
    const Real h = s.FlujTiraRest, g = s.ForzAcelGrav, ks = s.AltuRugoCauc;
    // Logarithmic velocity law over a rough bed. It has no meaning once the roughness height
    // reaches 12 h: the logarithm is then zero (a division by zero below) or negative, which
    // would give a negative Manning coefficient; that case is refused as an invalid operation.
    const Real lnArg = Ln(12.0 * h / ks);
    if (lnArg.value() < 0.0) ThrowFpFault(FpFault::Invalid);
    s.CaucCoefMannCauc = 0.4 * Power(h, 1.0 / 6.0) / (Sqrt(g) * lnArg);
}

void ComputeFundamentalsAfterRoughness(ProblemState& s) {
    const Real h = s.FlujTiraRest, g = s.ForzAcelGrav, n = s.CaucCoefMannCauc, q = s.CaudEspe,
               delta = s.SediDensRela, d50 = s.SediDiamMedi, nu = s.AguaViscCine,
               uStarC = s.SediVeloCortCrit;
    const Real C = Power(h, 1.0 / 6.0) / n;
    s.CaucCoefChez = C;
    const Real ratio = Sqrt(g) / C;
    s.FlujRelaVeloCort = ratio;
    const Real U = q / h;
    s.FlujVeloMedi = U;
    const Real uStar = U * Sqrt(g) / C;
    s.FlujVeloCort = uStar;
    s.OutpParaMovi = uStar * uStar / (delta * g * d50);
    s.FlujNumeFrou = U / Sqrt(g * h);
    s.FlujNumeReyn = U * h / nu;
    s.OutpVeloCritEros = uStarC / ratio;
}

}  // namespace taldor

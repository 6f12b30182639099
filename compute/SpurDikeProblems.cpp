#include "SpurDikeProblems.h"

#include "FormulaPanel.h"
#include "SlotOutputs.h"
#include "VortexProblems.h"

namespace taldor {

namespace {

// Amplification of the time scale at a margin obstacle.
constexpr double kMarginAlpha = 4.2;

void ReadSpurDikeComplementary(ProblemState& s, const InputSource& in, const SlotLabels&) {
    s.EstrFactCurv = ReadBox(in, Box::EstrFactCurv);
    s.EstrFactFormKs = ReadBox(in, Box::EstrFactFormKs);
    s.EstrFactFormKb = ReadBox(in, Box::EstrFactFormKb);
    s.EstrFactFormKl = ReadBox(in, Box::EstrFactFormKl);
    s.EstrFactAngu = ReadBox(in, Box::EstrFactAngu);
    s.EstrFactPoro = ReadBox(in, Box::EstrFactPoro);
}

// The share of the river width that the obstacle closes, m = Lt / B.
void PrepareContraction(ProblemState& s) {
    const Real Lt = s.EstrAnchEstr, B = s.CaucAnchCauc;
    s.EstrRelaCont = Lt / B;
    s.FlujCoefAlfa = kMarginAlpha;
}

// Ahmad's combined factor K = 2 Kc Ks Ktheta Kp of the curvature, shape, angle and porosity
// factors.
void PrepareFactors(ProblemState& s) {
    const Real Kc = s.EstrFactCurv, Ks = s.EstrFactFormKs, Ktheta = s.EstrFactAngu,
               Kp = s.EstrFactPoro;
    s.EstrFactTota = 2.0 * Kc * Ks * Ktheta * Kp;
}

void RunSpurDike(RoutineContext& ctx) {
    ProblemState& s = ctx.state;
    const Real h = s.FlujTiraRest, U = s.FlujVeloMedi, Uc = s.OutpVeloCritEros;
    const Real alphaD = DietzAmplificationUnprotected(s.EstrRelaCont);
    s.FlujCoefAlfaDiet = alphaD;
    // Dietz's depth with the amplification just written.
    ctx.evaluateSlots({Ahmad, Liu, [](const ProblemState& st) {
                           return DietzDepth(st.FlujTiraRest, st.FlujCoefAlfaDiet, st.FlujVeloMedi,
                                             st.OutpVeloCritEros);
                       }});
    // Breusers' form holds for live-bed scour only; otherwise its depth is 0, which the results
    // show as "inactive".
    const bool breusersApplies = U.value() > Uc.value();
    if (ctx.active(3) && breusersApplies) {
        s.OutpErosMaxi4 = BreusersAbutment(s);
        ctx.titleFromLabel(3);
    } else {
        s.OutpErosMaxi4 = 0.0;
        ctx.setTitle(3, kInactive);
    }
    const Real alpha = s.FlujCoefAlfa;
    if (alpha.value() > 0.0) {
        const Real t1 = TimeScaleC(h, s.SediDensRela, s.FlujNumeFrou, s.FlujNumeReyn, Uc, U, alpha);
        s.TiemCara = t1;
        for (int k = 0; k < kSlotCount; ++k) {
            const double ze = SlotDepth(s, k);
            if (h.value() < ze && ctx.active(k) && t1.value() > 0.0 &&
                (k != 3 || breusersApplies)) {
                ctx.drawStandardCurve(k, ze);
            }
        }
    }
}

void RunProtectedSpurDike(RoutineContext& ctx) {
    ProblemState& s = ctx.state;
    s.FlujCoefAlfa = kMarginAlpha;
    const Real alpha = s.FlujCoefAlfa;
    const Real h = s.FlujTiraRest, U = s.FlujVeloMedi, Uc = s.OutpVeloCritEros;
    const Real alphaD = DietzAmplificationProtected(s.EstrRelaCont, s.EstrLongPlat, h);
    s.FlujCoefAlfaDiet = alphaD;
    // The single formula has no active state on the panel: it is always evaluated and drawn.
    const Real ze = DietzDepth(h, alphaD, U, Uc);
    s.OutpErosMaxi1 = ze;
    for (int k = 0; k < kSlotCount; ++k) ctx.titleFromLabel(k);
    if (alpha.value() > 0.0 && h.value() < ze.value()) {
        const Real t1 = TimeScaleC(h, s.SediDensRela, s.FlujNumeFrou, s.FlujNumeReyn, Uc, U, alpha);
        s.TiemCara = t1;
        if (t1.value() > 0.0) ctx.drawStandardCurve(0, ze);
    }
}

}  // namespace

Real Ahmad(const ProblemState& s) {
    const Real K = s.EstrFactTota, g = s.ForzAcelGrav, q = s.CaudEspe, m = s.EstrRelaCont,
               h = s.FlujTiraRest;
    const Real open = 1.0 - m;
    const Real contracted = open.value() > 0.0 ? Power(q / open, 2.0 / 3.0) : Real(0.0);
    return K * 2.14 * Power(g, -1.0 / 3.0) * contracted - h;
}

Real Liu(const ProblemState& s) {
    const Real Kl = s.EstrFactFormKl, h = s.FlujTiraRest, Lt = s.EstrAnchEstr, Fr = s.FlujNumeFrou;
    return Kl * h * Power(Lt / h, 0.4) * Power(Fr, 1.0 / 3.0);
}

Real BreusersAbutment(const ProblemState& s) {
    const Real Kb = s.EstrFactFormKb, Lt = s.EstrAnchEstr, h = s.FlujTiraRest, m = s.EstrRelaCont;
    return Kb * Lt * Tanh(h / Lt) + h * (Power(1.0 - m, -2.0 / 3.0) - 1.0);
}

Real DietzAmplificationUnprotected(Real m) {
    return 12.0 * m * m + 2.75;
}

Real DietzAmplificationProtected(Real m, Real L, Real h) {
    return 1.0 + Exp(-0.1 * L / h) * (12.0 * m * m + 1.75);
}

const ModelProblem kSpurDikeProblem{212, ReadSpurDikeComplementary, PrepareContraction,
                                    PrepareFactors, RunSpurDike};
const ModelProblem kProtectedSpurDikeProblem{211, nullptr, PrepareContraction, nullptr,
                                             RunProtectedSpurDike};

}  // namespace taldor

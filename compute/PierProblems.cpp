#include "PierProblems.h"

#include "FormulaPanel.h"
#include "SlotOutputs.h"

namespace taldor {

namespace {

// The slot of the switch "Critical failure lenght".
constexpr int kFailureLengthSlot = 3;

void ReadPierComplementary(ProblemState& s, const InputSource& in, const SlotLabels&) {
    s.SediDiam84N3 = ReadBox(in, Box::SediDiam84N3) / 1000.0;
    s.SediAnguRepo = ReadBox(in, Box::SediAnguRepo);
    s.EstrFactFormKs = ReadBox(in, Box::EstrFactFormKs);
    s.EstrFactGrup = ReadBox(in, Box::EstrFactGrup);
    s.EstrAnguAtaq = ReadBox(in, Box::EstrAnguAtaq);
}

// The correction factors of the pier: gradation sigma = d84/d50, the attack-angle and gradation
// factors, and their product with the shape and group factors, K = Ks Ktheta Ksigma Kg.
void PreparePierFactors(ProblemState& s) {
    const Real d84 = s.SediDiam84N3, d50 = s.SediDiamMedi;
    const Real sigma = d84 / d50;
    s.SediCoefGrad = sigma;
    const Real Ktheta = AttackAngleFactor(s.EstrAnguAtaq, s.EstrLongPila, s.EstrAnchPila);
    s.EstrFactAnguPila = Ktheta;
    const Real Ksigma = GradationFactor(sigma);
    s.SediFactGrad = Ksigma;
    const Real Ks = s.EstrFactFormKs, Kg = s.EstrFactGrup;
    s.EstrFactTota = Ks * Ktheta * Ksigma * Kg;
}

void RunBridgePier(RoutineContext& ctx) {
    ProblemState& s = ctx.state;
    ctx.evaluateSlots({BreusersPier, Csu, Johnson});
    // The switch draws no curve of its own.
    ctx.setTitle(kFailureLengthSlot, kInactive);

    const Real h = s.FlujTiraRest, U = s.FlujVeloMedi, Uc = s.OutpVeloCritEros;
    const Real sqrt2U = Sqrt(Real(2.0)) * U;
    if (sqrt2U.value() > Uc.value()) {
        s.TiemCara =
            TimeScaleB(s.EstrAnchPila, U, s.SediDensRela, s.ForzAcelGrav, s.SediDiamMedi, Uc);
        for (int k = 0; k < 3; ++k) {
            const double ze = SlotDepth(s, k);
            if (h.value() < ze && ctx.active(k)) ctx.drawStandardCurve(k, ze);
        }
    }

    if (ctx.active(kFailureLengthSlot)) {
        for (int k = 0; k < 3; ++k) {
            if (ctx.active(k)) {
                SlotFailureLength(s, k) = CriticalFailureLength(SlotDepth(s, k), s.SediAnguRepo);
            }
        }
    }
}

}  // namespace

Real AttackAngleFactor(Real thetaDeg, Real Lp, Real b) {
    const Real theta = Rad(thetaDeg);
    return Power(Cos(theta) + (Lp / b) * Sin(theta), 0.62);
}

Real GradationFactor(Real sigma) {
    if (sigma.value() < 0.25) return -0.23 * sigma * sigma + 0.387 * sigma + 0.8415;
    return 1.0417 * Power(sigma, -1.1841);
}

Real BreusersPier(const ProblemState& s) {
    const Real K = s.EstrFactTota, b = s.EstrAnchPila, h = s.FlujTiraRest, U = s.FlujVeloMedi,
               Uc = s.OutpVeloCritEros;
    const Real x = U / Uc;
    if (x.value() > 1.0) return 1.5 * K * b * Tanh(h / b);
    if (x.value() > 0.5) return 2.0 * K * b * (2.0 * x - 1.0) * Tanh(h / b);
    return Real(0.0);
}

Real Csu(const ProblemState& s) {
    const Real K = s.EstrFactTota, h = s.FlujTiraRest, Fr = s.FlujNumeFrou, b = s.EstrAnchPila;
    return 2.0 * K * h * Power(Fr, 0.43) * Power(b / h, 0.65);
}

Real Johnson(const ProblemState& s) {
    const Real K = s.EstrFactTota, h = s.FlujTiraRest, Fr = s.FlujNumeFrou, b = s.EstrAnchPila,
               sigma = s.SediCoefGrad;
    return 2.02 * K * h * Power(Fr, 0.21) * Power(sigma, -0.24) * Power(b / h, 0.65);
}

Real CriticalFailureLength(Real ys, Real phiDeg) {
    const Real phi = Rad(phiDeg);
    return ys * Cos(phi) / Sin(phi);
}

const ModelProblem kBridgePierProblem{22, ReadPierComplementary, nullptr, PreparePierFactors,
                                      RunBridgePier};

}  // namespace taldor

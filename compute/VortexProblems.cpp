#include "VortexProblems.h"

#include <cmath>

#include "FormulaPanel.h"

namespace taldor {

namespace {

void ReadVortexComplementary(ProblemState& s, const InputSource& in, const SlotLabels&) {
    s.EstrCoefMannPlat = ReadBox(in, Box::EstrCoefMannPlat);
    s.CaucPoro = ReadBox(in, Box::CaucPoro);
}

// Below a gate the obstacle is the part of the gate under the water surface, h - a.
void PrepareGateHeight(ProblemState& s) {
    const Real h = s.FlujTiraRest, a = s.EstrAltuAper;
    s.EstrAltuObst = h - a;
}

// The flow over the protection: its Chezy coefficient Cp = h^(1/6) / np, the turbulence left at
// its end, Chezy's factor fC (Cp / 40 for a protection smoother than Cp = 40, else 1), and the
// amplification alpha = 1.5 + 4.4 r0 fC of the time scale.
void PrepareVortex(ProblemState& s, Real D) {
    const Real h = s.FlujTiraRest, np = s.EstrCoefMannPlat, g = s.ForzAcelGrav, L = s.EstrLongPlat;
    const Real Cp = Power(h, 1.0 / 6.0) / np;
    s.EstrCoefChezPlat = Cp;
    const Real ratio = Sqrt(g) / Cp;
    s.EstrRelaVeloCortPlat = ratio;
    const Real r0 = TurbulenceAtProtectionEnd(D, h, L, ratio);
    s.OutpInteRelaTurb = r0;
    const Real fC = Cp.value() > 40.0 ? Cp / 40.0 : Real(1.0);
    s.FlujFactChez = fC;
    s.FlujCoefAlfa = 1.5 + 4.4 * r0 * fC;
}

void PrepareVortexJump(ProblemState& s) {
    PrepareVortex(s, s.EstrAltuSaltFond);
}
void PrepareVortexGate(ProblemState& s) {
    PrepareVortex(s, s.EstrAltuObst);
}

void RunVortex(RoutineContext& ctx) {
    ProblemState& s = ctx.state;
    const Real h = s.FlujTiraRest, U = s.FlujVeloMedi, Uc = s.OutpVeloCritEros, g = s.ForzAcelGrav,
               delta = s.SediDensRela, d50 = s.SediDiamMedi, C = s.CaucCoefChez;
    const Real r0 = s.OutpInteRelaTurb, alpha = s.FlujCoefAlfa;

    const Real alphaD = 1.0 + 3.0 * r0;
    s.FlujCoefAlfaDiet = alphaD;
    // Dietz is the problem's only formula and is evaluated whether its slot is active or not.
    const Real ze = DietzDepth(h, alphaD, U, Uc);
    s.OutpErosMaxi1 = ze;

    // Shear velocity and mobility factor of the river bed, as the fundamentals give them.
    const Real uStar = U * Sqrt(g) / C;
    s.FlujVeloCort = uStar;
    const Real theta = uStar * uStar / (delta * g * d50);
    s.OutpParaMovi = theta;

    bool curveDrawn = false;
    if (alpha.value() > 0.0) {
        const Real t1 = TimeScaleC(h, delta, s.FlujNumeFrou, s.FlujNumeReyn, Uc, U, alpha);
        s.TiemCara = t1;
        const bool drawCurve = ctx.active(0) && t1.value() > 0.0 && h.value() < ze.value();
        if (theta.value() > s.OutpParaMoviCrit) {
            // Live bed: the flow brings sediment into the hole. Bed load and suspended load in
            // van Rijn's simplified forms, with M the excess of the mean velocity over the
            // critical one, made dimensionless, to the power 2.4; the effective total counts
            // 15 % of the suspended load.
            const Real M = Power((U - Uc) / Sqrt(delta * g * d50), 2.4);
            const Real qb = 0.005 * U * h * M * Power(d50 / h, 1.2);
            s.OutpCaudSoliFond = qb;
            const Real qss = 0.012 * U * h * M * (d50 / h) * Power(Real(s.SediDiamAdim), -0.6);
            s.OutpCaudSoliSusp = qss;
            const Real qt = qb + 0.15 * qss;
            s.OutpCaudSoliTota = qt;
            if (drawCurve) {
                const Real live = ctx.drawLiveBedCurve(0, ze, qt, s.CaucPoro);
                s.OutpErosMaxiLech = live;
                ctx.titleFromLabel(0);
                s.OutpLongFall1 = 2.0 * live;
                curveDrawn = true;
            } else {
                ctx.setTitle(0, kInactive);
            }
            for (int k = 1; k < kSlotCount; ++k) ctx.titleFromLabel(k);
        } else if (drawCurve) {
            ctx.drawStandardCurve(0, ze);
            for (int k = 0; k < kSlotCount; ++k) ctx.titleFromLabel(k);
            s.OutpLongFall1 = 2.0 * ze;
            curveDrawn = true;
        }
    }
    if (!curveDrawn) {
        // Without a time evolution there is no live-bed reduction of the depth: the live-bed
        // depth is Dietz's, and the failure length is twice the depth the results show, never a
        // value of an earlier calculation.
        s.OutpErosMaxiLech = ze;
        s.OutpLongFall1 = 2.0 * ze;
    }

    // Last, because a slope beyond 90 degrees stops the calculation once all else is done.
    s.OutpPendTalu = UpstreamScourSlope(s);
}

}  // namespace

Real DietzDepth(Real h, Real alphaD, Real U, Real Uc) {
    const Real ys = h * (alphaD * U - Uc) / Uc;
    return ys.value() > 0.0 ? ys : Real(0.0);
}

Real TurbulenceAtProtectionEnd(Real D, Real h, Real L, Real ratio) {
    return Sqrt(0.0225 * Power(1.0 - D / h, -2.0) * Power((L - 6.0 * D) / (6.67 * h) + 1.0, -1.08) +
                1.45 * Power(ratio, 2.0));
}

Real UpstreamScourSlope(const ProblemState& s) {
    const Real U = s.FlujVeloMedi, delta = s.SediDensRela, g = s.ForzAcelGrav, d50 = s.SediDiamMedi,
               r0 = s.OutpInteRelaTurb, fC = s.FlujFactChez;
    const Real arg = 0.00029 * U * U / (delta * g * d50) + (0.11 + 0.75 * r0) * fC;
    return ArcSin(arg) * 180.0 / Real(M_PI);
}

const ModelProblem kVortexJumpProblem{111, ReadVortexComplementary, nullptr, PrepareVortexJump,
                                      RunVortex};
const ModelProblem kVortexGateProblem{121, ReadVortexComplementary, PrepareGateHeight,
                                      PrepareVortexGate, RunVortex};

}  // namespace taldor

#include "CulvertProblems.h"

#include <cmath>

#include "FormulaPanel.h"
#include "JetProblems.h"
#include "SlotOutputs.h"

namespace taldor {

namespace {

// d90 feeds only Qayoum (slot 1) and Hoffmans (slot 4); with both inactive the box may be empty
// and is left unread.
void ReadWideCulvertComplementary(ProblemState& s, const InputSource& in,
                                  const SlotLabels& labels) {
    if (labels.isBold(0) || labels.isBold(3))
        s.SediDiam90N3 = ReadBox(in, Box::SediDiam90N3) / 1000.0;
    s.SediAnguRepo = ReadBox(in, Box::SediAnguRepo);
    s.FlujDifeCargRest = ReadBox(in, Box::FlujDifeCargRest);
}

void ReadNarrowCulvertComplementary(ProblemState& s, const InputSource& in, const SlotLabels&) {
    s.SediDiam90N3 = ReadBox(in, Box::SediDiam90N3) / 1000.0;
}

// The jet under the gate contracts to 0.6 a; the relative turbulence intensity of a plane wall
// jet is taken as 0.6.
void PrepareWideCulvert(ProblemState& s) {
    const Real a = s.EstrAltuAper, q = s.CaudEspe, g = s.ForzAcelGrav;
    const Real yj = 0.6 * a;
    s.FlujEspeChor = yj;
    const Real Vj = q / yj;
    s.FlujVeloChor = Vj;
    s.FlujNumeFrouChor = Vj / Sqrt(g * yj);
    s.OutpInteRelaTurb = 0.6;
}

// Velocity in each of the N pipes of diameter D, the discharge shared equally.
void PreparePipeVelocity(ProblemState& s) {
    const Real Q = s.FlujCaud, N = s.EstrCantAper, D = s.EstrDiamAper;
    s.FlujVeloAper = Q / (N * (Real(M_PI) * D * D / 4.0));
}

// Relative turbulence intensity of the round jets of the pipes.
void PrepareNarrowCulvertTurbulence(ProblemState& s) {
    s.OutpInteRelaTurb = 0.3;
}

using DepthFormula = RoutineContext::DepthFormula;
using GrainDepthFormula = Real (*)(const ProblemState&, Real);

// The routine common to both culverts: slots 1 to 3 and the grain-dependent Hoffmans formula in
// slot 4, then the scour-time curves of time scale A.
void RunCulvert(RoutineContext& ctx, const DepthFormula (&first)[3], GrainDepthFormula fourth) {
    ProblemState& s = ctx.state;
    const Real r = s.OutpInteRelaTurb;
    const Real alpha = 1.0 + 3.0 * r;
    s.FlujCoefAlfa = alpha;
    ctx.evaluateSlots({first[0], first[1], first[2]});
    if (ctx.active(3)) {
        // The grain coefficient comes from a d90 read in this calculation only when Hoffmans is
        // active.
        const Real beta = GrainCoefficient(s.SediDiam90N3);
        s.SediCoefGran = beta;
        s.OutpErosMaxi4 = fourth(s, beta);
        ctx.titleFromLabel(3);
    } else {
        ctx.setTitle(3, kInactive);
    }
    const Real h = s.FlujTiraRest, U = s.FlujVeloMedi, Uc = s.OutpVeloCritEros;
    if ((alpha * U).value() > Uc.value()) {
        s.TiemCara = TimeScaleA(h, s.SediDensRela, alpha, U, Uc);
        for (int k = 0; k < kSlotCount; ++k) {
            const double ze = SlotDepth(s, k);
            if (h.value() < ze && ctx.active(k)) ctx.drawStandardCurve(k, ze);
        }
    }
}

const DepthFormula kWideCulvertFormulae[3] = {Qayoum, AltinbilekBasmaci, BreusersWallJet};
const DepthFormula kNarrowCulvertFormulae[3] = {RajaratnamBerry, Ruff, BreusersRoundJet};

void RunWideCulvert(RoutineContext& ctx) {
    RunCulvert(ctx, kWideCulvertFormulae, HoffmansWallJet);
}

void RunNarrowCulvert(RoutineContext& ctx) {
    RunCulvert(ctx, kNarrowCulvertFormulae, HoffmansRoundJet);
}

}  // namespace

Real Qayoum(const ProblemState& s) {
    const Real q = s.CaudEspe, dH = s.FlujDifeCargRest, h = s.FlujTiraRest, d90 = s.SediDiam90N3,
               g = s.ForzAcelGrav;
    return 2.78 * Power(q, 0.4) * Power(dH, 0.22) * Power(h, 0.4) /
               (Power(d90, 0.22) * Power(g, 0.2)) -
           h;
}

Real AltinbilekBasmaci(const ProblemState& s) {
    const Real yj = s.FlujEspeChor, d50 = s.SediDiamMedi, Frj = s.FlujNumeFrouChor,
               delta = s.SediDensRela;
    const Real phi = Rad(s.SediAnguRepo);
    return yj * Sqrt((Sin(phi) / Cos(phi)) * yj / d50) * Power(Frj / Sqrt(delta), 1.5);
}

Real BreusersWallJet(const ProblemState& s) {
    const Real yj = s.FlujEspeChor, Vj = s.FlujVeloChor, uStarC = s.SediVeloCortCrit;
    return 0.008 * yj * Power(Vj / uStarC, 2.0);
}

Real HoffmansWallJet(const ProblemState& s, Real beta) {
    const Real yj = s.FlujEspeChor, U = s.FlujVeloMedi, Vj = s.FlujVeloChor;
    return (50.0 / beta) * yj * (1.0 - U / Vj);
}

Real RajaratnamBerry(const ProblemState& s) {
    const Real D = s.EstrDiamAper, Vo = s.FlujVeloAper, delta = s.SediDensRela, g = s.ForzAcelGrav,
               d50 = s.SediDiamMedi;
    const Real Fo = Vo / Sqrt(delta * g * d50);
    if (Fo.value() > 2.0) return 0.4 * D * (Fo - 2.0);
    return Real(0.0);
}

Real Ruff(const ProblemState& s) {
    const Real D = s.EstrDiamAper, Q = s.FlujCaud, g = s.ForzAcelGrav;
    return 2.07 * D * Power(Q / Sqrt(Power(D, 5.0) * g), 0.45);
}

Real BreusersRoundJet(const ProblemState& s) {
    const Real D = s.EstrDiamAper, Vo = s.FlujVeloAper, uStarC = s.SediVeloCortCrit;
    return 0.08 * D * Vo / uStarC;
}

Real HoffmansRoundJet(const ProblemState& s, Real beta) {
    const Real Vo = s.FlujVeloAper, U = s.FlujVeloMedi, Q = s.FlujCaud, g = s.ForzAcelGrav;
    return (7.0 / beta) * Power((Vo - U) * Q / g, 1.0 / 3.0);
}

const ModelProblem kWideCulvertProblem{122, ReadWideCulvertComplementary, nullptr,
                                       PrepareWideCulvert, RunWideCulvert};
const ModelProblem kNarrowCulvertProblem{31, ReadNarrowCulvertComplementary, PreparePipeVelocity,
                                         PrepareNarrowCulvertTurbulence, RunNarrowCulvert};

}  // namespace taldor

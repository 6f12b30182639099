#include "JetProblems.h"

#include "FormulaPanel.h"

namespace taldor {

namespace {

void ReadJetComplementary(ProblemState& s, const InputSource& in, const SlotLabels&) {
    s.SediDiam90N3 = ReadBox(in, Box::SediDiam90N3) / 1000.0;
    s.SediAnguRepo = ReadBox(in, Box::SediAnguRepo);
    s.FlujDifeCargRest = ReadBox(in, Box::FlujDifeCargRest);
    s.FlujAnguChorSupeLibr = ReadBox(in, Box::FlujAnguChorSupeLibr);
}

// Jet velocity from the head difference, sqrt(2 g dH), and the relative turbulence intensity
// of a jet falling over a step, 1.5.
void PrepareJet(ProblemState& s) {
    const Real g = s.ForzAcelGrav, dH = s.FlujDifeCargRest;
    s.FlujVeloChor = Sqrt(2.0 * g * dH);
    s.OutpInteRelaTurb = 1.5;
}

void RunStep(RoutineContext& ctx) {
    ProblemState& s = ctx.state;
    const Real r = s.OutpInteRelaTurb;
    const Real alpha = 1.0 + 3.0 * r;
    s.FlujCoefAlfa = alpha;
    if (ctx.active(0)) {
        s.OutpErosMaxi1 = BornmannJulien(s) - Real(s.EstrAltuSaltFond);
        ctx.titleFromLabel(0);
    }
    for (int k = 1; k < kSlotCount; ++k) ctx.titleFromLabel(k);
    const Real h = s.FlujTiraRest, U = s.FlujVeloMedi, Uc = s.OutpVeloCritEros;
    if ((alpha * U).value() > Uc.value() && h.value() < s.OutpErosMaxi1) {
        s.TiemCara = TimeScaleA(h, s.SediDensRela, alpha, U, Uc);
        if (ctx.active(0)) ctx.drawStandardCurve(0, s.OutpErosMaxi1);
    }
}

void RunPlungingJet(RoutineContext& ctx) {
    ProblemState& s = ctx.state;
    // The grain coefficient is needed by Fahlbusch only; with d90 emptied that formula is
    // inactive and d90 (read as 0) must not be taken to a logarithm.
    Real beta = s.SediCoefGran;
    if (ctx.active(1)) {
        beta = GrainCoefficient(s.SediDiam90N3);
        s.SediCoefGran = beta;
    }
    const Real r = s.OutpInteRelaTurb;
    const Real alpha = 1.0 + 3.0 * r;
    s.FlujCoefAlfa = alpha;
    if (ctx.active(0)) {
        s.OutpErosMaxi1 = BornmannJulien(s);
        ctx.titleFromLabel(0);
    } else {
        ctx.setTitle(0, kInactive);
    }
    if (ctx.active(1)) {
        s.OutpErosMaxi2 = Fahlbusch(s, beta);
        ctx.titleFromLabel(1);
    } else {
        ctx.setTitle(1, kInactive);
    }
    ctx.titleFromLabel(2);
    ctx.titleFromLabel(3);
    const Real h = s.FlujTiraRest, U = s.FlujVeloMedi, Uc = s.OutpVeloCritEros;
    if ((alpha * U).value() > Uc.value()) {
        s.TiemCara = TimeScaleA(h, s.SediDensRela, alpha, U, Uc);
        const double depths[2] = {s.OutpErosMaxi1, s.OutpErosMaxi2};
        for (int k = 0; k < 2; ++k) {
            if (h.value() < depths[k] && ctx.active(k)) ctx.drawStandardCurve(k, depths[k]);
        }
    }
}

}  // namespace

Real GrainCoefficient(Real d90) {
    const Real d = 1000.0 * d90;
    if (d.value() < 13.6) {
        const Real lg = Log10(d);
        return (lg + 1.0) * (0.775 * lg + 1.7) + 1.3;
    }
    return Real(6.8);
}

Real BornmannJulien(const ProblemState& s) {
    const Real q = s.CaudEspe, delta = s.SediDensRela, g = s.ForzAcelGrav, Vj = s.FlujVeloChor,
               d90 = s.SediDiam90N3;
    const Real thetaJ = Rad(s.FlujAnguChorSupeLibr), phi = Rad(s.SediAnguRepo);
    return Real(1.8) * 1.8 * Sin(thetaJ) * Vj * Power(q, 0.6) *
           Power(Sin(phi) / Sin(phi + thetaJ), 0.8) /
           (Power(d90, 0.4) * Power(2.0 * delta * g, 0.8));
}

Real Fahlbusch(const ProblemState& s, Real beta) {
    const Real q = s.CaudEspe, g = s.ForzAcelGrav, Vj = s.FlujVeloChor;
    const Real thetaJ = Rad(s.FlujAnguChorSupeLibr);
    return (20.0 / beta) * Sqrt(Sin(thetaJ) * q * Vj / g);
}

const ModelProblem kStepProblem{1121, ReadJetComplementary, nullptr, PrepareJet, RunStep};
const ModelProblem kPlungingJetProblem{1122, ReadJetComplementary, nullptr, PrepareJet,
                                       RunPlungingJet};

}  // namespace taldor

#pragma once
// Problem of the Step (code 1121, the jet slides on the step) and Problem of the Plunging Jet
// (code 1122, the jet impacts on the free surface) behind a bottom jump whose protection is too
// short.

#include "ModelProblem.h"

namespace taldor {

// Grain coefficient beta of the jet formulae from d90 [m]: with d = d90 in millimetres,
// (log d + 1)(0.775 log d + 1.7) + 1.3 below 13.6 mm, 6.8 from there on.
Real GrainCoefficient(Real d90);

// Bornmann & Julien's depth below the jet (before the jump height is subtracted for the step):
// 1.8^2 sin(thetaJ) Vj q^0.6 (sin(phi) / sin(phi + thetaJ))^0.8 / (d90^0.4 (2 Delta g)^0.8).
Real BornmannJulien(const ProblemState& s);
// Fahlbusch: (20 / beta) sqrt(sin(thetaJ) q Vj / g).
Real Fahlbusch(const ProblemState& s, Real beta);

extern const ModelProblem kStepProblem;         // 1121
extern const ModelProblem kPlungingJetProblem;  // 1122

}  // namespace taldor

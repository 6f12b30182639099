#pragma once
// Problem of the Spur Dike/Abutment (code 212: an obstacle on the margin reaching Lt into a river
// of width B, with a bed protection too short) and Problem of the Protected Spur Dike/Abutment
// (code 211: the same with a sufficient protection, Dietz's depth reduced by it).

#include "ModelProblem.h"

namespace taldor {

// With m = Lt/B the contraction ratio and K = 2 Kc Ks Ktheta Kp the product of the factors:
// Ahmad: K 2.14 g^(-1/3) (q / (1 - m))^(2/3) - h; the contracted discharge counts as 0 once the
// dike closes the river (m >= 1).
Real Ahmad(const ProblemState& s);
// Liu: Kl h (Lt/h)^0.4 Fr^(1/3).
Real Liu(const ProblemState& s);
// Breusers: Kb Lt tanh(h/Lt) + h ((1 - m)^(-2/3) - 1).
Real BreusersAbutment(const ProblemState& s);
// Dietz's amplification of the mean velocity at an unprotected dike, 12 m^2 + 2.75.
Real DietzAmplificationUnprotected(Real m);
// At a dike with a protection of length L: 1 + exp(-0.1 L/h) (12 m^2 + 1.75).
Real DietzAmplificationProtected(Real m, Real L, Real h);

extern const ModelProblem kSpurDikeProblem;           // 212
extern const ModelProblem kProtectedSpurDikeProblem;  // 211

}  // namespace taldor

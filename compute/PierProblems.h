#pragma once
// Problem of the Bridge Pier (code 22): a pier of width b and length Lp in the interior of the
// river. Three formulae give the equilibrium depth (Breusers, CSU, Johnson); the fourth slot is
// the switch that asks for the critical failure length of each active formula's hole.

#include "ModelProblem.h"

namespace taldor {

// Attack-angle factor Ktheta = (cos(theta) + (Lp/b) sin(theta))^0.62, theta in degrees.
Real AttackAngleFactor(Real thetaDeg, Real Lp, Real b);
// Gradation factor of the bed material from sigma = d84/d50:
// -0.23 sigma^2 + 0.387 sigma + 0.8415 below 0.25, else 1.0417 sigma^-1.1841.
Real GradationFactor(Real sigma);

// With K the combined correction factor, U the mean velocity and Uc the critical one:
// Breusers: 0 up to U/Uc = 0.5, 2 K b (2 U/Uc - 1) tanh(h/b) up to 1, 1.5 K b tanh(h/b) beyond.
Real BreusersPier(const ProblemState& s);
// CSU (Colorado State University): 2 K h Fr^0.43 (b/h)^0.65, that is ys/b = 2 K (h/b)^0.35 Fr^0.43.
Real Csu(const ProblemState& s);
// Johnson: 2.02 K h Fr^0.21 sigma^-0.24 (b/h)^0.65.
Real Johnson(const ProblemState& s);
// Length over which the bank of a hole of depth ys may slide: ys / tan(phi), phi the angle of
// repose in degrees.
Real CriticalFailureLength(Real ys, Real phiDeg);

extern const ModelProblem kBridgePierProblem;  // 22

}  // namespace taldor

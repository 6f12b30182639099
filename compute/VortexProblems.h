#pragma once
// Problem of the Confined Vortex: a bottom jump (code 111) or a gate (code 121) whose bed
// protection is long enough, so that the hole forms beyond the protection under a confined
// vortex. Its single formula is Dietz's, amplified by the turbulence left at the end of the
// protection; it alone tells clear-water from live-bed scour in its time evolution, and gives
// the solid discharges, the critical failure length and the upstream slope of the hole.

#include "ModelProblem.h"

namespace taldor {

// Dietz's equilibrium depth for a mean velocity amplified by alphaD:
// h (alphaD U - Uc) / Uc when positive, else 0 (the amplified flow does not erode).
Real DietzDepth(Real h, Real alphaD, Real U, Real Uc);

// Relative turbulence intensity at the end of a protection of length L behind an obstacle of
// height D in a flow of depth h, with sqrt(g)/Cp the protection's ratio of shear to mean velocity:
// sqrt(0.0225 (1 - D/h)^-2 ((L - 6D)/(6.67 h) + 1)^-1.08 + 1.45 (sqrt(g)/Cp)^2).
Real TurbulenceAtProtectionEnd(Real D, Real h, Real L, Real ratio);

// Upstream slope of the scour hole [deg]:
// arcsin(0.00029 U^2 / (Delta g d50) + (0.11 + 0.75 r0) fC).
Real UpstreamScourSlope(const ProblemState& s);

extern const ModelProblem kVortexJumpProblem;  // 111
extern const ModelProblem kVortexGateProblem;  // 121

}  // namespace taldor

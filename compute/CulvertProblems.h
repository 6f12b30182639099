#pragma once
// Problem of the Wide Culvert (code 122: a gate or culvert head over the whole width, its jet a
// plane wall jet, with a bed protection too short) and Problem of the Narrow Culvert (code 31:
// N circular pipes issuing three-dimensional jets).

#include "ModelProblem.h"

namespace taldor {

// Wide culvert, with q the specific discharge, h the flow depth, yj the contracted jet thickness,
// Vj its velocity and Frj its Froude number.
// Qayoum: 2.78 q^0.4 dH^0.22 h^0.4 / (d90^0.22 g^0.2) - h.
Real Qayoum(const ProblemState& s);
// Altinbilek & Basmaci: yj sqrt(tan(phi) yj / d50) (Frj / sqrt(Delta))^1.5.
Real AltinbilekBasmaci(const ProblemState& s);
// Breusers for a plane wall jet: 0.008 yj (Vj / u*c)^2.
Real BreusersWallJet(const ProblemState& s);
// Hoffmans for a plane wall jet: (50 / beta) yj (1 - U / Vj).
Real HoffmansWallJet(const ProblemState& s, Real beta);

// Narrow culvert, with D the pipe diameter, Vo the velocity in each pipe and Q the total
// discharge.
// Rajaratnam & Berry: 0.4 D (Fo - 2) when the densimetric Froude number
// Fo = Vo / sqrt(Delta g d50) exceeds 2, else 0.
Real RajaratnamBerry(const ProblemState& s);
// Ruff: 2.07 D (Q / sqrt(D^5 g))^0.45.
Real Ruff(const ProblemState& s);
// Breusers for a round jet: 0.08 D Vo / u*c.
Real BreusersRoundJet(const ProblemState& s);
// Hoffmans for round jets: (7 / beta) ((Vo - U) Q / g)^(1/3).
Real HoffmansRoundJet(const ProblemState& s, Real beta);

extern const ModelProblem kWideCulvertProblem;    // 122
extern const ModelProblem kNarrowCulvertProblem;  // 31

}  // namespace taldor

#pragma once
// How the scour hole deepens with time towards its equilibrium depth. Time in hours, depths in
// metres.

#include <cmath>

#include "Real.h"

namespace taldor {

// Receives the points (time, depth) of one curve, in increasing time.
class PointSink {
public:
    virtual ~PointSink() = default;
    virtual void addPoint(double t, double z) = 0;
};

// Characteristic time t1 [h] of the scour process.
// A, jets and culverts: 330 h^2 Delta^1.7 / (alpha U - Uc)^4.3 (callers ensure alpha U > Uc).
Real TimeScaleA(Real h, Real delta, Real alpha, Real U, Real Uc);
// B, piers: 29.2 (b / (sqrt2 U)) (sqrt(Delta g d50) / (sqrt2 U - Uc))^3 (b/d50)^1.9 / 3600
// (callers ensure sqrt2 U > Uc).
Real TimeScaleB(Real b, Real U, Real delta, Real g, Real d50, Real Uc);
// C, spur dikes, abutments and the confined vortex: with x = alpha - Uc/U, 0 when x < 0, else
// 1e7 h Delta^1.5 / (x^4 Fr^2.5 Re^0.5 U) / 3600.
Real TimeScaleC(Real h, Real delta, Real Fr, Real Re, Real Uc, Real U, Real alpha);

// Depth at time t of a hole that reaches z1 at t1 and tends to ze:
// Z(t) = ze (1 - exp(ln(1 - z1/ze) (t/t1)^gamma)).
Real DepthAtTime(Real t, Real z1, Real ze, Real t1, Real gamma);

// The same law with its constant logarithm formed once, for the many points of a curve; it gives
// exactly the values of DepthAtTime.
class DepthLaw {
public:
    DepthLaw(Real z1, Real ze, Real t1, Real gamma)
        : m_ze(ze), m_t1(t1), m_gamma(gamma), m_lnRemaining(Ln(1.0 - z1 / ze)) {}

    // A curve evaluates the law thousands of times: the same operations in plain arithmetic,
    // and only a step without a finite result is taken again with checked arithmetic, which
    // stops the calculation with the fault it is.
    Real at(Real t) const {
        const double t1 = m_t1.value();
        const double x = t.value() / t1;
        if (t1 != 0.0 && std::isfinite(x)) {
            const double exponent = x > 0.0 ? m_gamma.value() * std::log(x) : 0.0;
            const double power = x > 0.0 ? std::exp(exponent) : 0.0;
            const double lnRest = m_lnRemaining.value() * power;
            const double z = m_ze.value() * (1.0 - std::exp(lnRest));
            if (std::isfinite(exponent) && std::isfinite(lnRest) && std::isfinite(z)) {
                return Real(z);
            }
        }
        return checkedAt(t);
    }

private:
    Real checkedAt(Real t) const;
    Real m_ze, m_t1, m_gamma, m_lnRemaining;
};

constexpr int kMaxCurvePoints = 5000;

// Curve filling: a fine phase from t = 0 in steps dt1 up to T1, then a coarse phase in steps dt2
// until the relative change of depth falls below 1e-6 or the curve has 5000 points. Returns the
// number of points added.
int FillCurve(PointSink& sink, Real z1, Real ze, Real t1, Real gamma, Real dt1, Real dt2, Real T1);
// The standard curve of every model problem: gamma 0.23, dt1 = 0.02 t1, dt2 = t1, T1 = 5 t1.
int FillStandardCurve(PointSink& sink, Real z1, Real ze, Real t1);

// Live-bed curve of the confined vortex: the clear-water growth of Z (gamma 0.38) reduced by the
// sediment that the flow brings into the hole, qs [m2/s] over a bed of porosity p. Ends as soon
// as the depth decreases. Returns the last depth computed.
Real FillLiveBedCurve(PointSink& sink, Real z1, Real ze, Real t1, Real qs, Real p);

}  // namespace taldor

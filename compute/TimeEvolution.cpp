#include "TimeEvolution.h"

#include "untGeneral.h"

namespace taldor {

Real TimeScaleA(Real h, Real delta, Real alpha, Real U, Real Uc) {
    return 330.0 * h * h * Power(delta, 1.7) / Power(alpha * U - Uc, 4.3);
}

Real TimeScaleB(Real b, Real U, Real delta, Real g, Real d50, Real Uc) {
    const Real sqrt2U = Sqrt(Real(2.0)) * U;
    return 29.2 * (b / sqrt2U) * Power(Sqrt(delta * g * d50) / (sqrt2U - Uc), 3.0) *
           Power(b / d50, 1.9) / 3600.0;
}

Real TimeScaleC(Real h, Real delta, Real Fr, Real Re, Real Uc, Real U, Real alpha) {
    const Real x = alpha - Uc / U;
    if (x.value() < 0.0) return Real(0.0);
    return 1e7 * h * Power(delta, 1.5) /
           (Power(x, 4.0) * Power(Fr, 2.5) * Power(Re, 0.5) * U) / 3600.0;
}

Real DepthAtTime(Real t, Real z1, Real ze, Real t1, Real gamma) {
    return ze * (1.0 - Exp(Ln(1.0 - z1 / ze) * Power(t / t1, gamma)));
}

Real DepthLaw::checkedAt(Real t) const {
    return m_ze * (1.0 - Exp(m_lnRemaining * Power(t / m_t1, m_gamma)));
}

int FillCurve(PointSink& sink, Real z1, Real ze, Real t1, Real gamma, Real dt1, Real dt2, Real T1) {
    const DepthLaw law(z1, ze, t1, gamma);
    Real t = 0.0;
    int count = 0;
    Real previous = 0.0;
    // Fine phase. The point limit also bounds this phase, so that a step too small to advance
    // the time cannot loop for ever.
    do {
        const Real z = law.at(t);
        sink.addPoint(t, z);
        ++count;
        previous = z;
        t += dt1;
    } while (t.value() <= T1.value() && count < kMaxCurvePoints);
    if (count >= kMaxCurvePoints) return count;
    // Coarse phase.
    for (;;) {
        const Real z = law.at(t);
        sink.addPoint(t, z);
        ++count;
        if (count >= kMaxCurvePoints || (Abs(z - previous) / previous).value() < 1e-6) break;
        previous = z;
        t += dt2;
    }
    return count;
}

int FillStandardCurve(PointSink& sink, Real z1, Real ze, Real t1) {
    return FillCurve(sink, z1, ze, t1, 0.23, 0.02 * t1, t1, 5.0 * t1);
}

Real FillLiveBedCurve(PointSink& sink, Real z1, Real ze, Real t1, Real qs, Real p) {
    constexpr double gamma = 0.38;
    const Real dt1 = 0.02 * t1, dt2 = t1, T1 = 5.0 * t1;
    // Sediment brought in over one fine step, as a volume of bed per unit width.
    auto supply = [&] { return qs * dt1 / (1.0 - p); };
    const DepthLaw law(z1, ze, t1, gamma);
    Real z = 0.0, zc = 0.0, t = 0.0;
    int points = 0;
    // Fine phase: t = i dt1, as a product.
    for (int i = 1;; ++i) {
        t = Real(static_cast<double>(i)) * dt1;
        const Real zp = z, zcp = zc;
        zc = law.at(t);
        z = Sqrt(zp * zp + (6.0 * (zc * zc - zcp * zcp) - supply()) / 20.0);
        sink.addPoint(t, z);
        ++points;
        if (!(t.value() < T1.value()) || points >= kMaxCurvePoints) break;
    }
    // Coarse phase.
    for (int steps = 0;;) {
        t += dt2;
        ++steps;
        const Real zp = z, zcp = zc;
        zc = law.at(t);
        z = Sqrt(zp * zp + (6.0 * (zc * zc - zcp * zcp) - supply()) / 20.0);
        sink.addPoint(t, z);
        if (z.value() < zp.value() || steps >= kMaxCurvePoints ||
            (Abs(z - zp) / z).value() < 1e-5) {
            break;
        }
    }
    return z;
}

}  // namespace taldor

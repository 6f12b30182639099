#include "Real.h"

namespace taldor {

const char* FpFaultMessage(FpFault fault) {
    switch (fault) {
        case FpFault::Invalid:
            return "Invalid floating point operation";
        case FpFault::DivisionByZero:
            return "Floating point division by zero";
        case FpFault::Overflow:
            return "Floating point overflow";
    }
    return "Invalid floating point operation";
}

void ThrowFpFault(FpFault fault) { throw FloatingPointFault(fault); }

Real Sqrt(Real x) {
    if (x.value() < 0.0) ThrowFpFault(FpFault::Invalid);
    return Real(std::sqrt(x.value()));
}

Real Ln(Real x) {
    if (x.value() < 0.0) ThrowFpFault(FpFault::Invalid);
    if (x.value() == 0.0) ThrowFpFault(FpFault::DivisionByZero);
    return Real(std::log(x.value()));
}

Real Exp(Real x) {
    const double r = std::exp(x.value());
    if (std::isinf(r)) ThrowFpFault(FpFault::Overflow);
    return Real(r);
}

Real Sin(Real x) { return Real(std::sin(x.value())); }

Real Cos(Real x) { return Real(std::cos(x.value())); }

Real ArcSin(Real x) {
    if (x.value() < -1.0 || x.value() > 1.0) ThrowFpFault(FpFault::Invalid);
    return Real(std::asin(x.value()));
}

Real Abs(Real x) { return Real(std::fabs(x.value())); }

}  // namespace taldor

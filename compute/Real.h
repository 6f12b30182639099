#pragma once
// Checked floating-point arithmetic for the scour calculation.
//
// Every formula of the calculation is written with `Real` operands. Each operation checks its
// own result, so a calculation stops at the first operation that has no finite result, and says
// which kind of fault it was:
//   - invalid operation: square root or logarithm of a negative number, 0/0, arcsin outside [-1, 1];
//   - division by zero: a non-zero number divided by zero, the logarithm of exactly 0;
//   - overflow: an operation on finite numbers whose result is infinite.
// Underflow gives zero silently. Because every operand is finite (a non-finite result never
// escapes), these three tests are exhaustive and deterministic, whatever the optimiser does.

#include <cmath>
#include <exception>

namespace taldor {

enum class FpFault { Invalid, DivisionByZero, Overflow };

// The texts the user sees when a calculation stops on a fault.
const char* FpFaultMessage(FpFault fault);

class FloatingPointFault : public std::exception {
public:
    explicit FloatingPointFault(FpFault fault) : m_fault(fault) {}
    FpFault fault() const { return m_fault; }
    const char* what() const noexcept override { return FpFaultMessage(m_fault); }

private:
    FpFault m_fault;
};

[[noreturn]] void ThrowFpFault(FpFault fault);

class Real {
public:
    constexpr Real() = default;
    constexpr Real(double v) : m_v(v) {}  // NOLINT: implicit on purpose, formulas mix constants in
    constexpr double value() const { return m_v; }
    constexpr operator double() const { return m_v; }  // NOLINT: stores into the plain state record

    Real operator-() const { return Real(-m_v); }
    Real& operator+=(Real o) { return *this = *this + o; }
    Real& operator-=(Real o) { return *this = *this - o; }
    Real& operator*=(Real o) { return *this = *this * o; }
    Real& operator/=(Real o) { return *this = *this / o; }

    friend Real operator+(Real a, Real b) { return Finite(a.m_v + b.m_v); }
    friend Real operator-(Real a, Real b) { return Finite(a.m_v - b.m_v); }
    friend Real operator*(Real a, Real b) { return Finite(a.m_v * b.m_v); }
    friend Real operator/(Real a, Real b) {
        if (b.m_v == 0.0) ThrowFpFault(a.m_v == 0.0 ? FpFault::Invalid : FpFault::DivisionByZero);
        return Finite(a.m_v / b.m_v);
    }
    // Mixed forms, so that `2.0 * x` and `x / 3.0` stay checked and unambiguous.
    friend Real operator+(Real a, double b) { return a + Real(b); }
    friend Real operator+(double a, Real b) { return Real(a) + b; }
    friend Real operator-(Real a, double b) { return a - Real(b); }
    friend Real operator-(double a, Real b) { return Real(a) - b; }
    friend Real operator*(Real a, double b) { return a * Real(b); }
    friend Real operator*(double a, Real b) { return Real(a) * b; }
    friend Real operator/(Real a, double b) { return a / Real(b); }
    friend Real operator/(double a, Real b) { return Real(a) / b; }
    friend Real operator+(Real a, int b) { return a + Real(b); }
    friend Real operator+(int a, Real b) { return Real(a) + b; }
    friend Real operator-(Real a, int b) { return a - Real(b); }
    friend Real operator-(int a, Real b) { return Real(a) - b; }
    friend Real operator*(Real a, int b) { return a * Real(b); }
    friend Real operator*(int a, Real b) { return Real(a) * b; }
    friend Real operator/(Real a, int b) { return a / Real(b); }
    friend Real operator/(int a, Real b) { return Real(a) / b; }

private:
    static Real Finite(double r) {
        if (std::isinf(r)) ThrowFpFault(FpFault::Overflow);
        if (std::isnan(r)) ThrowFpFault(FpFault::Invalid);
        return Real(r);
    }
    double m_v = 0.0;
};

// Checked elementary functions.
Real Sqrt(Real x);
Real Ln(Real x);
Real Exp(Real x);
Real Sin(Real x);
Real Cos(Real x);
Real ArcSin(Real x);
Real Abs(Real x);

}  // namespace taldor

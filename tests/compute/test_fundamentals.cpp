// Numeric helpers and the flow and sediment fundamentals. Reference values from
// tests/compute/reference/reference_foundation.py.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "untGeneral.h"

namespace taldor {
namespace {

// Relative closeness for values computed by the same formulae in another language.
#define EXPECT_REL(actual, expected) \
    EXPECT_NEAR((actual), (expected), 1e-12 * std::fabs(expected) + 1e-300)

ProblemState DefaultGlobalData() {
    ProblemState s;
    s.AguaDens = 1000;
    s.AguaTemp = 20;
    s.SediDensMate = 2650;
    s.SediDiamMedi = 0.085;
    s.ForzAcelGrav = 9.81;
    s.FlujCaud = 3000;
    s.CaucAnchCauc = 500;
    s.FlujTiraRest = 1.2;
    s.CaucCoefMannCauc = 0.032;
    return s;
}

void Fundamentals(ProblemState& s, bool byHeight = false) {
    ComputeFundamentalsBeforeRoughness(s);
    if (byHeight) ManningFromRoughnessHeight(s);
    ComputeFundamentalsAfterRoughness(s);
}

TEST(Helpers, Power) {
    EXPECT_EQ(Power(0.0, -2.0).value(), 0.0);
    EXPECT_EQ(Power(-3.0, 2.0).value(), 0.0);
    EXPECT_REL(Power(2.0, 10.0).value(), 1024.0);
    EXPECT_REL(Power(8.0, 1.0 / 3.0).value(), 2.0);
    // exp(exponent * ln base): a large result overflows.
    EXPECT_THROW(Power(10.0, 400.0), FloatingPointFault);
    // A tiny one underflows to zero silently.
    EXPECT_EQ(Power(10.0, -400.0).value(), 0.0);
}

TEST(Helpers, Log10TanhRad) {
    EXPECT_REL(Log10(1000.0).value(), 3.0);
    EXPECT_REL(Tanh(0.5).value(), std::tanh(0.5));
    EXPECT_EQ(Tanh(0.0).value(), 0.0);
    // Far out the quotient is +-1; no overflow of e^x.
    EXPECT_EQ(Tanh(800.0).value(), 1.0);
    EXPECT_EQ(Tanh(-800.0).value(), -1.0);
    EXPECT_EQ(Tanh(20.0).value(), 1.0);
    EXPECT_REL(Rad(180.0).value(), M_PI);
    EXPECT_REL(Rad(45.0).value(), M_PI / 4);
}

TEST(Helpers, CheckedArithmeticNamesTheFault) {
    auto fault = [](auto f) {
        try {
            f();
        } catch (const FloatingPointFault& e) {
            return std::string(e.what());
        }
        return std::string("none");
    };
    const Real zero = 0.0, one = 1.0, minusOne = -1.0, huge = 1e308;
    EXPECT_EQ(fault([&] { return one / zero; }), "Floating point division by zero");
    EXPECT_EQ(fault([&] { return zero / zero; }), "Invalid floating point operation");
    EXPECT_EQ(fault([&] { return Sqrt(minusOne); }), "Invalid floating point operation");
    EXPECT_EQ(fault([&] { return Ln(minusOne); }), "Invalid floating point operation");
    EXPECT_EQ(fault([&] { return Ln(zero); }), "Floating point division by zero");
    EXPECT_EQ(fault([&] { return ArcSin(Real(1.0000001)); }), "Invalid floating point operation");
    EXPECT_EQ(fault([&] { return huge * 10.0; }), "Floating point overflow");
    EXPECT_EQ(fault([&] { return huge + huge; }), "Floating point overflow");
    EXPECT_EQ(fault([&] { return Exp(Real(710.0)); }), "Floating point overflow");
    EXPECT_EQ(fault([&] { return Real(1e-300) * 1e-300; }), "none");  // underflow is silent
    EXPECT_EQ(fault([&] { return Sqrt(Real(-0.0)); }), "none");
}

struct FormatCase {
    double x;
    int decimals;
    const char* text;
};

TEST(Helpers, FormatFixed) {
    const FormatCase cases[] = {
        {1.5, 2, "1.50"},
        {0.0468, 4, "0.0468"},
        {0.125, 2, "0.13"},  // an exact half goes away from zero
        {-0.125, 2, "-0.13"},
        {0.5, 2, "0.50"},
        {20.0, 2, "20.00"},
        {2.675, 2, "2.67"},  // 2.675 is 2.67499999... in binary
        {0.0, 3, "0.000"},
        {-0.0, 2, "0.00"},
        {9.995, 2, "9.99"},  // 9.99499999... in binary
        {9.9951, 2, "10.00"},
        {999.999, 2, "1000.00"},
        {1234567.891, 2, "1234567.89"},  // no thousands separator
        {1e20, 2, "100000000000000000000.00"},
        {2.5, 0, "3"},
        {1.0 / 3.0, 6, "0.333333"},
        {5.25e-7, 6, "0.000001"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatFixed(c.x, c.decimals), c.text) << c.x;
    }
    const std::string big = FormatFixed(1.6e308, 2);
    EXPECT_EQ(big.size(), 309u + 3u);
    EXPECT_EQ(big.find('e'), std::string::npos);
}

TEST(Fundamentals, DefaultGlobalData) {
    ProblemState s = DefaultGlobalData();
    Fundamentals(s);
    EXPECT_REL(s.AguaViscCine, 1.0000000000000002e-06);
    EXPECT_EQ(s.CaudEspe, 6.0);
    EXPECT_REL(s.SediDensRela, 1.65);
    EXPECT_REL(s.SediDiamAdim, 2150.1556990181466);
    EXPECT_EQ(s.OutpParaMoviCrit, 0.055);
    EXPECT_REL(s.SediVeloCortCrit, 0.2750852367903447);
    EXPECT_EQ(s.CaucCoefMannCauc, 0.032);
    EXPECT_REL(s.CaucCoefChez, 32.214166277701395);
    EXPECT_REL(s.FlujRelaVeloCort, 0.09722716166772863);
    EXPECT_REL(s.FlujVeloMedi, 5.0);
    EXPECT_REL(s.FlujVeloCort, 0.4861358083386431);
    EXPECT_REL(s.OutpParaMovi, 0.17176843022712535);
    EXPECT_REL(s.FlujNumeFrou, 1.4572862849638937);
    EXPECT_REL(s.FlujNumeReyn, 5999999.999999999);
    EXPECT_REL(s.OutpVeloCritEros, 2.829304404981414);
}

TEST(Fundamentals, RoughnessHeight) {
    ProblemState s = DefaultGlobalData();
    s.CaucCoefMannCauc = 0;
    s.AltuRugoCauc = 0.235;
    Fundamentals(s, true);
    // 0.4 Power(1.2, 1/6) / (sqrt(9.81) ln 61.2766) ~ 0.03199
    EXPECT_REL(s.CaucCoefMannCauc, 0.03198972618799169);
    EXPECT_REL(s.CaucCoefChez, 32.2245121708296);
    EXPECT_REL(s.OutpVeloCritEros, 2.830213063636391);
    EXPECT_REL(s.OutpParaMovi, 0.17165815314749136);
}

TEST(Fundamentals, CriticalShieldsRangesIncludeTheirUpperEnd) {
    EXPECT_REL(CriticalShields(2.0).value(), 0.12);
    EXPECT_REL(CriticalShields(4.0).value(), 0.06);  // 0.24 / D*
    EXPECT_REL(CriticalShields(10.0).value(), 0.03207214713874883);
    EXPECT_REL(CriticalShields(20.0).value(), 0.029645377964277908);
    EXPECT_REL(CriticalShields(150.0).value(), 0.055591682389214206);  // 0.013 D*^0.29
    EXPECT_EQ(CriticalShields(151.0).value(), 0.055);
    EXPECT_REL(CriticalShields(std::nextafter(4.0, 5.0)).value(),
               0.14 * std::exp(-0.64 * std::log(std::nextafter(4.0, 5.0))));
}

struct FaultCase {
    const char* name;
    void (*change)(ProblemState&);
    bool byHeight;
    const char* message;
    double ProblemState::*lastWritten;    // written before the fault
    double ProblemState::*notWritten;     // the field of the faulting step keeps its old value
};

TEST(Fundamentals, TypicalFaultsStopWithTheirMessage) {
    const FaultCase cases[] = {
        {"width zero", [](ProblemState& s) { s.CaucAnchCauc = 0; }, false,
         "Floating point division by zero", &ProblemState::AguaViscCine, &ProblemState::CaudEspe},
        {"d50 zero", [](ProblemState& s) { s.SediDiamMedi = 0; }, false,
         "Floating point division by zero", &ProblemState::SediDiamAdim,
         &ProblemState::OutpParaMoviCrit},
        {"depth zero", [](ProblemState& s) { s.FlujTiraRest = 0; }, false,
         "Floating point division by zero", &ProblemState::CaucCoefChez,
         &ProblemState::FlujRelaVeloCort},
        {"manning zero", [](ProblemState& s) { s.CaucCoefMannCauc = 0; }, false,
         "Floating point division by zero", &ProblemState::SediVeloCortCrit,
         &ProblemState::CaucCoefChez},
        {"roughness 12 h", [](ProblemState& s) { s.AltuRugoCauc = 12 * 1.2; }, true,
         "Floating point division by zero", &ProblemState::SediVeloCortCrit,
         &ProblemState::CaucCoefMannCauc},
        // Beyond 12 h the logarithmic law would give a negative Manning coefficient.
        {"roughness above 12 h", [](ProblemState& s) { s.AltuRugoCauc = 20; }, true,
         "Invalid floating point operation", &ProblemState::SediVeloCortCrit,
         &ProblemState::CaucCoefMannCauc},
        {"tiny depth", [](ProblemState& s) { s.FlujTiraRest = 1e-307; }, false,
         "Floating point overflow", &ProblemState::FlujVeloMedi, &ProblemState::FlujVeloCort},
        {"temperature -20", [](ProblemState& s) { s.AguaTemp = -20; }, false,
         "Floating point division by zero", &ProblemState::AguaDens, &ProblemState::AguaViscCine},
    };
    for (const FaultCase& c : cases) {
        ProblemState s = DefaultGlobalData();
        s.AguaViscCine = s.CaudEspe = s.OutpParaMoviCrit = s.FlujRelaVeloCort = s.CaucCoefChez =
            s.FlujVeloCort = -7;  // marks of an earlier calculation
        if (c.byHeight) s.CaucCoefMannCauc = -7;
        c.change(s);
        try {
            Fundamentals(s, c.byHeight);
            ADD_FAILURE() << c.name << ": no fault";
        } catch (const FloatingPointFault& f) {
            EXPECT_STREQ(f.what(), c.message) << c.name;
        }
        EXPECT_NE(s.*(c.lastWritten), -7) << c.name;
        EXPECT_EQ(s.*(c.notWritten), -7) << c.name;
    }
}

TEST(ProblemState, FieldListCoversEveryRealField) {
    // Every double of the record appears once in the list (sizes match: the record holds the
    // five classification fields besides the doubles).
    EXPECT_EQ(RealFields().size(), 78u);
    ProblemState s;
    int i = 0;
    for (const RealField& f : RealFields()) s.*(f.member) = ++i;
    std::set<double> seen;
    for (const RealField& f : RealFields()) seen.insert(s.*(f.member));
    EXPECT_EQ(seen.size(), RealFields().size());
}

}  // namespace
}  // namespace taldor

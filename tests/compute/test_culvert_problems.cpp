// Wide and narrow culverts: the Rajaratnam & Berry branch at Fo = 2, the faults of a closed
// opening or of no pipes, and the rule that d90 is read, and its grain coefficient formed, only
// for the formulae that need it.

#include <gtest/gtest.h>

#include "CulvertProblems.h"
#include "DirectWindow.h"

namespace taldor::testing {
namespace {

constexpr std::array<bool, 4> kAll{true, true, true, true};

TEST(RajaratnamBerry, DepthStartsAboveDensimetricFroudeTwo) {
    // Delta g d50 = 1 * 4 * 0.25 = 1, so Fo is the pipe velocity itself; D = 1.5 m.
    struct Row {
        const char* name;
        double Vo;
        double expected;  // 0.4 D (Fo - 2), by hand
    } rows[] = {
        {"below", 1.5, 0.0},
        {"exactly 2", 2.0, 0.0},
        {"just above 2", 2.0 + 1e-9, 0.4 * 1.5 * 1e-9},
        {"well above", 2.5, 0.3},
    };
    for (const Row& r : rows) {
        ProblemState s;
        s.SediDensRela = 1.0;
        s.ForzAcelGrav = 4.0;
        s.SediDiamMedi = 0.25;
        s.EstrDiamAper = 1.5;
        s.FlujVeloAper = r.Vo;
        const double depth = RajaratnamBerry(s);
        EXPECT_NEAR(depth, r.expected, 1e-15) << r.name;
        if (r.Vo > 2.0) {
            EXPECT_GT(depth, 0.0) << r.name;
        }
    }
}

TEST(WideCulvert, ClosedOpeningIsADivisionByZero) {
    // The exit check refuses a = 0; a structure read without it divides q by the jet thickness.
    DirectWindow w(122);
    w.state.EstrAltuAper = 0.0;
    w.setText(Box::SediAnguRepo, "32");
    w.setBold(kAll);
    const CalcOutcome out = w.calculate();
    EXPECT_EQ(out.status, CalcOutcome::Status::Fault);
    EXPECT_EQ(out.message, "Floating point division by zero");
    EXPECT_FALSE(w.tabs[static_cast<std::size_t>(Page::Problema)]);
    EXPECT_EQ(w.title, "");
    // Written before the fault: the fundamentals and the jet thickness.
    EXPECT_DOUBLE_EQ(w.state.FlujVeloMedi, 5.0);
    EXPECT_EQ(w.state.FlujEspeChor, 0.0);
    EXPECT_EQ(w.state.FlujVeloChor, 0.0);
}

TEST(NarrowCulvert, NoPipesOrPipesOfNoDiameterAreADivisionByZero) {
    struct Row {
        const char* name;
        double diameter;
        double count;
    } rows[] = {{"N = 0", 1.0, 0.0}, {"D = 0", 0.0, 250.0}};
    for (const Row& r : rows) {
        DirectWindow w(31);
        w.state.EstrDiamAper = r.diameter;
        w.state.EstrCantAper = r.count;
        w.setBold(kAll);
        const CalcOutcome out = w.calculate();
        EXPECT_EQ(out.status, CalcOutcome::Status::Fault) << r.name;
        EXPECT_EQ(out.message, "Floating point division by zero") << r.name;
        EXPECT_FALSE(w.tabs[static_cast<std::size_t>(Page::Problema)]) << r.name;
    }
}

TEST(WideCulvert, D90IsReadOnlyForQayoumOrHoffmans) {
    // A d90 text that is not a number stops the calculation exactly when it is read.
    struct Row {
        const char* name;
        std::array<bool, 4> bold;
        bool read;
    } rows[] = {
        {"neither", {false, true, true, false}, false},
        {"Qayoum", {true, true, true, false}, true},
        {"Hoffmans", {false, true, true, true}, true},
    };
    for (const Row& r : rows) {
        DirectWindow w(122);
        w.state.EstrAltuAper = 0.45;
        w.state.SediDiam90N3 = 0.123;
        w.setText(Box::SediAnguRepo, "32");
        w.setText(Box::SediDiam90N3, "2x");
        w.setBold(r.bold);
        const CalcOutcome out = w.calculate();
        if (r.read) {
            EXPECT_EQ(out.status, CalcOutcome::Status::InvalidInput) << r.name;
            EXPECT_EQ(out.box, Box::SediDiam90N3) << r.name;
        } else {
            EXPECT_EQ(out.status, CalcOutcome::Status::Done) << r.name;
            EXPECT_EQ(w.state.SediDiam90N3, 0.123) << r.name;
        }
    }
}

TEST(NarrowCulvert, GrainCoefficientOnlyWhenHoffmansIsActive) {
    // An emptied d90 reads as 0, whose logarithm has no value; with Hoffmans inactive the
    // coefficient is not formed and keeps the value of the calculation that last formed it.
    DirectWindow quiet(31);
    quiet.state.EstrDiamAper = 1.0;
    quiet.state.EstrCantAper = 250.0;
    quiet.state.SediCoefGran = 6.8;
    quiet.setText(Box::SediDiam90N3, "");
    quiet.setBold({true, true, true, false});
    EXPECT_EQ(quiet.calculate().status, CalcOutcome::Status::Done);
    EXPECT_EQ(quiet.state.SediCoefGran, 6.8);
    EXPECT_EQ(quiet.titles[3], "inactive");

    DirectWindow active(31);
    active.state.EstrDiamAper = 1.0;
    active.state.EstrCantAper = 250.0;
    active.setText(Box::SediDiam90N3, "");
    active.setBold(kAll);
    const CalcOutcome out = active.calculate();
    EXPECT_EQ(out.status, CalcOutcome::Status::Fault);
    EXPECT_EQ(out.message, "Floating point division by zero");
}

}  // namespace
}  // namespace taldor::testing

// Bridge pier: Breusers' branches at U/Uc = 0.5 and 1, the CSU depth against its published
// dimensionless form, depths worked by hand for K = 1, the gradation factor's branches, and the
// failure-length switch.

#include <gtest/gtest.h>

#include <cmath>

#include "DirectWindow.h"
#include "ModelCase.h"
#include "PierProblems.h"

namespace taldor::testing {
namespace {

constexpr double kTanh1 = 0.7615941559557649;  // tanh(1)

// A pier 2 m wide in 2 m of water, all correction factors 1.
ProblemState UnitPier(double U, double Uc) {
    ProblemState s;
    s.EstrFactTota = 1.0;
    s.EstrAnchPila = 2.0;
    s.FlujTiraRest = 2.0;
    s.FlujVeloMedi = U;
    s.OutpVeloCritEros = Uc;
    return s;
}

TEST(BreusersPier, BranchesAtHalfAndAtTheCriticalVelocity) {
    const double justAboveOne = std::nextafter(2.0, 4.0);  // U/Uc just above 1 with Uc = 2
    const double justAboveHalf = std::nextafter(1.0, 2.0);
    struct Row {
        const char* name;
        double U;
        double expected;  // by hand, K = 1, b = h = 2
    } rows[] = {
        {"U/Uc = 0.4", 0.8, 0.0},
        {"U/Uc = 0.5", 1.0, 0.0},
        {"U/Uc = 0.75: 2 K b (2x - 1) tanh(h/b)", 1.5, 2.0 * kTanh1},
        {"U/Uc = 1: 2 K b tanh(h/b)", 2.0, 4.0 * kTanh1},
        {"U/Uc just above 1: 1.5 K b tanh(h/b)", justAboveOne, 3.0 * kTanh1},
        {"U/Uc = 3", 6.0, 3.0 * kTanh1},
    };
    for (const Row& r : rows) {
        EXPECT_NEAR(BreusersPier(UnitPier(r.U, 2.0)), r.expected, 1e-14) << r.name;
    }
    EXPECT_GT(BreusersPier(UnitPier(justAboveHalf, 2.0)), 0.0);
}

TEST(CsuPier, AgreesWithThePublishedDimensionlessForm) {
    // ys / b = 2 K (h/b)^0.35 Fr^0.43.
    struct Row {
        double K, h, b, Fr;
    } rows[] = {{1.0, 2.0, 2.0, 0.5},
                {0.378, 1.2, 5.0, 1.4573},
                {1.3, 10.0, 1.5, 0.2},
                {0.9, 0.5, 3.0, 0.8}};
    for (const Row& r : rows) {
        ProblemState s;
        s.EstrFactTota = r.K;
        s.FlujTiraRest = r.h;
        s.EstrAnchPila = r.b;
        s.FlujNumeFrou = r.Fr;
        const double published = r.b * 2.0 * r.K * std::pow(r.h / r.b, 0.35) * std::pow(r.Fr, 0.43);
        EXPECT_NEAR(Csu(s), published, 1e-12 * published) << r.h << " " << r.b;
    }
}

TEST(PierFormulae, UnitCorrectionFactorByHand) {
    // K = 1, h = b = 2 m, Fr = 0.5, sigma = 1: CSU 2 * 2 * 0.5^0.43 = 4 * 2^-0.43 = 2.96905;
    // Johnson 2.02 * 2 * 0.5^0.21 = 4.04 * 2^-0.21 = 3.49273.
    ProblemState s = UnitPier(1.0, 2.0);
    s.FlujNumeFrou = 0.5;
    s.SediCoefGrad = 1.0;
    EXPECT_NEAR(Csu(s), 2.9690471412580983, 1e-12);
    EXPECT_NEAR(Johnson(s), 3.4927304144837756, 1e-12);
    // A hole 3 m deep in a bed of 45 degrees slides over 3 m.
    EXPECT_NEAR(CriticalFailureLength(3.0, 45.0), 3.0, 1e-12);
}

TEST(PierFactors, GradationAndAttackAngle) {
    EXPECT_NEAR(GradationFactor(0.2), -0.23 * 0.04 + 0.387 * 0.2 + 0.8415, 1e-15);
    // From 0.25 on the power law: 1.0417 * 4^1.1841.
    EXPECT_NEAR(GradationFactor(0.25), 5.378261318870721, 1e-12);
    EXPECT_NEAR(GradationFactor(200.0 / 85.0), 1.0417 * std::pow(200.0 / 85.0, -1.1841), 1e-12);
    EXPECT_DOUBLE_EQ(AttackAngleFactor(0.0, 20.0, 5.0), 1.0);
    // At 90 degrees the pier is crossed along its length: (Lp/b)^0.62, cos 90 being ~6e-17.
    EXPECT_NEAR(AttackAngleFactor(90.0, 20.0, 5.0), std::pow(4.0, 0.62), 1e-12);
}

TEST(BridgePier, FailureLengthsOnlyForActiveFormulae) {
    // Slot 2 inactive while slots 1, 3 and the switch are active: only lengths 1 and 3 are
    // recomputed; depth 2 and length 2 keep what they held.
    DirectWindow w(22);
    w.state.EstrAnchPila = 5.0;
    w.state.EstrLongPila = 5.0;
    w.state.OutpErosMaxi2 = 111.0;
    w.state.OutpLongFall1 = 221.0;
    w.state.OutpLongFall2 = 222.0;
    w.state.OutpLongFall3 = 223.0;
    w.setText(Box::EstrFactFormKs, "1");
    w.setText(Box::EstrFactGrup, "1");
    w.setText(Box::SediAnguRepo, "32");
    w.setBold({true, false, true, true});
    ASSERT_EQ(w.calculate().status, CalcOutcome::Status::Done);
    const ProblemState& s = w.state;
    const double cot32 = 1.0 / std::tan(32.0 * M_PI / 180.0);
    EXPECT_NEAR(s.OutpLongFall1, s.OutpErosMaxi1 * cot32, 1e-12);
    EXPECT_NEAR(s.OutpLongFall3, s.OutpErosMaxi3 * cot32, 1e-12);
    EXPECT_EQ(s.OutpErosMaxi2, 111.0);
    EXPECT_EQ(s.OutpLongFall2, 222.0);
    EXPECT_EQ(w.titles[1], "inactive");
    EXPECT_EQ(w.titles[3], "inactive");
}

TEST(BridgePier, FlatAngleOfReposeWithFailureLengthsIsADivisionByZero) {
    // "0" is a valid angle of repose and switches the failure lengths on.
    ModelCase c = ModelCaseNamed("BridgePierAllFormulae");
    c.boxes.push_back({"edtSediAnguRepo", "0"});
    RecordedWindow w;
    Drive(w, c);
    ASSERT_TRUE(w.wizard.panel().slot[3].bold);
    EXPECT_EQ(w.wizard.lastError().kind, ProblemWizard::CommandError::Kind::Fault);
    EXPECT_EQ(w.view.messages().back(), "Floating point division by zero");
    EXPECT_FALSE(w.wizard.tabVisible(Page::Problema));
    // The depths, which the angle of repose does not enter, came before the lengths.
    const ProblemState& s = w.wizard.state();
    for (const FieldValue& f : c.fields) {
        const std::string name = f.field;
        if (name.rfind("OutpErosMaxi", 0) == 0) {
            EXPECT_NEAR(FieldOf(s, name), f.value, Tolerance(f.value)) << name;
        }
    }
    EXPECT_EQ(s.OutpLongFall1, 0.0);
}

}  // namespace
}  // namespace taldor::testing

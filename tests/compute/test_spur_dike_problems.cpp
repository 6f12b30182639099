// Spur dikes and abutments: a protection of no length turns the protected amplification into the
// unprotected one, and a dike of no extension divides by zero in Breusers' form.

#include <gtest/gtest.h>

#include "DirectWindow.h"
#include "SpurDikeProblems.h"

namespace taldor::testing {
namespace {

TEST(SpurDikeAmplification, NoProtectionGivesTheUnprotectedAmplification) {
    // 1 + e^0 (12 m^2 + 1.75) = 12 m^2 + 2.75.
    for (double m : {0.0, 0.1, 0.5, 0.9, 1.0, 1.3}) {
        EXPECT_DOUBLE_EQ(DietzAmplificationProtected(m, 0.0, 1.2), 12.0 * m * m + 2.75) << m;
        EXPECT_DOUBLE_EQ(DietzAmplificationUnprotected(m), 12.0 * m * m + 2.75) << m;
    }
    EXPECT_DOUBLE_EQ(DietzAmplificationUnprotected(0.5), 5.75);
}

TEST(ProtectedSpurDike, NoProtectionGivesTheDietzDepthOfTheUnprotectedDike) {
    // The wizard never reaches code 211 with L = 0 (the protection test needs L > h/2); the
    // calculation itself must still agree with Dietz's slot of the unprotected dike.
    DirectWindow protectedDike(211);
    protectedDike.state.EstrAnchEstr = 250.0;
    protectedDike.state.EstrLongPlat = 0.0;
    ASSERT_EQ(protectedDike.calculate().status, CalcOutcome::Status::Done);

    DirectWindow dike(212);
    dike.state.EstrAnchEstr = 250.0;
    dike.setBold({false, false, true, false});
    ASSERT_EQ(dike.calculate().status, CalcOutcome::Status::Done);

    EXPECT_DOUBLE_EQ(protectedDike.state.FlujCoefAlfaDiet, 5.75);
    EXPECT_DOUBLE_EQ(protectedDike.state.FlujCoefAlfaDiet, dike.state.FlujCoefAlfaDiet);
    EXPECT_DOUBLE_EQ(protectedDike.state.OutpErosMaxi1, dike.state.OutpErosMaxi3);
    EXPECT_GT(protectedDike.state.OutpErosMaxi1, 0.0);
    // Its curve is drawn though its slot is plain, and the time scale is the dike's.
    EXPECT_FALSE(protectedDike.points[0].empty());
    EXPECT_EQ(protectedDike.titles[0], "Dietz");
    EXPECT_DOUBLE_EQ(protectedDike.state.TiemCara, dike.state.TiemCara);
}

TEST(SpurDike, DikeOfNoExtensionIsADivisionByZeroInBreusers) {
    DirectWindow w(212);
    w.state.EstrAnchEstr = 0.0;
    for (Box b : {Box::EstrFactCurv, Box::EstrFactFormKs, Box::EstrFactAngu, Box::EstrFactPoro,
                  Box::EstrFactFormKb, Box::EstrFactFormKl}) {
        w.setText(b, "1");
    }
    w.setBold({true, true, true, true});
    const CalcOutcome out = w.calculate();
    EXPECT_EQ(out.status, CalcOutcome::Status::Fault);
    EXPECT_EQ(out.message, "Floating point division by zero");
    // Ahmad, Liu and Dietz came first.
    EXPECT_NE(w.state.OutpErosMaxi1, 0.0);
    EXPECT_EQ(w.state.OutpErosMaxi4, 0.0);
    EXPECT_FALSE(w.tabs[static_cast<std::size_t>(Page::Problema)]);
}

}  // namespace
}  // namespace taldor::testing

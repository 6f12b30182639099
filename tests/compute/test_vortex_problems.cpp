// Confined vortex: the live-bed curve that stops when the hole starts to fill, the same problem
// behind a jump and below a gate, and the failure length that always belongs to the depth the
// Results page shows.

#include <gtest/gtest.h>

#include "ModelCase.h"

namespace taldor::testing {
namespace {

bool IsVortex(const ModelCase& c) {
    return c.code == 111 || c.code == 121;
}

TEST(ConfinedVortex, LiveBedCurveEndsAtTheFirstDecrease) {
    const ModelCase& c = ModelCaseNamed("VortexLiveBedCurveEndsWhenDepthDecreases");
    RecordedWindow w;
    Drive(w, c);
    const ProblemState& s = w.wizard.state();
    const std::vector<SeriesPoint>& points = w.wizard.series(0).points;
    // The first point is one fine step in, not at t = 0.
    ASSERT_FALSE(points.empty());
    EXPECT_NEAR(points.front().t, 0.02 * s.TiemCara, 1e-15);
    // The coarse steps of t1 start after 5 t1; the curve stops at the first of them whose depth
    // is below the one before, long before the 5000-step limit.
    std::size_t coarse = 0;
    while (coarse < points.size() && points[coarse].t <= 5.0 * s.TiemCara * (1.0 + 1e-12)) ++coarse;
    ASSERT_GT(coarse, 0u);
    ASSERT_LT(coarse + 1, points.size());
    EXPECT_LT(points.size() - coarse, 100u);
    for (std::size_t i = coarse; i + 1 < points.size(); ++i) {
        EXPECT_GE(points[i].z, points[i - 1].z) << "point " << i;
    }
    EXPECT_LT(points.back().z, points[points.size() - 2].z);
    EXPECT_EQ(s.OutpErosMaxiLech, points.back().z);
}

TEST(ConfinedVortex, JumpAndGateDifferOnlyInTheObstacleHeight) {
    // A gate 0.3 m high in 1.2 m of water leaves 0.9 m of gate under the surface, as a jump of
    // 0.9 m does.
    RecordedWindow gate, jump;
    Drive(gate, ModelCaseNamed("VortexGateLiveBed"));
    Drive(jump, ModelCaseNamed("VortexJumpSameObstacleAsGate"));
    EXPECT_EQ(gate.wizard.state().ProbCodi, 121);
    EXPECT_EQ(jump.wizard.state().ProbCodi, 111);
    for (const char* field : {"OutpInteRelaTurb", "FlujCoefAlfa", "OutpErosMaxi1", "TiemCara",
                              "OutpErosMaxiLech", "OutpLongFall1", "OutpPendTalu"}) {
        const double expected = FieldOf(jump.wizard.state(), field);
        EXPECT_NEAR(FieldOf(gate.wizard.state(), field), expected, Tolerance(expected)) << field;
    }
    ASSERT_TRUE(gate.wizard.results() && jump.wizard.results());
    const auto& a = gate.wizard.results()->rows;
    const auto& b = jump.wizard.results()->rows;
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) EXPECT_EQ(a[i].value, b[i].value) << a[i].caption;
}

TEST(ConfinedVortex, FailureLengthIsTwiceTheDepthShown) {
    // Whether or not a curve was drawn, and whatever an earlier calculation left in the window.
    int checked = 0;
    for (const ModelCase& c : ModelCases()) {
        if (!IsVortex(c) || c.fault) continue;
        RecordedWindow w;
        Drive(w, c);
        const ProblemState& s = w.wizard.state();
        const bool liveBed = s.OutpParaMovi > s.OutpParaMoviCrit;
        const double shown = liveBed ? s.OutpErosMaxiLech : s.OutpErosMaxi1;
        EXPECT_EQ(s.OutpLongFall1, 2.0 * shown) << c.name;
        ++checked;
    }
    EXPECT_GE(checked, 8);
}

TEST(ConfinedVortex, SlopeBeyondArcsinFaultsAfterTheRestOfTheRoutine) {
    const ModelCase& c = ModelCaseNamed("VortexSlopeBeyondArcsin");
    RecordedWindow w;
    Drive(w, c);
    const ProblemState& s = w.wizard.state();
    EXPECT_EQ(w.view.messages().back(), "Invalid floating point operation");
    // Depth, curve, live-bed depth and failure length are all there; only the slope is not.
    EXPECT_GT(s.OutpErosMaxi1, 0.0);
    EXPECT_GT(w.wizard.series(0).points.size(), 0u);
    EXPECT_EQ(s.OutpErosMaxiLech, w.wizard.series(0).points.back().z);
    EXPECT_EQ(s.OutpLongFall1, 2.0 * s.OutpErosMaxiLech);
    EXPECT_EQ(s.OutpPendTalu, 0.0);
    EXPECT_FALSE(w.wizard.tabVisible(Page::Problema));
    EXPECT_FALSE(w.wizard.tabVisible(Page::Grafico));
}

}  // namespace
}  // namespace taldor::testing

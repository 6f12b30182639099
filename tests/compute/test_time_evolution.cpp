// Time scales and scour-time curves. Reference values from
// tests/compute/reference/reference_foundation.py.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "TimeEvolution.h"
#include "untGeneral.h"

namespace taldor {
namespace {

#define EXPECT_REL(actual, expected) \
    EXPECT_NEAR((actual), (expected), 1e-12 * std::fabs(expected) + 1e-300)

struct Collect final : PointSink {
    std::vector<std::pair<double, double>> points;
    void addPoint(double t, double z) override { points.emplace_back(t, z); }
};

TEST(DepthAtTime, PassesThroughTheKnownDepth) {
    EXPECT_EQ(DepthAtTime(0.0, 1.0, 2.0, 1.0, 0.23).value(), 0.0);
    EXPECT_EQ(DepthAtTime(1.0, 1.0, 2.0, 1.0, 0.23).value(), 1.0);
    EXPECT_REL(DepthAtTime(0.02, 1.0, 2.0, 1.0, 0.23).value(), 0.491269731106734);
    const DepthLaw law(1.0, 2.0, 1.0, 0.23);
    for (double t : {0.0, 0.02, 0.5, 1.0, 7.0, 300.0}) {
        EXPECT_EQ(law.at(t).value(), DepthAtTime(t, 1.0, 2.0, 1.0, 0.23).value()) << t;
    }
}

TEST(StandardCurve, FirstPointsAndLength) {
    Collect c;
    const int n = FillStandardCurve(c, 1.0, 2.0, 1.0);
    ASSERT_EQ(n, 5000);  // the slow approach never settles to 1e-6: the point limit ends it
    ASSERT_EQ(c.points.size(), 5000u);
    EXPECT_EQ(c.points[0], (std::pair<double, double>{0.0, 0.0}));
    EXPECT_REL(c.points[1].first, 0.02);
    EXPECT_REL(c.points[1].second, 0.491269731106734);
    EXPECT_REL(c.points[2].first, 0.04);
    EXPECT_REL(c.points[2].second, 0.5630110556250192);
    // Fine phase up to 5 t1 (251 points, the last just below 5 by the rounding of the repeated
    // addition), then from about 5.02 t1 in steps of t1.
    int fine = 0;
    for (const auto& p : c.points) fine += p.first <= 5.0 ? 1 : 0;
    EXPECT_EQ(fine, 251);
    EXPECT_NEAR(c.points[250].first, 5.0, 1e-12);
    EXPECT_NEAR(c.points[251].first, 5.02, 1e-12);
    EXPECT_NEAR(c.points[252].first - c.points[251].first, 1.0, 1e-12);
    for (std::size_t i = 1; i < c.points.size(); ++i) {
        ASSERT_GT(c.points[i].first, c.points[i - 1].first);
        ASSERT_GE(c.points[i].second, c.points[i - 1].second);
        ASSERT_LT(c.points[i].second, 2.0);
    }
}

TEST(StandardCurve, EndsWhenTheRelativeChangeIsBelowOneMillionth) {
    Collect c;
    const int n = FillCurve(c, 1.0, 2.0, 1.0, 1.0, 0.02, 1.0, 5.0);
    EXPECT_EQ(n, 267);
    EXPECT_REL(c.points.back().first, 20.019999999999982);
    EXPECT_REL(c.points.back().second, 1.9999981189103995);
}

TEST(StandardCurve, AStepTooSmallToAdvanceTimeStillEnds) {
    Collect c;
    // t1 so small that 0.02 t1 is zero: the fine phase cannot advance, the point limit ends it.
    EXPECT_THROW(FillStandardCurve(c, 1.0, 2.0, 0.0), FloatingPointFault);  // 0/0 at t = 0
    Collect d;
    EXPECT_EQ(FillStandardCurve(d, 1.0, 2.0, 5e-324), 5000);
}

TEST(LiveBedCurve, StartsAtTheFirstStepAndEndsWhenTheDepthDecreases) {
    Collect c;
    const Real last = FillLiveBedCurve(c, 1.0, 2.0, 1.0, 0.5, 0.4);
    ASSERT_EQ(c.points.size(), 335u);
    EXPECT_REL(c.points.front().first, 0.02);
    EXPECT_REL(c.points.front().second, 0.15628913607611708);
    EXPECT_REL(c.points.back().first, 90.0);
    EXPECT_REL(c.points.back().second, 0.9324178819126662);
    EXPECT_REL(c.points[c.points.size() - 2].second, 0.9324183442901405);
    EXPECT_LT(c.points.back().second, c.points[c.points.size() - 2].second);
    EXPECT_EQ(last.value(), c.points.back().second);
}

TEST(LiveBedCurve, WithoutSupplyItSettles) {
    Collect c;
    const Real last = FillLiveBedCurve(c, 1.0, 2.0, 1.0, 0.0, 0.4);
    EXPECT_EQ(c.points.size(), 611u);
    EXPECT_REL(last.value(), 1.0938476973012512);
}

TEST(LiveBedCurve, ASupplyAboveTheGrowthIsAnInvalidOperation) {
    Collect c;
    try {
        FillLiveBedCurve(c, 1.0, 2.0, 1.0, 2.0, 0.4);
        FAIL();
    } catch (const FloatingPointFault& f) {
        EXPECT_STREQ(f.what(), "Invalid floating point operation");
    }
    // The points computed before the fault were delivered.
    EXPECT_FALSE(c.points.empty());
    // A porosity of 1 leaves no room for the sediment: division by zero.
    Collect d;
    EXPECT_THROW(FillLiveBedCurve(d, 1.0, 2.0, 1.0, 0.5, 1.0), FloatingPointFault);
}

TEST(TimeScales, ValuesAndConditions) {
    // Default fundamentals: U = 5, Uc = 2.829304404981414, Delta = 1.65.
    const double U = 5.0, Uc = 2.829304404981414, delta = 1.65;
    EXPECT_REL(TimeScaleA(1.2, delta, 5.5, U, Uc).value(), 0.0011487331128424872);
    EXPECT_REL(TimeScaleB(5.0, U, delta, 9.81, 0.085, Uc).value(), 0.27920995242976887);
    EXPECT_REL(TimeScaleC(1.2, delta, 1.4572862849638937, 5999999.999999999, Uc, U, 4.2).value(),
               0.0012900027725098466);
    // x = alpha - Uc/U below zero gives t1 = 0; exactly zero divides by zero.
    EXPECT_EQ(TimeScaleC(1.2, delta, 1.457, 6e6, Uc, U, 0.5).value(), 0.0);
    EXPECT_THROW(TimeScaleC(1.2, delta, 1.457, 6e6, 2.5, 5.0, 0.5), FloatingPointFault);
}

}  // namespace
}  // namespace taldor

// Problem of the Step and Problem of the Plunging Jet, through a headless window. Reference
// values from tests/compute/reference/reference_foundation.py.
#include <gtest/gtest.h>

#include <cmath>

#include "JetProblems.h"
#include "WindowFixture.h"

namespace taldor {
namespace {

using testing_support::Answers;
using testing_support::FollowRoad;

#define EXPECT_REL(actual, expected) \
    EXPECT_NEAR((actual), (expected), 1e-12 * std::fabs(expected) + 1e-300)

const std::vector<std::pair<Box, std::string>> kShortProtection = {
    {Box::EstrLongPlat, "4.5"}, {Box::SediAnguRepo, "30"}};
constexpr Answers kPlunging{0, 0, 0};
constexpr Answers kStep{0, 0, 1};

TEST(PlungingJet, DefaultsWithAngleOfRepose) {
    RecordedWindow w;
    FollowRoad(w, kPlunging, kShortProtection);
    ASSERT_EQ(w.wizard.state().ProbCodi, 1122);
    const int shownBefore = w.view.seriesShows(0);
    w.wizard.btnN3Click();
    const ProblemState& s = w.wizard.state();
    EXPECT_REL(s.FlujVeloChor, 7.372068909064809);
    EXPECT_EQ(s.OutpInteRelaTurb, 1.5);
    EXPECT_EQ(s.FlujCoefAlfa, 5.5);
    EXPECT_EQ(s.SediCoefGran, 6.8);
    EXPECT_REL(s.OutpErosMaxi1, 3.15071244496043);  // Bornmann & Julien, jump not subtracted
    EXPECT_REL(s.OutpErosMaxi2, 5.251693823632079);  // Fahlbusch, factor 20 / 6.8
    EXPECT_REL(s.TiemCara, 0.0011487331128424872);
    EXPECT_EQ(w.wizard.series(0).title, "Bornmann & Julien");
    EXPECT_EQ(w.wizard.series(1).title, "Fahlbusch");
    EXPECT_EQ(w.wizard.series(2).title, "inactive");
    EXPECT_EQ(w.wizard.series(3).title, "inactive");
    EXPECT_EQ(w.wizard.series(0).points.size(), 5000u);
    EXPECT_EQ(w.wizard.series(1).points.size(), 5000u);
    EXPECT_REL(w.wizard.series(1).points.back().t, 5.45995146000239);
    EXPECT_REL(w.wizard.series(1).points.back().z, 4.399456413581011);
    EXPECT_TRUE(w.wizard.tabVisible(Page::Problema));
    EXPECT_TRUE(w.wizard.tabVisible(Page::Grafico));
    EXPECT_EQ(w.wizard.activePage(), Page::Problema);
    EXPECT_EQ(w.wizard.problemTitle(), "Problem of the Plunging Jet");
    // One delivery of each changed series to the window per calculation.
    EXPECT_EQ(w.view.seriesShows(0), shownBefore + 1);
}

TEST(Step, IsThePlungingJetDepthMinusTheJump) {
    RecordedWindow w;
    FollowRoad(w, kStep, kShortProtection);
    ASSERT_EQ(w.wizard.state().ProbCodi, 1121);
    w.wizard.btnN3Click();
    const ProblemState& s = w.wizard.state();
    EXPECT_REL(s.OutpErosMaxi1, 2.40071244496043);
    EXPECT_EQ(s.FlujCoefAlfa, 5.5);
    EXPECT_EQ(w.wizard.series(0).title, "Bornmann & Julien");
    EXPECT_EQ(w.wizard.series(1).title, "inactive");
    EXPECT_EQ(w.wizard.series(0).points.size(), 5000u);
    EXPECT_EQ(w.wizard.problemTitle(), "Problem of the Step");
}

TEST(Step, InactiveSlotKeepsItsSeriesTitleAndOutput) {
    RecordedWindow w;
    FollowRoad(w, kStep, {{Box::EstrLongPlat, "4.5"}});  // no angle of repose: slot 1 plain
    ASSERT_FALSE(w.wizard.panel().slot[0].bold);
    w.wizard.btnN3Click();
    EXPECT_EQ(w.wizard.state().OutpErosMaxi1, 0.0);
    EXPECT_EQ(w.wizard.series(0).title, "(a)");
    EXPECT_EQ(w.wizard.series(1).title, "inactive");
    EXPECT_TRUE(w.wizard.series(0).points.empty());
    EXPECT_FALSE(w.wizard.tabVisible(Page::Grafico));
    EXPECT_TRUE(w.wizard.tabVisible(Page::Problema));
}

TEST(PlungingJet, EmptiedD90MakesBothFormulaeInactiveWithoutAFault) {
    RecordedWindow w;
    FollowRoad(w, kPlunging, kShortProtection);
    w.view.setBoxText(Box::SediDiam90N3, "");
    ASSERT_FALSE(w.wizard.panel().slot[0].bold);
    ASSERT_FALSE(w.wizard.panel().slot[1].bold);
    w.wizard.btnN3Click();
    EXPECT_TRUE(w.view.messages().size() == 1);  // only the protection notice
    EXPECT_EQ(w.wizard.series(0).title, "inactive");
    EXPECT_EQ(w.wizard.series(1).title, "inactive");
    EXPECT_EQ(w.wizard.state().SediCoefGran, 0.0);
    EXPECT_TRUE(w.wizard.tabVisible(Page::Problema));
}

TEST(PlungingJet, GrainCoefficientBelow13Point6Millimetres) {
    RecordedWindow w;
    auto texts = kShortProtection;
    texts.emplace_back(Box::SediDiam90N3, "5");
    FollowRoad(w, kPlunging, texts);
    w.wizard.btnN3Click();
    const ProblemState& s = w.wizard.state();
    EXPECT_REL(s.SediCoefGran, 5.108584037626804);
    EXPECT_REL(s.OutpErosMaxi1, 15.065958614287432);
    EXPECT_REL(s.OutpErosMaxi2, 6.9904924217098605);
}

TEST(GrainCoefficient, BranchesMeetAt13Point6) {
    EXPECT_NEAR(GrainCoefficient(0.0136).value(), 6.8, 1e-12);
    // Just below, the logarithmic branch gives 6.8 to within its rounding of the constants.
    EXPECT_NEAR(GrainCoefficient(0.01359999).value(), 6.8, 2e-3);
    EXPECT_EQ(GrainCoefficient(0.25).value(), 6.8);
    EXPECT_THROW(GrainCoefficient(0.0), FloatingPointFault);  // log of 0
}

TEST(PlungingJet, NoCurveWhenTheJetIsSlowerThanTheCriticalVelocity) {
    RecordedWindow w;
    auto texts = kShortProtection;
    texts.emplace_back(Box::FlujCaud, "10");  // U = 0.0167, alpha U = 0.0917 < Uc = 2.83
    FollowRoad(w, kPlunging, texts);
    w.wizard.btnN3Click();
    EXPECT_EQ(w.wizard.state().TiemCara, 0.0);  // not recomputed
    EXPECT_TRUE(w.wizard.series(0).points.empty());
    EXPECT_TRUE(w.wizard.series(1).points.empty());
    EXPECT_FALSE(w.wizard.tabVisible(Page::Grafico));
    EXPECT_TRUE(w.wizard.tabVisible(Page::Problema));
    EXPECT_GT(w.wizard.state().OutpErosMaxi2, 0.0);
}

TEST(PlungingJet, CalculationTwiceAddsThePointsAgain) {
    RecordedWindow w;
    FollowRoad(w, kPlunging, kShortProtection);
    w.wizard.btnN3Click();
    const double first = w.wizard.state().OutpErosMaxi2;
    ASSERT_TRUE(w.wizard.selectPage(Page::Nivel3));
    w.wizard.btnN3Click();
    EXPECT_EQ(w.wizard.state().OutpErosMaxi2, first);
    EXPECT_EQ(w.wizard.series(1).points.size(), 10000u);
}

TEST(Faults, AFaultInTheFundamentalsHidesResultsAndGraphic) {
    RecordedWindow w;
    auto texts = kShortProtection;
    texts.emplace_back(Box::FlujTiraRest, "1");
    FollowRoad(w, kPlunging, texts);
    w.wizard.btnN3Click();
    ASSERT_TRUE(w.wizard.tabVisible(Page::Grafico));
    ASSERT_TRUE(w.wizard.selectPage(Page::Nivel3));
    // A roughness height of 12 h: the logarithm of the roughness law is 0.
    w.view.setBoxText(Box::AltuRugoCauc, "12000");
    w.wizard.chooseRoughness(true);  // back on Global Data, Results and Graphic hidden
    ASSERT_TRUE(w.wizard.selectPage(Page::Nivel3));
    const double kept = w.wizard.state().OutpErosMaxi2;
    w.wizard.btnN3Click();
    ASSERT_EQ(w.wizard.lastError().kind, ProblemWizard::CommandError::Kind::Fault);
    EXPECT_EQ(w.view.messages().back(), "Floating point division by zero");
    EXPECT_FALSE(w.wizard.tabVisible(Page::Problema));
    EXPECT_FALSE(w.wizard.tabVisible(Page::Grafico));
    EXPECT_EQ(w.wizard.activePage(), Page::Nivel3);
    EXPECT_EQ(w.wizard.state().OutpErosMaxi2, kept);          // outputs of the last success
    EXPECT_EQ(w.wizard.state().AltuRugoCauc, 12.0);           // read before the fault
}

TEST(Faults, AFaultInThePreparationsStopsBeforeAnyPage) {
    RecordedWindow w;
    auto texts = kShortProtection;
    texts.emplace_back(Box::FlujDifeCargRest, "1e308");  // 2 g dH overflows before the root
    FollowRoad(w, kPlunging, texts);
    w.wizard.btnN3Click();
    EXPECT_EQ(w.view.messages().back(), "Floating point overflow");
    EXPECT_FALSE(w.wizard.tabVisible(Page::Problema));
    EXPECT_EQ(w.wizard.state().FlujVeloChor, 0.0);
    EXPECT_EQ(w.wizard.state().FlujDifeCargRest, 1e308);
}

TEST(Faults, AFaultInsideTheRoutineHidesTheResultsTabItHadShown) {
    RecordedWindow w;
    // A jet along the free surface over a bed at rest angle 0: sin(phi) / sin(phi + thetaJ) is
    // 0/0 in Bornmann & Julien.
    FollowRoad(w, kPlunging, {{Box::EstrLongPlat, "4.5"}, {Box::SediAnguRepo, "0"},
                              {Box::FlujAnguChorSupeLibr, "0"}});
    ASSERT_TRUE(w.wizard.panel().slot[0].bold);
    w.wizard.btnN3Click();
    EXPECT_EQ(w.view.messages().back(), "Invalid floating point operation");
    EXPECT_FALSE(w.wizard.tabVisible(Page::Problema));
    EXPECT_FALSE(w.wizard.tabVisible(Page::Grafico));
    EXPECT_FALSE(w.wizard.results().has_value());
    EXPECT_EQ(w.wizard.problemTitle(), "");
    EXPECT_EQ(w.wizard.state().SediCoefGran, 6.8);  // computed before the fault
    EXPECT_EQ(w.wizard.activePage(), Page::Nivel3);
}

}  // namespace
}  // namespace taldor

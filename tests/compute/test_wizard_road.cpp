// The road of a user through a calculation window: questions, tabs, the protection test and the
// invalidation of later pages.
#include <gtest/gtest.h>

#include "WindowFixture.h"

namespace taldor {
namespace {

using testing_support::Answers;
using testing_support::FollowRoad;
using testing_support::Tabs;
using V = std::vector<bool>;

const std::string kTooShort = "The lenght of the protection is insufficient to be effective";

TEST(Road, NewWindowShowsOnlyGlobalData) {
    RecordedWindow w;
    EXPECT_EQ(Tabs(w.wizard), (V{true, false, false, false, false, false}));
    EXPECT_EQ(w.wizard.activePage(), Page::Nivel0);
    EXPECT_EQ(w.wizard.state().ProbCodi, 0);
    for (int q = 0; q < kQuestionCount; ++q) EXPECT_FALSE(w.wizard.questionVisible(static_cast<Question>(q)));
    EXPECT_FALSE(w.wizard.roughnessByHeight());
    EXPECT_EQ(w.wizard.series(0).title, "(a)");
    EXPECT_EQ(w.wizard.series(3).title, "(d)");
}

TEST(Road, QuestionsOpenAndAnswer) {
    RecordedWindow w;
    ProblemWizard& z = w.wizard;
    z.btnN0Click();
    EXPECT_TRUE(z.questionVisible(Question::Rg0));
    EXPECT_TRUE(z.continueVisible(0));
    EXPECT_FALSE(z.pagesEnabled());
    EXPECT_FALSE(z.selectPage(Page::Nivel0));
    z.btnContAfue01Click(-1);  // nothing selected: nothing happens
    EXPECT_FALSE(z.pagesEnabled());
    EXPECT_TRUE(z.questionVisible(Question::Rg0));
    z.btnContAfue01Click(1);
    EXPECT_TRUE(z.pagesEnabled());
    EXPECT_FALSE(z.questionVisible(Question::Rg0));
    EXPECT_FALSE(z.continueVisible(0));
    EXPECT_EQ(z.activePage(), Page::Nivel1);
    EXPECT_EQ(z.state().ProbCodi, 2);
    EXPECT_EQ(z.depthCaption(), "Upstream water depth");
    z.btnN1Click();
    EXPECT_TRUE(z.questionVisible(Question::Rg01));
    EXPECT_FALSE(z.questionVisible(Question::Rg00));
    z.btnContAfue12Click(1);
    EXPECT_EQ(z.state().ClasObst, 6);
    EXPECT_EQ(z.activePage(), Page::Nivel2);
    EXPECT_EQ(z.state().ProbCodi, 22);
    EXPECT_EQ(Tabs(z), (V{true, true, true, false, false, false}));
    z.btnN2Click();
    EXPECT_EQ(z.activePage(), Page::Nivel3);
    EXPECT_EQ(z.state().ProbCodi, 22);
    EXPECT_EQ(z.state().EstrAnchPila, 5.0);
    EXPECT_EQ(z.state().EstrLongPila, 5.0);
    EXPECT_TRUE(w.view.messages().empty());
}

TEST(Road, InactiveBranchKeepsTheQuestionOpen) {
    RecordedWindow w;
    w.wizard.btnN0Click();
    w.wizard.btnContAfue01Click(2);
    EXPECT_EQ(w.wizard.depthCaption(), "Downstream water depth");
    w.wizard.btnN1Click();
    ASSERT_TRUE(w.wizard.questionVisible(Question::Rg02));
    w.wizard.btnContAfue12Click(1);
    EXPECT_EQ(w.view.messages(), std::vector<std::string>{"Inactive branch"});
    EXPECT_TRUE(w.wizard.questionVisible(Question::Rg02));
    EXPECT_FALSE(w.wizard.pagesEnabled());
    EXPECT_EQ(w.wizard.state().ClasObst, 0);
    EXPECT_EQ(w.wizard.activePage(), Page::Nivel1);
    w.wizard.btnContAfue12Click(0);
    EXPECT_EQ(w.wizard.state().ProbCodi, 31);
    EXPECT_TRUE(w.wizard.pagesEnabled());
}

struct ProtectionCase {
    const char* name;
    Answers answers;
    std::vector<std::pair<Box, std::string>> texts;
    bool message;
    int code;  // at the page reached (Complementary Data, or Results for 211)
    Page page;
};

class Protection : public ::testing::TestWithParam<ProtectionCase> {};

TEST_P(Protection, DecidesTheModelProblem) {
    const ProtectionCase& c = GetParam();
    RecordedWindow w;
    FollowRoad(w, c.answers, c.texts);
    EXPECT_EQ(!w.view.messages().empty() && w.view.messages().front() == kTooShort, c.message);
    EXPECT_EQ(w.wizard.activePage(), c.page);
    EXPECT_EQ(w.wizard.state().ProbCodi, c.code);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, Protection,
    ::testing::Values(
        // Step of 0.75 m: sufficient only beyond 6 s = 4.5 m.
        ProtectionCase{"step_at_limit", {0, 0, 0}, {{Box::EstrLongPlat, "4.5"}}, true, 1122, Page::Nivel3},
        ProtectionCase{"step_at_limit_slides", {0, 0, 1}, {{Box::EstrLongPlat, "4.5"}}, true, 1121, Page::Nivel3},
        ProtectionCase{"step_above", {0, 0, 0}, {{Box::EstrLongPlat, "4.5000001"}}, false, 111, Page::Nivel3},
        // Opening of 0.45 m, h = 1.2: R = 6 (h - a) = 4.5.
        ProtectionCase{"opening_at_limit", {0, 1, 0}, {{Box::EstrLongPlat, "4.5"}}, true, 122, Page::Nivel3},
        ProtectionCase{"opening_above", {0, 1, 0}, {{Box::EstrLongPlat, "4.51"}}, false, 121, Page::Nivel3},
        // Branches meet at a = 0.3 h = 0.36: R = 4.2 h = 5.04.
        ProtectionCase{"opening_shallow_at_limit", {0, 1, 0}, {{Box::EstrAltuAper, "0.36"}, {Box::EstrLongPlat, "5.04"}}, true, 122, Page::Nivel3},
        ProtectionCase{"opening_shallow_above", {0, 1, 0}, {{Box::EstrAltuAper, "0.3"}, {Box::EstrLongPlat, "5.05"}}, false, 121, Page::Nivel3},
        // a = h: R = 0; L = 0 is insufficient.
        ProtectionCase{"opening_full_depth_zero", {0, 1, 0}, {{Box::FlujTiraRest, "1"}, {Box::EstrAltuAper, "1"}, {Box::EstrLongPlat, "0"}}, true, 122, Page::Nivel3},
        ProtectionCase{"opening_full_depth_some", {0, 1, 0}, {{Box::FlujTiraRest, "1"}, {Box::EstrAltuAper, "1"}, {Box::EstrLongPlat, "0.01"}}, false, 121, Page::Nivel3},
        // Margin obstacle, h = 1.2: sufficient beyond 0.6; then Results at once.
        ProtectionCase{"margin_at_limit", {1, 0, 0}, {{Box::EstrLongPlat, "0.6"}}, true, 212, Page::Nivel3},
        ProtectionCase{"margin_above", {1, 0, 0}, {{Box::EstrLongPlat, "0.61"}}, false, 211, Page::Problema},
        ProtectionCase{"pier", {1, 1, 0}, {}, false, 22, Page::Nivel3},
        ProtectionCase{"narrow_culvert", {2, 0, 0}, {}, false, 31, Page::Nivel3}),
    [](const ::testing::TestParamInfo<ProtectionCase>& p) { return std::string(p.param.name); });

TEST(Road, ProtectedSpurDikeSkipsTheComplementaryPage) {
    RecordedWindow w;
    FollowRoad(w, {1, 0, 0}, {{Box::EstrLongPlat, "8.75"}});
    EXPECT_FALSE(w.wizard.tabVisible(Page::Nivel3));
    EXPECT_EQ(w.wizard.state().ClasPlatSufi, true);
    // The Complementary Data page's panel was filled for 211.
    EXPECT_EQ(w.wizard.panel().slot[0].caption, "Dietz");
    EXPECT_FALSE(w.wizard.panel().slot[0].bold);
    EXPECT_EQ(w.wizard.state().EstrAnchEstr, 250.0);
    EXPECT_EQ(w.wizard.state().EstrLongEstr, 8.75);
}

TEST(Road, JetQuestionAfterAShortProtection) {
    RecordedWindow w;
    w.view.setBoxText(Box::EstrLongPlat, "1");
    w.wizard.btnN0Click();
    w.wizard.btnContAfue01Click(0);
    w.wizard.btnN1Click();
    w.wizard.btnContAfue12Click(0);
    w.wizard.btnN2Click();
    EXPECT_EQ(w.view.messages(), std::vector<std::string>{kTooShort});
    EXPECT_TRUE(w.wizard.questionVisible(Question::Rg000));
    EXPECT_TRUE(w.wizard.continueVisible(2));
    EXPECT_FALSE(w.wizard.pagesEnabled());
    EXPECT_FALSE(w.wizard.tabVisible(Page::Nivel3));
    EXPECT_FALSE(w.wizard.state().ClasPlatSufi);
    w.wizard.btnContAfue23Click(1);
    EXPECT_EQ(w.wizard.state().ClasChor, 9);
    EXPECT_EQ(w.wizard.activePage(), Page::Nivel3);
    EXPECT_EQ(w.wizard.state().ProbCodi, 1121);
    EXPECT_FALSE(w.wizard.questionVisible(Question::Rg000));
}

TEST(Road, ProtectionOverflowIsAFault) {
    RecordedWindow w;
    FollowRoad(w, {0, 0, 0}, {{Box::EstrAltuSaltFond, "1e308"}});
    EXPECT_EQ(w.view.messages(), std::vector<std::string>{"Floating point overflow"});
    EXPECT_EQ(w.wizard.activePage(), Page::Nivel2);
    EXPECT_FALSE(w.wizard.tabVisible(Page::Nivel3));
    EXPECT_FALSE(w.wizard.questionVisible(Question::Rg000));
}

// A window calculated for the plunging jet, on its Results page.
RecordedWindow* Calculated(RecordedWindow& w) {
    FollowRoad(w, {0, 0, 0}, {{Box::EstrLongPlat, "4.5"}, {Box::SediAnguRepo, "30"}});
    w.wizard.btnN3Click();
    return &w;
}

TEST(Invalidation, SameAnswerKeepsLaterPagesAChangedOneHidesThem) {
    RecordedWindow w;
    Calculated(w);
    ASSERT_EQ(Tabs(w.wizard), (V{true, true, true, true, true, true}));
    // Back to Local Data and forward with the same answer: everything stays.
    ASSERT_TRUE(w.wizard.selectPage(Page::Nivel1));
    w.wizard.btnN1Click();
    w.wizard.btnContAfue12Click(0);
    EXPECT_EQ(Tabs(w.wizard), (V{true, true, true, true, true, true}));
    EXPECT_EQ(w.wizard.series(0).points.size(), 5000u);
    // A different phenomenon: only Global and Local Data stay, the graph is empty.
    ASSERT_TRUE(w.wizard.selectPage(Page::Nivel0));
    w.wizard.btnN0Click();
    w.wizard.btnContAfue01Click(1);
    EXPECT_EQ(Tabs(w.wizard), (V{true, true, false, false, false, false}));
    EXPECT_EQ(w.wizard.activePage(), Page::Nivel1);
    EXPECT_TRUE(w.wizard.series(0).points.empty());
    EXPECT_TRUE(w.wizard.series(1).points.empty());
    EXPECT_EQ(w.wizard.series(0).title, "Bornmann & Julien");  // titles stay
}

TEST(Invalidation, ChangedKeyValueHidesEveryLaterPage) {
    RecordedWindow w;
    Calculated(w);
    ASSERT_TRUE(w.wizard.selectPage(Page::Nivel1));
    EXPECT_TRUE(w.type(Box::FlujTiraRest, "1.2"));  // unchanged: nothing
    EXPECT_EQ(Tabs(w.wizard), (V{true, true, true, true, true, true}));
    EXPECT_EQ(w.wizard.series(0).points.size(), 5000u);
    EXPECT_TRUE(w.type(Box::FlujTiraRest, "1.3"));
    EXPECT_EQ(Tabs(w.wizard), (V{true, true, false, false, false, false}));
    EXPECT_EQ(w.wizard.activePage(), Page::Nivel1);
    EXPECT_TRUE(w.wizard.series(0).points.empty());
    EXPECT_EQ(w.wizard.state().FlujTiraRest, 1.3);  // stored at once
}

TEST(Invalidation, OrdinaryInputHidesResultsAndGraphicOnlyWhenChanged) {
    RecordedWindow w;
    Calculated(w);
    ASSERT_TRUE(w.wizard.selectPage(Page::Nivel0));
    // Unchanged discharge: tabs stay, the graph is emptied.
    EXPECT_TRUE(w.type(Box::FlujCaud, "3000"));
    EXPECT_EQ(Tabs(w.wizard), (V{true, true, true, true, true, true}));
    EXPECT_TRUE(w.wizard.series(0).points.empty());
    // Changed: Results and Graphic go.
    EXPECT_TRUE(w.type(Box::FlujCaud, "2500"));
    EXPECT_EQ(Tabs(w.wizard), (V{true, true, true, true, false, false}));
    EXPECT_EQ(w.wizard.activePage(), Page::Nivel0);
}

TEST(Invalidation, ZeroOnEntryUnchangedDoesNothing) {
    RecordedWindow w;
    Calculated(w);
    ASSERT_TRUE(w.wizard.selectPage(Page::Nivel2));
    // Longitudinal extension is not shown for this code, but an untouched empty-to-empty or
    // 0-to-0 exit of any ordinary box leaves everything, the graph included.
    EXPECT_TRUE(w.type(Box::EstrFactCurv, ""));
    EXPECT_EQ(w.wizard.series(0).points.size(), 5000u);
    EXPECT_EQ(Tabs(w.wizard), (V{true, true, true, true, true, true}));
    EXPECT_EQ(w.wizard.activePage(), Page::Nivel2);
}

TEST(Invalidation, FromEmptyOrZeroToAValueIsAChange) {
    RecordedWindow w;
    Calculated(w);
    ASSERT_TRUE(w.wizard.selectPage(Page::Nivel3));
    // An angle of repose typed into the empty box... it held "30" here; empty it first.
    EXPECT_TRUE(w.type(Box::SediAnguRepo, ""));  // 30 -> empty: a change
    EXPECT_FALSE(w.wizard.tabVisible(Page::Problema));
    w.wizard.btnN3Click();
    ASSERT_TRUE(w.wizard.tabVisible(Page::Problema));
    ASSERT_TRUE(w.wizard.selectPage(Page::Nivel3));
    EXPECT_TRUE(w.type(Box::SediAnguRepo, "30"));  // empty -> 30: a change too
    EXPECT_FALSE(w.wizard.tabVisible(Page::Problema));
    EXPECT_FALSE(w.wizard.tabVisible(Page::Grafico));
    EXPECT_TRUE(w.wizard.tabVisible(Page::Nivel3));
}

TEST(Invalidation, RoughnessOptionReturnsToGlobalData) {
    RecordedWindow w;
    Calculated(w);
    ASSERT_TRUE(w.wizard.selectPage(Page::Nivel3));
    w.wizard.chooseRoughness(true);
    EXPECT_TRUE(w.wizard.roughnessByHeight());
    EXPECT_EQ(w.wizard.activePage(), Page::Nivel0);
    EXPECT_EQ(Tabs(w.wizard), (V{true, true, true, true, false, false}));
    EXPECT_TRUE(w.wizard.series(0).points.empty());
    w.wizard.chooseRoughness(true);  // no change of selection: nothing
    ASSERT_TRUE(w.wizard.selectPage(Page::Nivel3));
    w.wizard.btnN3Click();
    EXPECT_NEAR(w.wizard.state().CaucCoefMannCauc, 0.03198972618799169, 1e-15);
}

TEST(Refusal, EmptiesTheBoxKeepsFocusAndTheValueOnEntry) {
    RecordedWindow w;
    Calculated(w);
    ASSERT_TRUE(w.wizard.selectPage(Page::Nivel0));
    w.wizard.boxEnter(Box::FlujCaud);
    w.view.setBoxText(Box::FlujCaud, "1,5");
    EXPECT_FALSE(w.wizard.boxExit(Box::FlujCaud));
    EXPECT_EQ(w.view.boxText(Box::FlujCaud), "");
    EXPECT_EQ(w.view.focused(), Box::FlujCaud);
    EXPECT_EQ(w.view.messages().back(), "El valor ingresado no es válido.");
    EXPECT_TRUE(w.wizard.tabVisible(Page::Problema));  // nothing invalidated
    // The focus comes back to the box: not a new entry. Typing the old value back is no change.
    w.wizard.boxEnter(Box::FlujCaud);
    w.view.setBoxText(Box::FlujCaud, "3000");
    EXPECT_TRUE(w.wizard.boxExit(Box::FlujCaud));
    EXPECT_TRUE(w.wizard.tabVisible(Page::Problema));
}

TEST(Refusal, SedimentDiameterHasItsOwnMessage) {
    RecordedWindow w;
    EXPECT_FALSE(w.type(Box::SediDiamMedi, "0.061"));
    EXPECT_EQ(w.view.messages().back(), "Solo se considera sedimento no cohesivo (d50 > 62 micr)");
    EXPECT_EQ(w.view.boxText(Box::SediDiamMedi), "");
    EXPECT_TRUE(w.type(Box::SediDiamMedi, "0.062"));
}

TEST(Panel, FollowsTheBoxesOfItsCode) {
    RecordedWindow w;
    FollowRoad(w, {0, 0, 0}, {{Box::EstrLongPlat, "4.5"}});
    EXPECT_FALSE(w.wizard.panel().slot[0].bold);
    EXPECT_TRUE(w.wizard.panel().slot[1].bold);
    w.view.setBoxText(Box::SediAnguRepo, "3");  // typing
    EXPECT_TRUE(w.wizard.panel().slot[0].bold);
    // A refused value empties the box, and the change turns the formula plain again.
    w.wizard.boxEnter(Box::SediAnguRepo);
    w.view.setBoxText(Box::SediAnguRepo, "95");
    EXPECT_TRUE(w.wizard.panel().slot[0].bold);
    EXPECT_FALSE(w.wizard.boxExit(Box::SediAnguRepo));
    EXPECT_FALSE(w.wizard.panel().slot[0].bold);
    EXPECT_TRUE(w.wizard.panel().slot[1].bold);
}

TEST(Panel, HighlightAddsLabelsUntilTheTimer) {
    RecordedWindow w;
    FollowRoad(w, {0, 0, 0}, {{Box::EstrLongPlat, "4.5"}});
    w.wizard.slotClick(1);
    EXPECT_TRUE(w.wizard.highlightTimerRunning());
    EXPECT_TRUE(w.wizard.labelHighlighted(Box::SediDiam90N3));
    EXPECT_FALSE(w.wizard.labelHighlighted(Box::SediAnguRepo));
    w.wizard.slotClick(0);  // adds the angle of repose, the timer runs on
    EXPECT_TRUE(w.wizard.labelHighlighted(Box::SediAnguRepo));
    w.wizard.timerTimer();
    EXPECT_FALSE(w.wizard.highlightTimerRunning());
    for (Box b : HighlightableInputs()) EXPECT_FALSE(w.wizard.labelHighlighted(b));
    EXPECT_FALSE(w.wizard.panel().slot[0].bold);  // pressing a slot never changes its style
}

TEST(Panel, RangeButtons) {
    RecordedWindow w;
    FollowRoad(w, {0, 0, 0}, {{Box::EstrLongPlat, "4.5"}});
    w.wizard.rangeButtonClick(1);
    EXPECT_EQ(w.view.sheets(), std::vector<std::string>{"TfrmRangPCZFahl"});
    w.wizard.rangeButtonClick(2);
    EXPECT_EQ(w.view.messages().back(), "Ranges of calibration/validation not available");
    EXPECT_STREQ(RangeSheetFor(1121, 1), nullptr);
    EXPECT_STREQ(RangeSheetFor(1121, 0), "TfrmRangPEnBoJu");
    EXPECT_STREQ(RangeSheetFor(31, 2), "TfrmRangPAGBreu");
    EXPECT_STREQ(RangeSheetFor(122, 2), "TfrmRangPACBreu");
    for (int code : {22, 111, 121, 211, 212}) {
        for (int k = 0; k < 4; ++k) EXPECT_EQ(RangeSheetFor(code, k), nullptr);
    }
}

TEST(Picker, WritesTheValueAndComparesWithTheTextBefore) {
    RecordedWindow w;
    Calculated(w);
    ASSERT_TRUE(w.wizard.selectPage(Page::Nivel3));
    EXPECT_TRUE(w.wizard.pickerChosen(Box::SediAnguRepo, "30"));  // same value: no change
    EXPECT_TRUE(w.wizard.tabVisible(Page::Problema));
    EXPECT_TRUE(w.wizard.pickerChosen(Box::SediAnguRepo, "29"));
    EXPECT_EQ(w.view.boxText(Box::SediAnguRepo), "29");
    EXPECT_FALSE(w.wizard.tabVisible(Page::Problema));
    EXPECT_TRUE(w.wizard.pickerChosen(Box::SediAnguRepo, ""));  // OK without a row
    EXPECT_FALSE(w.wizard.panel().slot[0].bold);
}

TEST(Windows, EachWindowHasItsOwnProblem) {
    RecordedWindow a, b;
    Calculated(a);
    EXPECT_EQ(b.wizard.state().ProbCodi, 0);
    EXPECT_EQ(b.wizard.state().ClasObst, 0);
    EXPECT_EQ(b.wizard.state().OutpErosMaxi2, 0.0);
    FollowRoad(b, {1, 1, 0});
    EXPECT_EQ(a.wizard.state().ClasFeno, 0);
    EXPECT_EQ(a.wizard.state().ProbCodi, 1122);
}

}  // namespace
}  // namespace taldor

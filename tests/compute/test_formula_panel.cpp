// The active-formula panel: names, availability rules and highlights.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "FormulaPanel.h"

namespace taldor {
namespace {

// Box texts for a rule: every box present unless listed as empty.
Presence PresentExcept(std::set<Box> empty) {
    return [empty](Box b) { return empty.count(b) == 0; };
}

std::array<bool, kSlotCount> Bold(const PanelState& p) {
    return {p.slot[0].bold, p.slot[1].bold, p.slot[2].bold, p.slot[3].bold};
}

using B4 = std::array<bool, kSlotCount>;

// The boxes that start empty.
const std::set<Box> kEmptyByDefault = {Box::SediAnguRepo,   Box::EstrFactFormKs, Box::EstrFactGrup,
                                       Box::EstrFactCurv,   Box::EstrFactAngu,   Box::EstrFactPoro,
                                       Box::EstrFactFormKb, Box::EstrFactFormKl};

TEST(FormulaPanel, DefaultInputs) {
    struct Case {
        int code;
        B4 bold;
    } cases[] = {
        {122, {true, false, true, true}},     // Qayoum, Altinbilek & Basmaci, Breusers, Hoffmans
        {22, {false, false, false, false}},   // no shape or group factor yet
        {212, {false, false, true, false}},   // only Dietz without factors
        {31, {true, true, true, true}},
        {111, {true, false, false, false}},
        {1122, {false, true, false, false}},  // no angle of repose
        {1121, {false, false, false, false}},
    };
    for (const Case& c : cases) {
        PanelState panel;
        FillPanel(panel, c.code, PresentExcept(kEmptyByDefault));
        EXPECT_EQ(Bold(panel), c.bold) << c.code;
    }
}

TEST(FormulaPanel, NamesHeightsAndHiddenSlots) {
    PanelState panel;
    FillPanel(panel, 111, PresentExcept({}));
    EXPECT_TRUE(panel.visible);
    EXPECT_EQ(panel.height, 56);
    EXPECT_EQ(panel.slot[0].caption, "Dietz");
    for (int k = 1; k < 4; ++k) {
        EXPECT_EQ(panel.slot[static_cast<std::size_t>(k)].caption, "inactive");
        EXPECT_FALSE(panel.slot[static_cast<std::size_t>(k)].shown);
    }
    FillPanel(panel, 1122, PresentExcept({}));
    EXPECT_EQ(panel.height, 80);
    EXPECT_EQ(panel.slot[1].caption, "Fahlbusch");
    FillPanel(panel, 22, PresentExcept({}));
    EXPECT_EQ(panel.height, 128);
    EXPECT_EQ(panel.slot[3].caption, "Critical failure lenght");
    // Code 211 has no rule: its slot stays plain.
    FillPanel(panel, 211, PresentExcept({}));
    EXPECT_EQ(panel.slot[0].caption, "Dietz");
    EXPECT_FALSE(panel.slot[0].bold);
    // An intermediate code hides the panel.
    FillPanel(panel, 11, PresentExcept({}));
    EXPECT_FALSE(panel.visible);
}

TEST(FormulaPanel, HiddenSlotsKeepTheirStyle) {
    PanelState panel;
    FillPanel(panel, 122, PresentExcept({}));
    ASSERT_TRUE(panel.slot[3].bold);
    FillPanel(panel, 111, PresentExcept({}));
    EXPECT_EQ(panel.slot[3].caption, "inactive");
    EXPECT_TRUE(panel.slot[3].bold);
}

TEST(FormulaPanel, RulesFollowTheBoxes) {
    struct Case {
        int code;
        std::set<Box> empty;
        B4 bold;
    } cases[] = {
        {111, {Box::CaucPoro}, {false, false, false, false}},
        {121, {Box::EstrCoefMannPlat}, {false, false, false, false}},
        {1122, {Box::SediAnguRepo}, {false, true, false, false}},
        {1122, {Box::SediDiam90N3}, {false, false, false, false}},
        {1122, {}, {true, true, false, false}},
        {122, {Box::SediDiam90N3}, {false, true, true, false}},
        {122, {Box::FlujDifeCargRest}, {false, true, true, true}},
        {212, {}, {true, true, true, true}},
        {212, {Box::EstrFactPoro}, {false, true, true, true}},
        {212, {Box::EstrFactFormKl, Box::EstrFactFormKb}, {true, false, true, false}},
        {22, {}, {true, true, true, true}},
        {22, {Box::SediDiam84N3}, {true, true, false, true}},
        {22, {Box::SediAnguRepo}, {true, true, true, false}},
        {22, {Box::EstrAnguAtaq}, {false, false, false, true}},
        {31, {Box::SediDiam90N3}, {true, true, true, false}},
    };
    for (const Case& c : cases) {
        PanelState panel;
        FillPanel(panel, c.code, PresentExcept(c.empty));
        EXPECT_EQ(Bold(panel), c.bold) << c.code;
    }
}

TEST(FormulaPanel, WhichRuleAChangedBoxReapplies) {
    EXPECT_EQ(RuleForChangedBox(Box::CaucPoro, 22), 111);
    EXPECT_EQ(RuleForChangedBox(Box::SediDiam90N3, 122), 122);
    EXPECT_EQ(RuleForChangedBox(Box::SediDiam90N3, 22), std::nullopt);
    EXPECT_EQ(RuleForChangedBox(Box::SediAnguRepo, 22), 22);
    EXPECT_EQ(RuleForChangedBox(Box::SediAnguRepo, 31), std::nullopt);
    EXPECT_EQ(RuleForChangedBox(Box::FlujDifeCargRest, 1121), 1121);
    EXPECT_EQ(RuleForChangedBox(Box::FlujAnguChorSupeLibr, 122), std::nullopt);
    EXPECT_EQ(RuleForChangedBox(Box::EstrFactFormKb, 212), 212);
    EXPECT_EQ(RuleForChangedBox(Box::EstrFactFormKs, 22), 22);
    EXPECT_EQ(RuleForChangedBox(Box::EstrFactFormKl, 31), std::nullopt);
    EXPECT_EQ(RuleForChangedBox(Box::EstrFactCurv, 0), 212);
    EXPECT_EQ(RuleForChangedBox(Box::EstrAnguAtaq, 0), 22);
    EXPECT_EQ(RuleForChangedBox(Box::FlujCaud, 122), std::nullopt);
}

TEST(FormulaPanel, HighlightLists) {
    using V = std::vector<Box>;
    EXPECT_EQ(HighlightedInputs(122, 0), (V{Box::SediDiam90N3, Box::FlujDifeCargRest}));
    EXPECT_EQ(HighlightedInputs(122, 2), V{});
    EXPECT_EQ(HighlightedInputs(122, 3), (V{Box::SediDiam90N3, Box::SediAnguRepo}));
    EXPECT_EQ(HighlightedInputs(212, 1), V{Box::EstrFactFormKl});
    EXPECT_EQ(HighlightedInputs(212, 3), V{Box::EstrFactFormKb});
    EXPECT_EQ(HighlightedInputs(22, 1), (V{Box::EstrFactFormKs, Box::EstrFactGrup, Box::EstrAnguAtaq}));
    EXPECT_EQ(HighlightedInputs(31, 0), V{});
    EXPECT_EQ(HighlightedInputs(31, 3), V{Box::SediDiam90N3});
    EXPECT_EQ(HighlightedInputs(1122, 1),
              (V{Box::SediDiam90N3, Box::FlujDifeCargRest, Box::FlujAnguChorSupeLibr}));
    EXPECT_EQ(HighlightedInputs(211, 0), V{});
    EXPECT_EQ(HighlightableInputs().size(), 15u);
}

}  // namespace
}  // namespace taldor

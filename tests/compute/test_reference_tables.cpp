// The published tables behind the pickers and the range sheets.

#include <gtest/gtest.h>

#include <set>

#include "ProblemWizard.h"
#include "ReferenceTables.h"

namespace taldor {
namespace {

struct Choice {
    const char* className;
    int index;
    const char* returned;
};

class PickerChoices : public ::testing::TestWithParam<Choice> {};

TEST_P(PickerChoices, ReturnsTheRowsValueOrTheMiddleOfItsRange) {
    const Choice& c = GetParam();
    const PickerTable* table = PickerByClass(c.className);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(ChosenValue(*table, c.index), c.returned);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PickerChoices,
    ::testing::Values(Choice{"TfrmAhmaCICC", 0, "1.00"}, Choice{"TfrmAhmaCICC", 2, "0.85"},
                      Choice{"TfrmAhmaCICC", 4, "1.10"}, Choice{"TfrmAhmaCIPO", 0, "1"},
                      Choice{"TfrmAhmaCIPO", 2, "0.6"}, Choice{"TfrmAhmaCIAA", 0, "0.8"},
                      Choice{"TfrmAhmaCIAA", 3, "1"}, Choice{"TfrmAhmaCIAA", 5, "1.1"},
                      Choice{"TfrmAnguRepo", 0, "45"}, Choice{"TfrmAnguRepo", 7, "29"},
                      Choice{"TfrmAnguRepo", 10, "10"}, Choice{"TfrmHiGrup", 0, "1.00"},
                      Choice{"TfrmHiGrup", 1, "1.15"}, Choice{"TfrmHiGrup", 11, "0.80"},
                      Choice{"TfrmHiGrup", 17, "1.00"}, Choice{"TfrmCIFOks", 0, "0.75"},
                      Choice{"TfrmCIFOks", 1, "0.7"}, Choice{"TfrmCIFOks", 7, "0.7"},
                      Choice{"TfrmCIFOks", 9, "1.2"}, Choice{"TfrmCIFOkb", 3, "2.25"},
                      Choice{"TfrmCIFOkb", 4, "3"}, Choice{"TfrmCIFOkb", 13, "1"},
                      Choice{"TfrmCIFOkl", 0, "1.10"}, Choice{"TfrmCIFOkl", 1, "2.15"},
                      // No row chosen, or an index outside the group.
                      Choice{"TfrmAnguRepo", -1, ""}, Choice{"TfrmHiGrup", 18, ""}),
    [](const auto& param_info) {
        return std::string(param_info.param.className) + "_" +
               (param_info.param.index < 0 ? std::string("none")
                                           : std::to_string(param_info.param.index));
    });

TEST(PickerTables, EightDialogsEachFillingItsBox) {
    struct Expect {
        const char* className;
        Box box;
        const char* caption;
        int choices;
    };
    const Expect expected[] = {
        {"TfrmAhmaCICC", Box::EstrFactCurv, "Correction for curvature", 5},
        {"TfrmAhmaCIPO", Box::EstrFactPoro, "Correction for porosity", 3},
        {"TfrmAhmaCIAA", Box::EstrFactAngu, "Correction for attack", 6},
        {"TfrmAnguRepo", Box::SediAnguRepo, "Angle of repose", 11},
        {"TfrmHiGrup", Box::EstrFactGrup, "Correction for group of two vertical piles", 18},
        {"TfrmCIFOks", Box::EstrFactFormKs, "Correction for cross-section form", 10},
        {"TfrmCIFOkb", Box::EstrFactFormKb, "Correction for structure form", 14},
        {"TfrmCIFOkl", Box::EstrFactFormKl, "Form correction", 2},
    };
    ASSERT_EQ(PickerTables().size(), std::size(expected));
    for (const Expect& e : expected) {
        const PickerTable* t = PickerFor(e.box);
        ASSERT_NE(t, nullptr) << e.className;
        EXPECT_STREQ(t->className, e.className);
        EXPECT_STREQ(t->caption, e.caption);
        EXPECT_EQ(ChoiceCount(*t), e.choices) << e.className;
        // The picker button beside the box names the same box.
        EXPECT_NE(Info(e.box).picker, nullptr) << e.className;
    }
    EXPECT_EQ(PickerFor(Box::AguaDens), nullptr);
}

TEST(PickerTables, EveryReturnedValuePassesTheBoxsExitCheck) {
    for (const PickerTable& t : PickerTables()) {
        for (int i = 0; i < ChoiceCount(t); ++i) {
            EXPECT_TRUE(CheckBoxText(t.box, ChosenValue(t, i)).accepted) << t.className << " " << i;
        }
        // OK without a row writes the empty text, which every factor box accepts.
        EXPECT_TRUE(CheckBoxText(t.box, "").accepted) << t.className;
    }
}

TEST(PickerTables, HeadingsCoverEveryColumn) {
    for (const PickerTable& t : PickerTables()) {
        int spanned = 0;
        for (const PickerHeading& h : t.headings) spanned += h.span;
        for (const PickerRow& r : t.rows) {
            EXPECT_EQ(static_cast<int>(r.cells.size() + r.values.size()), spanned) << t.className;
        }
    }
}

TEST(RangeSheetTables, EveryRangeButtonOpensAnExistingSheet) {
    std::set<std::string> opened;
    for (std::int32_t code : {22, 31, 111, 121, 122, 211, 212, 1121, 1122}) {
        for (int slot = 0; slot < kSlotCount; ++slot) {
            if (const char* cls = RangeSheetFor(code, slot)) {
                ASSERT_NE(RangeSheetByClass(cls), nullptr) << cls;
                opened.insert(cls);
            }
        }
    }
    // Eleven formula sheets, and the limiting slopes opened from the Results page.
    EXPECT_EQ(opened.size(), 11u);
    EXPECT_EQ(RangeSheetTables().size(), 12u);
    EXPECT_NE(RangeSheetByClass("TfrmPdteCritPVC"), nullptr);
}

TEST(RangeSheetTables, CaptionsHeadingsAndShape) {
    for (const RangeSheetTable& t : RangeSheetTables()) {
        for (const auto& row : t.rows) EXPECT_EQ(row.size(), t.headings.size()) << t.className;
    }
    const RangeSheetTable* hoff = RangeSheetByClass("TfrmRangPACHoff");
    ASSERT_NE(hoff, nullptr);
    EXPECT_STREQ(hoff->rangeHeading, "Rango");
    EXPECT_STREQ(RangeSheetByClass("TfrmRangPACQayo")->rangeHeading, "Range");
    EXPECT_EQ(RangeSheetByClass("TfrmPdteCritPVC")->rangeHeading, nullptr);
    EXPECT_STREQ(RangeSheetByClass("TfrmRangPCZFahl")->caption, "Fahlbusch formula");
    EXPECT_EQ(RangeSheetByClass("TfrmRangPCZFahl")->rows[1][0], "Downstreadm depth");
}

}  // namespace
}  // namespace taldor

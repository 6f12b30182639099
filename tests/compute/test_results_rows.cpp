// The rows of the Results page as texts, for every problem code.
#include <gtest/gtest.h>

#include <string>

#include "ResultsRows.h"

namespace taldor {
namespace {

std::array<FormulaSlot, kSlotCount> Slots(std::array<const char*, 4> captions,
                                          std::array<bool, 4> bold) {
    std::array<FormulaSlot, kSlotCount> s;
    for (std::size_t k = 0; k < 4; ++k) {
        s[k].caption = captions[k];
        s[k].bold = bold[k];
    }
    return s;
}

ProblemState Sample() {
    ProblemState s;
    s.OutpParaMoviCrit = 0.055;
    s.OutpParaMovi = 0.17176843;
    s.OutpVeloCritEros = 2.829304;
    s.OutpInteRelaTurb = 1.5;
    s.OutpErosMaxi1 = 3.15071;
    s.OutpErosMaxi2 = 0.5;
    s.OutpErosMaxi3 = 20.0;
    s.OutpErosMaxi4 = 0.125;
    s.OutpErosMaxiLech = 1.234;
    s.OutpLongFall1 = 6.3;
    s.OutpLongFall2 = 1.0;
    s.OutpLongFall3 = 40.0;
    s.OutpPendTalu = 12.345;
    s.OutpCaudSoliTota = 0.00123456;
    return s;
}

std::vector<std::string> Values(const ResultsPage& p) {
    std::vector<std::string> v;
    for (const ResultRow& r : p.rows) v.push_back(r.value);
    return v;
}

using S = std::vector<std::string>;

TEST(ResultsRows, CommonRowsAndCountsPerCode) {
    const auto all = Slots({"A", "B", "C", "D"}, {true, true, true, true});
    const std::pair<int, std::size_t> counts[] = {{22, 10}, {31, 9},  {111, 9},  {121, 9},  {122, 9},
                                                  {212, 8}, {1122, 7}, {1121, 6}, {211, 5}, {112, 0}};
    for (const auto& [code, n] : counts) {
        const ResultsPage p = BuildResultsPage(code, Sample(), all);
        EXPECT_EQ(p.rows.size(), n) << code;
        if (n == 0) continue;
        EXPECT_EQ(p.rows[0].caption, "Critical mobility factor (Shields)");
        EXPECT_EQ(p.rows[0].value, "0.0550");
        EXPECT_EQ(p.rows[1].value, "0.1718");
        EXPECT_EQ(p.rows[2].caption, "Transport condition");
        EXPECT_EQ(p.rows[2].value, "Live bed");
        EXPECT_EQ(p.rows[3].value, "2.83");
        EXPECT_EQ(p.rows[3].unit, "[m/s]");
        for (std::size_t i = 0; i < p.rows.size(); ++i) EXPECT_EQ(p.rows[i].row, static_cast<int>(i) + 2);
    }
}

TEST(ResultsRows, PlungingJet) {
    const ResultsPage p = BuildResultsPage(1122, Sample(), Slots({"Bornmann & Julien", "Fahlbusch", "inactive", "inactive"}, {true, false, false, false}));
    EXPECT_EQ(Values(p), (S{"0.0550", "0.1718", "Live bed", "2.83", "1.500", "3.15", "inactive"}));
    EXPECT_EQ(p.rows[5].caption, "Equilibrium max. scour depth (Bornmann & Julien)");
    EXPECT_EQ(p.rows[5].stem, "OutpErosMaxi1");
    EXPECT_EQ(p.rows[5].unit, "[m]");
    EXPECT_EQ(p.rows[6].caption, "Equilibrium max. scour depth (Fahlbusch)");
    EXPECT_EQ(p.rows[4].unit, "");
    EXPECT_STREQ(p.picture1, "TfrmPictPCZ");
    EXPECT_FALSE(p.secondImage);
}

TEST(ResultsRows, BridgePierFailureLengthsNeedSlotFour) {
    const auto captions = std::array<const char*, 4>{"Breusers", "CSU", "Johnson", "Critical failure lenght"};
    ResultsPage p = BuildResultsPage(22, Sample(), Slots(captions, {true, false, true, true}));
    EXPECT_EQ(Values(p), (S{"0.0550", "0.1718", "Live bed", "2.83", "3.15", "6.30", "inactive", "inactive", "20.00", "40.00"}));
    EXPECT_EQ(p.rows[5].caption, "Critical failure lenght (Breusers)");
    EXPECT_EQ(p.rows[5].stem, "OutpLongFall1");
    p = BuildResultsPage(22, Sample(), Slots(captions, {true, true, true, false}));
    EXPECT_EQ(Values(p), (S{"0.0550", "0.1718", "Live bed", "2.83", "3.15", "inactive", "0.50", "inactive", "20.00", "inactive"}));
    EXPECT_STREQ(p.picture1, "TfrmPictPPi");
}

TEST(ResultsRows, ConfinedVortexByTransportCondition) {
    const auto slots = Slots({"Dietz", "inactive", "inactive", "inactive"}, {true, false, false, false});
    ProblemState live = Sample();
    ResultsPage p = BuildResultsPage(111, live, slots);
    EXPECT_EQ(Values(p), (S{"0.0550", "0.1718", "Live bed", "2.83", "1.500", "0.001235", "1.23", "6.30", "12.35"}));
    EXPECT_EQ(p.rows[5].unit, "[m^2/s]");
    EXPECT_EQ(p.rows[7].caption, "Critical failure length");
    EXPECT_EQ(p.rows[8].caption, "Upstream scour slope");
    EXPECT_EQ(p.rows[8].unit, "[º]");
    EXPECT_EQ(p.rows[8].row, 10);
    EXPECT_TRUE(p.slopesButton);
    EXPECT_STREQ(p.picture1, "TfrmPictPVC1");
    // Equal mobility factors: clear water, "null", and the clear-water depth.
    ProblemState clear = Sample();
    clear.OutpParaMovi = clear.OutpParaMoviCrit;
    p = BuildResultsPage(121, clear, slots);
    EXPECT_EQ(Values(p), (S{"0.0550", "0.0550", "Clear water", "2.83", "1.500", "null", "3.15", "6.30", "12.35"}));
    EXPECT_STREQ(p.picture1, "TfrmPictPVC2");
    // Slot 1 plain: depth, failure length and slope read "inactive".
    p = BuildResultsPage(111, live, Slots({"Dietz", "inactive", "inactive", "inactive"}, {false, false, false, false}));
    EXPECT_EQ(Values(p)[6], "inactive");
    EXPECT_EQ(Values(p)[7], "inactive");
    EXPECT_EQ(Values(p)[8], "inactive");
}

TEST(ResultsRows, ProtectedSpurDikeIsAlwaysANumber) {
    const ResultsPage p = BuildResultsPage(211, Sample(), Slots({"Dietz", "inactive", "inactive", "inactive"}, {false, false, false, false}));
    EXPECT_EQ(Values(p), (S{"0.0550", "0.1718", "Live bed", "2.83", "3.15"}));
    EXPECT_EQ(p.rows[4].caption, "Equilibrium max. scour depth (Dietz)");
    EXPECT_STREQ(p.picture1, "TfrmPictPEP");
}

TEST(ResultsRows, SpurDikeZeroFourthDepthReadsInactive) {
    const auto captions = std::array<const char*, 4>{"Ahmad", "Liu", "Dietz", "Breusers"};
    ProblemState s = Sample();
    ResultsPage p = BuildResultsPage(212, s, Slots(captions, {true, true, true, true}));
    EXPECT_EQ(Values(p), (S{"0.0550", "0.1718", "Live bed", "2.83", "3.15", "0.50", "20.00", "0.13"}));
    EXPECT_TRUE(p.secondImage);
    EXPECT_STREQ(p.picture1, "TfrmPictPEs1");
    EXPECT_STREQ(p.picture2, "TfrmPictPES2");
    s.OutpErosMaxi4 = 0.0;
    p = BuildResultsPage(212, s, Slots(captions, {true, true, true, true}));
    EXPECT_EQ(p.rows[7].value, "inactive");
}

TEST(ResultsRows, CulvertsShowTurbulenceAndFourDepths) {
    const auto slots = Slots({"Rajaratnam & Berry", "Ruff", "Breusers", "Hoffmans"}, {true, true, false, true});
    ResultsPage p = BuildResultsPage(31, Sample(), slots);
    EXPECT_EQ(Values(p), (S{"0.0550", "0.1718", "Live bed", "2.83", "1.500", "3.15", "0.50", "inactive", "0.13"}));
    EXPECT_EQ(p.rows[8].caption, "Equilibrium max. scour depth (Hoffmans)");
    EXPECT_STREQ(p.picture1, "TfrmPictPAG");
    p = BuildResultsPage(122, Sample(), slots);
    EXPECT_STREQ(p.picture1, "TfrmPictPAC");
    EXPECT_EQ(p.rows.size(), 9u);
}

TEST(ResultsRows, NegativeDepthsAndLargeValues) {
    ProblemState s = Sample();
    s.OutpErosMaxi1 = -0.75;
    s.OutpErosMaxi2 = 1234567.0;
    const ResultsPage p = BuildResultsPage(1122, s, Slots({"Bornmann & Julien", "Fahlbusch", "inactive", "inactive"}, {true, true, false, false}));
    EXPECT_EQ(p.rows[5].value, "-0.75");
    EXPECT_EQ(p.rows[6].value, "1234567.00");
}

}  // namespace
}  // namespace taldor

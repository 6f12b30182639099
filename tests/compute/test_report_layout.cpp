// The printed report's layout: where every item stands for each problem code, and that every
// text is the window's own (typed texts character for character, captions as shown).
//
// Expected tops are worked by hand from the line rule: line n of section s stands at
// 130 + 40 s + 20 n, a heading 20 above its section's first line; Global Data takes lines 1-8,
// Local Data 9, Structure Data 10-11 (10-12 for the spur dikes), then Complementary Data and
// Results follow on.

#include <gtest/gtest.h>

#include "../support/CaseRoads.h"
#include "Classification.h"
#include "ReportLayout.h"

namespace taldor {
namespace {

ReportSource SourceForCode(std::int32_t code) {
    ReportSource source;
    source.code = code;
    source.title = ModelProblemName(code) ? ModelProblemName(code) : "";
    for (const BoxInfo& info : BoxCatalogue()) {
        source.boxTexts[static_cast<std::size_t>(info.box)] = info.defaultText;
    }
    source.depthCaption = "Downstream water depth";
    std::array<FormulaSlot, kSlotCount> slots{};
    source.results = BuildResultsPage(code, ProblemState{}, slots).rows;
    return source;
}

int TopOf(const ReportLayout& layout, const std::string& name) {
    const ReportItem* item = layout.find(name);
    EXPECT_NE(item, nullptr) << name;
    return item ? item->top : -1;
}

struct SectionCase {
    std::int32_t code;
    std::size_t structureLines, complementaryLines, resultLines;
    int complementaryHeading, resultsHeading, observationsTop;
};

class ReportSections : public ::testing::TestWithParam<SectionCase> {};

TEST_P(ReportSections, HeadingsAndLinesFollowTheLineRule) {
    const SectionCase& c = GetParam();
    ReportSource source = SourceForCode(c.code);
    source.observations = std::vector<std::string>{"Checked on site."};
    const ReportLayout layout = BuildReportLayout(source);

    EXPECT_EQ(TopOf(layout, "qrlProbTipo"), 50);
    EXPECT_EQ(TopOf(layout, "qrlTitulo0"), 130);
    EXPECT_EQ(TopOf(layout, "qrlN0P1R"), 150);
    EXPECT_EQ(TopOf(layout, "qrlN0P8V"), 290);
    EXPECT_EQ(TopOf(layout, "qrlTitulo1"), 330);
    EXPECT_EQ(TopOf(layout, "qrlN1P1U"), 350);
    EXPECT_EQ(TopOf(layout, "qrlTitulo2"), 390);
    EXPECT_EQ(TopOf(layout, "qrlN2P1R"), 410);
    EXPECT_EQ(TopOf(layout, "qrlTitulo3"), c.complementaryHeading);
    if (c.complementaryLines > 0) {
        EXPECT_EQ(TopOf(layout, "qrlN3P1R"), c.complementaryHeading + 20);
    }
    EXPECT_EQ(TopOf(layout, "qrlTitulo4"), c.resultsHeading);
    EXPECT_EQ(TopOf(layout, "qrlNPP1V"), c.resultsHeading + 20);
    EXPECT_EQ(TopOf(layout, "qrlTitulo5"), c.observationsTop - 20);
    EXPECT_EQ(TopOf(layout, "qrmObservaciones"), c.observationsTop);

    // Exactly the lines the code uses are printed, three cells each.
    auto count = [&layout](const std::string& prefix) {
        std::size_t n = 0;
        for (const ReportItem& item : layout.items) {
            if (item.name.rfind(prefix, 0) == 0) ++n;
        }
        return n;
    };
    EXPECT_EQ(count("qrlN0P"), 3u * 8);
    EXPECT_EQ(count("qrlN1P"), 3u * 1);
    EXPECT_EQ(count("qrlN2P"), 3 * c.structureLines);
    EXPECT_EQ(count("qrlN3P"), 3 * c.complementaryLines);
    EXPECT_EQ(count("qrlNPP"), 3 * c.resultLines);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCode, ReportSections,
    ::testing::Values(
        // code, structure, complementary, results, complementary heading, results heading,
        // observations box top
        SectionCase{22, 2, 5, 10, 470, 610, 870}, SectionCase{31, 2, 1, 9, 470, 530, 770},
        SectionCase{111, 2, 2, 9, 470, 550, 790}, SectionCase{121, 2, 2, 9, 470, 550, 790},
        SectionCase{122, 2, 3, 9, 470, 570, 810}, SectionCase{211, 3, 0, 5, 490, 530, 690},
        SectionCase{212, 3, 6, 8, 490, 650, 870}, SectionCase{1121, 2, 4, 6, 470, 590, 770},
        SectionCase{1122, 2, 4, 7, 470, 590, 790}),
    [](const auto& param_info) { return std::to_string(param_info.param.code); });

TEST(ReportLayout, ColumnsFontsAndAnchors) {
    const ReportLayout layout = BuildReportLayout(SourceForCode(22));
    struct Expect {
        const char* name;
        ReportFont font;
        ReportAnchor anchor;
        int x;
    };
    for (const Expect& e : {Expect{"qrlProbTipo", ReportFont::Title, ReportAnchor::Left, 60},
                            Expect{"qrlTitulo3", ReportFont::Heading, ReportAnchor::Left, 60},
                            Expect{"qrlN2P2R", ReportFont::Text, ReportAnchor::Left, 150},
                            Expect{"qrlN2P2V", ReportFont::Text, ReportAnchor::Right, 550},
                            Expect{"qrlN2P2U", ReportFont::Text, ReportAnchor::Left, 600},
                            Expect{"qrlNPP10U", ReportFont::Text, ReportAnchor::Left, 600}}) {
        const ReportItem* item = layout.find(e.name);
        ASSERT_NE(item, nullptr) << e.name;
        EXPECT_EQ(item->font, e.font) << e.name;
        EXPECT_EQ(item->anchor, e.anchor) << e.name;
        EXPECT_EQ(item->x, e.x) << e.name;
    }
    // The tenth result of the bridge pier is its third failure length, on line 26.
    EXPECT_EQ(TopOf(layout, "qrlNPP10R"), 130 + 160 + 20 * 26);
    EXPECT_EQ(layout.find("qrlNPP10R")->text, "Critical failure lenght (inactive)");
}

TEST(ReportLayout, HeadingsAreThePageCaptions) {
    ReportSource source = SourceForCode(1122);
    source.observations = std::vector<std::string>{};
    const ReportLayout layout = BuildReportLayout(source);
    const char* const expected[] = {"Global Data",        "Local Data", "Structure Data",
                                    "Complementary Data", "Results",    "Observations"};
    for (int s = 0; s < 6; ++s) {
        const ReportItem* heading = layout.find("qrlTitulo" + std::to_string(s));
        ASSERT_NE(heading, nullptr);
        EXPECT_EQ(heading->text, expected[s]);
        EXPECT_EQ(heading->font, ReportFont::Heading);
    }
}

TEST(ReportLayout, ObservationsGivenNotGivenAndEmpty) {
    ReportSource source = SourceForCode(1121);
    EXPECT_EQ(BuildReportLayout(source).find("qrlTitulo5"), nullptr);
    EXPECT_EQ(BuildReportLayout(source).find("qrmObservaciones"), nullptr);

    // Typed and deleted again: the heading over an empty box.
    source.observations = std::vector<std::string>{};
    ReportLayout layout = BuildReportLayout(source);
    ASSERT_NE(layout.find("qrmObservaciones"), nullptr);
    EXPECT_EQ(layout.find("qrmObservaciones")->text, "");

    source.observations =
        std::vector<std::string>{"Gravel from the upstream reach.", "", "Re-check d90."};
    layout = BuildReportLayout(source);
    const ReportItem* box = layout.find("qrmObservaciones");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text, "Gravel from the upstream reach.\n\nRe-check d90.");
    EXPECT_EQ(box->x, 60);
    EXPECT_EQ(box->width, 490);
    EXPECT_EQ(box->height, 85);
}

TEST(ReportLayout, ResultsBeyondTheTenLinesAreNotPrinted) {
    ReportSource source = SourceForCode(1122);
    source.results.assign(12, ResultRow{"X", 0, "caption", "1.00", "[m]"});
    const ReportLayout layout = BuildReportLayout(source);
    EXPECT_NE(layout.find("qrlNPP10V"), nullptr);
    EXPECT_EQ(layout.find("qrlNPP11V"), nullptr);
}

// ---- From a real window ----------------------------------------------------------------------

std::string Text(const ReportLayout& layout, const std::string& name) {
    const ReportItem* item = layout.find(name);
    EXPECT_NE(item, nullptr) << name;
    return item ? item->text : std::string("<missing>");
}

TEST(ReportFromWindow, PlungingJetTranscribesInputsAndResults) {
    RecordedWindow window;
    testing::CaseRoad road = testing::PlungingJetRoad();
    road.boxes.push_back({Box::FlujDifeCargRest, "2.770"});
    road.boxes.push_back({Box::AguaTemp, "20.0"});
    testing::Drive(window, road);
    ASSERT_TRUE(window.wizard.results().has_value());

    const ReportLayout layout = BuildReportLayout(ReportSourceOf(window.wizard));
    EXPECT_EQ(Text(layout, "qrlProbTipo"), "Problem of the Plunging Jet");
    // Global Data: the captions of the page and the texts as typed.
    EXPECT_EQ(Text(layout, "qrlN0P1R"), "Density");
    EXPECT_EQ(Text(layout, "qrlN0P1V"), "1000");
    EXPECT_EQ(Text(layout, "qrlN0P1U"), "[kg/m^3]");
    EXPECT_EQ(Text(layout, "qrlN0P2V"), "20.0");
    EXPECT_EQ(Text(layout, "qrlN0P2U"), "[°C]");
    EXPECT_EQ(Text(layout, "qrlN0P3R"), "Density");
    EXPECT_EQ(Text(layout, "qrlN0P4R"), "Mean Diameter (d50)");
    EXPECT_EQ(Text(layout, "qrlN0P8R"), "Manning Coefficient");
    EXPECT_EQ(Text(layout, "qrlN0P8V"), "0.032");
    EXPECT_EQ(Text(layout, "qrlN0P8U"), "[m^(1/3)/s]");
    EXPECT_EQ(Text(layout, "qrlN1P1R"), "Downstream water depth");
    EXPECT_EQ(Text(layout, "qrlN1P1V"), "1.2");
    EXPECT_EQ(Text(layout, "qrlN2P1R"), "Bottom jump");
    EXPECT_EQ(Text(layout, "qrlN2P2V"), "4.5");
    EXPECT_EQ(layout.find("qrlN2P3R"), nullptr);
    EXPECT_EQ(Text(layout, "qrlN3P2R"), "Angle of repose");
    EXPECT_EQ(Text(layout, "qrlN3P2V"), "30");
    EXPECT_EQ(Text(layout, "qrlN3P3V"), "2.770");
    EXPECT_EQ(Text(layout, "qrlN3P4R"), "Angle jet/free surface");
    EXPECT_EQ(Text(layout, "qrlN3P4U"), "[º]");
    // Results, as tests/output/reference/jet_cases.py works them out.
    EXPECT_EQ(Text(layout, "qrlNPP1V"), "0.0550");
    EXPECT_EQ(Text(layout, "qrlNPP3V"), "Live bed");
    EXPECT_EQ(Text(layout, "qrlNPP4U"), "[m/s]");
    EXPECT_EQ(Text(layout, "qrlNPP5R"), "Turbulence intensity");
    EXPECT_EQ(Text(layout, "qrlNPP5U"), "");
    EXPECT_EQ(Text(layout, "qrlNPP6R"), "Equilibrium max. scour depth (Bornmann & Julien)");
    EXPECT_EQ(Text(layout, "qrlNPP6V"), "3.15");
    EXPECT_EQ(Text(layout, "qrlNPP7R"), "Equilibrium max. scour depth (Fahlbusch)");
    EXPECT_EQ(Text(layout, "qrlNPP7V"), "5.25");
    EXPECT_EQ(Text(layout, "qrlNPP7U"), "[m]");
}

TEST(ReportFromWindow, RoughnessHeightLine) {
    RecordedWindow window;
    testing::CaseRoad road = testing::StepRoad();
    road.byHeight = true;
    road.boxes.push_back({Box::AltuRugoCauc, "235.0"});
    testing::Drive(window, road);
    const ReportLayout layout = BuildReportLayout(ReportSourceOf(window.wizard));
    EXPECT_EQ(Text(layout, "qrlN0P8R"), "Roughness Height");
    EXPECT_EQ(Text(layout, "qrlN0P8V"), "235.0");
    EXPECT_EQ(Text(layout, "qrlN0P8U"), "[mm]");
}

TEST(ReportFromWindow, TypedTextPrintedCharacterForCharacter) {
    // The confined vortex's porosity typed as 0.40 stays 0.40 on paper.
    RecordedWindow window;
    testing::CaseRoad road = testing::VortexRoad();
    road.boxes.push_back({Box::CaucPoro, "0.40"});
    road.boxes.push_back({Box::EstrCoefMannPlat, "0.0320"});
    testing::Drive(window, road);
    const ReportLayout layout = BuildReportLayout(ReportSourceOf(window.wizard));
    EXPECT_EQ(Text(layout, "qrlN3P1R"), "Porosity");
    EXPECT_EQ(Text(layout, "qrlN3P1V"), "0.40");
    EXPECT_EQ(Text(layout, "qrlN3P1U"), "[m]");
    EXPECT_EQ(Text(layout, "qrlN3P2R"), "Manning coef. of protection");
    EXPECT_EQ(Text(layout, "qrlN3P2V"), "0.0320");
    EXPECT_EQ(Text(layout, "qrlN2P2R"), "Length of bed protection");
    EXPECT_EQ(Text(layout, "qrlN2P2V"), "20");
}

TEST(ReportFromWindow, SpurDikeFactorsEachUnderTheirOwnName) {
    RecordedWindow window;
    testing::Drive(window, testing::SpurDikeRoad());
    const ReportLayout layout = BuildReportLayout(ReportSourceOf(window.wizard));
    EXPECT_EQ(Text(layout, "qrlN1P1R"), "Upstream water depth");
    EXPECT_EQ(Text(layout, "qrlN2P1R"), "Longitudinal extension");
    EXPECT_EQ(Text(layout, "qrlN2P2R"), "Transversal extension");
    EXPECT_EQ(Text(layout, "qrlN2P3R"), "Length of bed protection");
    EXPECT_EQ(Text(layout, "qrlN2P3V"), "0.5");
    const char* const captions[] = {"Curvature factor", "Shape factor", "Angle factor",
                                    "Porosity factor",  "Shape factor", "Shape factor"};
    const char* const values[] = {"1.00", "1.0", "1", "1", "1.5", "1.10"};
    for (int i = 0; i < 6; ++i) {
        const std::string stem = "qrlN3P" + std::to_string(i + 1);
        EXPECT_EQ(Text(layout, stem + "R"), captions[i]);
        EXPECT_EQ(Text(layout, stem + "V"), values[i]);
        EXPECT_EQ(Text(layout, stem + "U"), "[-]");
    }
}

TEST(ReportFromWindow, ProtectedSpurDikeHasAnEmptyComplementarySection) {
    RecordedWindow window;
    testing::Drive(window, testing::ProtectedSpurDikeRoad());
    const ReportLayout layout = BuildReportLayout(ReportSourceOf(window.wizard));
    EXPECT_EQ(TopOf(layout, "qrlTitulo3"), 490);
    EXPECT_EQ(layout.find("qrlN3P1R"), nullptr);
    EXPECT_EQ(TopOf(layout, "qrlTitulo4"), 530);
}

}  // namespace
}  // namespace taldor

// Every worked-out case of the culverts, the confined vortex, the spur dikes and the bridge pier,
// driven through a calculation window: the fields the calculation writes (and those it must
// keep), the series' titles and points, the Graphic tab, a fault's message, and the Results
// page as the user reads it.

#include "ModelCase.h"

namespace taldor::testing {
namespace {

class ModelProblemCase : public ::testing::TestWithParam<ModelCase> {};

TEST_P(ModelProblemCase, CalculatesAsWorkedOut) {
    const ModelCase& c = GetParam();
    RecordedWindow w;
    Drive(w, c);
    const ProblemWizard& wz = w.wizard;
    const ProblemState& s = wz.state();

    EXPECT_EQ(s.ProbCodi, c.code);
    for (const FieldValue& f : c.fields) {
        EXPECT_NEAR(FieldOf(s, f.field), f.value, Tolerance(f.value)) << f.field;
    }
    for (int k = 0; k < kSlotCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const SeriesState& series = wz.series(k);
        EXPECT_EQ(series.title, c.titles[i]) << "series " << k + 1;
        EXPECT_EQ(series.points.size(), c.counts[i]) << "series " << k + 1;
        if (!series.points.empty() && c.counts[i] > 0) {
            EXPECT_NEAR(series.points.back().z, c.lastDepths[i], Tolerance(c.lastDepths[i]))
                << "series " << k + 1;
        }
    }
    EXPECT_EQ(wz.tabVisible(Page::Grafico), c.graphic);

    if (c.fault) {
        EXPECT_EQ(wz.lastError().kind, ProblemWizard::CommandError::Kind::Fault);
        ASSERT_FALSE(w.view.messages().empty());
        EXPECT_EQ(w.view.messages().back(), c.fault);
        EXPECT_FALSE(wz.tabVisible(Page::Problema));
        return;
    }
    EXPECT_EQ(wz.lastError().kind, ProblemWizard::CommandError::Kind::None)
        << wz.lastError().message;
    ASSERT_TRUE(wz.tabVisible(Page::Problema));
    ASSERT_EQ(wz.activePage(), Page::Problema);
    EXPECT_EQ(wz.problemTitle(), c.title);
    ASSERT_TRUE(wz.results().has_value());
    const std::vector<ResultRow>& rows = wz.results()->rows;
    ASSERT_EQ(rows.size(), c.rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].row, static_cast<int>(i) + 2);
        EXPECT_EQ(rows[i].caption, c.rows[i].caption) << "row " << i + 2;
        EXPECT_EQ(rows[i].value, c.rows[i].value) << "row " << i + 2 << " " << rows[i].caption;
        EXPECT_EQ(rows[i].unit, c.rows[i].unit) << "row " << i + 2 << " " << rows[i].caption;
    }
}

INSTANTIATE_TEST_SUITE_P(WorkedOut, ModelProblemCase, ::testing::ValuesIn(ModelCases()),
                         [](const ::testing::TestParamInfo<ModelCase>& p) {
                             return std::string(p.param.name);
                         });

}  // namespace
}  // namespace taldor::testing

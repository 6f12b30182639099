// taldor-calc's case runner answers every worked-out case of the culverts, the confined vortex,
// the spur dikes and the bridge pier with the code, series and Results rows worked out for it.

#include <gtest/gtest.h>

#include "../compute/ModelCase.h"
#include "CalcCase.h"

namespace taldor::testing {
namespace {

cli::Json LineOf(const ModelCase& c) {
    cli::Json line;
    line["phenomenon"] = c.phenomenon;
    line["obstacle"] = c.obstacle;
    cli::Json boxes = cli::Json::object();
    for (const BoxText& b : c.boxes) boxes[b.box] = b.text;
    line["boxes"] = boxes;
    return line;
}

TEST(ModelAnswers, EveryOneStepCaseIsAnsweredAsWorkedOut) {
    int answered = 0;
    for (const ModelCase& c : ModelCases()) {
        if (!c.later.empty()) continue;
        SCOPED_TRACE(c.name);
        const cli::Json out = cli::AnswerLine(LineOf(c).dump(), false);
        EXPECT_EQ(out["code"], c.code);
        EXPECT_EQ(out["graphic"], c.graphic);
        for (std::size_t k = 0; k < 4; ++k) {
            EXPECT_EQ(out["series"][k]["title"], c.titles[k]) << "series " << k + 1;
            EXPECT_EQ(out["series"][k]["count"], c.counts[k]) << "series " << k + 1;
        }
        for (const FieldValue& f : c.fields) {
            const cli::Json& v = out["state"][f.field];
            ASSERT_TRUE(v.is_number()) << f.field;
            EXPECT_NEAR(v.get<double>(), f.value, Tolerance(f.value)) << f.field;
        }
        if (c.fault) {
            EXPECT_EQ(out["error"]["message"], c.fault);
            EXPECT_EQ(out["results"].size(), 0u);
        } else {
            EXPECT_TRUE(out["error"].is_null());
            EXPECT_EQ(out["title"], c.title);
            ASSERT_EQ(out["results"].size(), c.rows.size());
            for (std::size_t i = 0; i < c.rows.size(); ++i) {
                EXPECT_EQ(out["results"][i]["caption"], c.rows[i].caption);
                EXPECT_EQ(out["results"][i]["value"], c.rows[i].value) << c.rows[i].caption;
                EXPECT_EQ(out["results"][i]["unit"], c.rows[i].unit);
            }
        }
        ++answered;
    }
    EXPECT_GE(answered, 25);
}

}  // namespace
}  // namespace taldor::testing

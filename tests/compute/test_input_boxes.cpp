// The catalogue of input boxes and their exit check.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "InputBoxes.h"

namespace taldor {
namespace {

const std::string kInvalid = "El valor ingresado no es válido.";
const std::string kD50 = "Solo se considera sedimento no cohesivo (d50 > 62 micr)";

struct ExitCase {
    const char* name;
    Box box;
    std::string text;
    bool accepted;
    std::string message;  // when refused
};

class ExitCheck : public ::testing::TestWithParam<ExitCase> {};

TEST_P(ExitCheck, AcceptsOrRefusesWithItsMessage) {
    const ExitCase& c = GetParam();
    const ExitVerdict v = CheckBoxText(c.box, c.text);
    EXPECT_EQ(v.accepted, c.accepted) << EditName(c.box) << " \"" << c.text << '"';
    EXPECT_EQ(v.message, c.accepted ? std::string() : c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, ExitCheck,
    ::testing::Values(
        // 0 < v < 1.7e308, empty refused
        ExitCase{"density_empty", Box::AguaDens, "", false, kInvalid},
        ExitCase{"density_zero", Box::AguaDens, "0", false, kInvalid},
        ExitCase{"density_negative_zero", Box::AguaDens, "-0", false, kInvalid},
        ExitCase{"density_tiny", Box::AguaDens, "1e-300", true, ""},
        ExitCase{"density_comma", Box::AguaDens, "1,5", false, kInvalid},
        ExitCase{"density_trailing_blank", Box::AguaDens, "1000 ", false, kInvalid},
        ExitCase{"density_leading_blank", Box::AguaDens, " 1000", true, ""},
        ExitCase{"density_exponent", Box::AguaDens, "1.5e1", true, ""},
        ExitCase{"density_at_open_end", Box::AguaDens, "1.7e308", false, kInvalid},
        ExitCase{"density_below_open_end", Box::AguaDens, "1.6e308", true, ""},
        ExitCase{"density_beyond_doubles", Box::AguaDens, "1e400", false, kInvalid},
        ExitCase{"discharge_at_open_end", Box::FlujCaud, "1.7e308", false, kInvalid},
        ExitCase{"pipes_at_open_end", Box::EstrCantAper, "1.7e308", false, kInvalid},
        // -273 <= v < 1.7e308
        ExitCase{"temperature_absolute_zero", Box::AguaTemp, "-273", true, ""},
        ExitCase{"temperature_below", Box::AguaTemp, "-273.5", false, kInvalid},
        ExitCase{"temperature_empty", Box::AguaTemp, "", false, kInvalid},
        // 0.062 <= v, own message
        ExitCase{"d50_at_limit", Box::SediDiamMedi, "0.062", true, ""},
        ExitCase{"d50_below", Box::SediDiamMedi, "0.061", false, kD50},
        ExitCase{"d50_not_a_number", Box::SediDiamMedi, "abc", false, kD50},
        ExitCase{"d50_empty", Box::SediDiamMedi, "", false, kD50},
        // 0 <= v < 1.7e308
        ExitCase{"protection_zero", Box::EstrLongPlat, "0", true, ""},
        ExitCase{"protection_negative", Box::EstrLongPlat, "-0.1", false, kInvalid},
        ExitCase{"protection_empty", Box::EstrLongPlat, "", false, kInvalid},
        // 0 < v <= 1
        ExitCase{"opening_one", Box::EstrAltuAper, "1", true, ""},
        ExitCase{"opening_above", Box::EstrAltuAper, "1.01", false, kInvalid},
        ExitCase{"opening_zero", Box::EstrAltuAper, "0", false, kInvalid},
        ExitCase{"porosity_one", Box::CaucPoro, "1", true, ""},
        ExitCase{"porosity_empty_accepted", Box::CaucPoro, "", true, ""},
        ExitCase{"porosity_zero", Box::CaucPoro, "0", false, kInvalid},
        ExitCase{"protection_manning_empty", Box::EstrCoefMannPlat, "", false, kInvalid},
        // 0 <= v <= 90
        ExitCase{"repose_ninety", Box::SediAnguRepo, "90", true, ""},
        ExitCase{"repose_zero", Box::SediAnguRepo, "0", true, ""},
        ExitCase{"repose_above", Box::SediAnguRepo, "90.5", false, kInvalid},
        ExitCase{"repose_negative", Box::SediAnguRepo, "-1", false, kInvalid},
        ExitCase{"repose_empty_accepted", Box::SediAnguRepo, "", true, ""},
        ExitCase{"jet_angle_zero", Box::FlujAnguChorSupeLibr, "0", true, ""},
        ExitCase{"jet_angle_empty", Box::FlujAnguChorSupeLibr, "", false, kInvalid},
        ExitCase{"attack_zero", Box::EstrAnguAtaq, "0", true, ""},
        ExitCase{"attack_above", Box::EstrAnguAtaq, "90.5", false, kInvalid},
        // 0 < v <= 5, empty accepted
        ExitCase{"factor_five", Box::EstrFactCurv, "5", true, ""},
        ExitCase{"factor_above", Box::EstrFactFormKs, "5.1", false, kInvalid},
        ExitCase{"factor_zero", Box::EstrFactGrup, "0", false, kInvalid},
        ExitCase{"factor_empty", Box::EstrFactFormKl, "", true, ""},
        ExitCase{"factor_blank", Box::EstrFactFormKb, " ", false, kInvalid},
        // d90 has its own check: 0 < v < 1.7e308, empty accepted
        ExitCase{"d90_text", Box::SediDiam90N3, "abc", false, kInvalid},
        ExitCase{"d90_zero", Box::SediDiam90N3, "0", false, kInvalid},
        ExitCase{"d90_empty", Box::SediDiam90N3, "", true, ""},
        ExitCase{"d90_value", Box::SediDiam90N3, "13.6", true, ""}),
    [](const ::testing::TestParamInfo<ExitCase>& param) { return std::string(param.param.name); });

TEST(BoxCatalogue, NamesAndDefaults) {
    std::set<std::string> names;
    int emptyDefaults = 0;
    for (const BoxInfo& info : BoxCatalogue()) {
        EXPECT_EQ(&Info(info.box), &info);
        names.insert(EditName(info.box));
        EXPECT_EQ(BoxFromEditName(EditName(info.box)), info.box);
        if (std::string(info.defaultText).empty()) ++emptyDefaults;
        // Every default text passes its own box's check.
        EXPECT_TRUE(CheckBoxText(info.box, info.defaultText).accepted) << EditName(info.box);
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(kBoxCount));
    EXPECT_EQ(emptyDefaults, 8);
    EXPECT_EQ(LabelName(Box::AguaDens), "lblAguaDens");
    EXPECT_EQ(UnitLabelName(Box::AguaDens), "lblAguaDensUnid");
    EXPECT_FALSE(BoxFromEditName("edtNothing").has_value());
    EXPECT_FALSE(BoxFromEditName("AguaDens").has_value());
}

TEST(BoxCatalogue, ClassificationInputsInvalidateLaterPages) {
    for (const BoxInfo& info : BoxCatalogue()) {
        const bool key = info.box == Box::FlujTiraRest || info.box == Box::EstrAltuSaltFond ||
                         info.box == Box::EstrLongPlat || info.box == Box::EstrAltuAper;
        EXPECT_EQ(info.invalidation == Invalidation::KeyValue, key) << EditName(info.box);
    }
}

struct ChangeCase {
    const char* onEntry;
    const char* now;
    bool changed;
};

TEST(ValueOnEntry, EmptyIsDistinctFromZero) {
    const ChangeCase cases[] = {
        {"", "", false},      {"", "0", true},      {"0", "", true},     {"0", "0.0", false},
        {"5", "5.", false},   {"5", "6", true},     {"1.5e1", "15", false}, {"", "1.10", true},
        {"0", "0.5", true},   {"3000", "3000", false},
    };
    for (const ChangeCase& c : cases) {
        EXPECT_EQ(ValueChanged(EntryValue::Of(c.onEntry), c.now), c.changed)
            << '"' << c.onEntry << "\" -> \"" << c.now << '"';
    }
}

}  // namespace
}  // namespace taldor

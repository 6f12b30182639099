// The one rule by which a box text becomes a number.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "NumberReading.h"

namespace taldor {
namespace {

struct ReadingCase {
    const char* name;
    std::string text;
    TextKind kind;
    double value;  // when kind is Number
};

constexpr double kInf = std::numeric_limits<double>::infinity();

class NumberReading : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(NumberReading, ClassifiesAndConverts) {
    const ReadingCase& c = GetParam();
    const ParsedText p = ParseBoxText(c.text);
    EXPECT_EQ(p.kind, c.kind) << '"' << c.text << '"';
    if (c.kind == TextKind::Number) {
        EXPECT_EQ(p.value, c.value) << '"' << c.text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, NumberReading,
    ::testing::Values(
        ReadingCase{"empty", "", TextKind::Empty, 0},
        ReadingCase{"integer", "85", TextKind::Number, 85},
        ReadingCase{"decimal", "9.81", TextKind::Number, 9.81},
        ReadingCase{"leading_point", ".045", TextKind::Number, 0.045},
        ReadingCase{"trailing_point", "5.", TextKind::Number, 5},
        ReadingCase{"lone_point", ".", TextKind::Number, 0},
        ReadingCase{"plus_sign", "+1.5", TextKind::Number, 1.5},
        ReadingCase{"minus_sign", "-273", TextKind::Number, -273},
        ReadingCase{"exponent", "1.5e1", TextKind::Number, 15},
        ReadingCase{"exponent_upper_signed", "2.5E+3", TextKind::Number, 2500},
        ReadingCase{"exponent_negative", "7e-3", TextKind::Number, 0.007},
        ReadingCase{"point_then_exponent", ".e5", TextKind::Number, 0},
        ReadingCase{"leading_blanks", "   85", TextKind::Number, 85},
        ReadingCase{"leading_zeros", "000.50", TextKind::Number, 0.5},
        ReadingCase{"overflow_to_infinity", "1e400", TextKind::Number, kInf},
        ReadingCase{"negative_overflow", "-2e999", TextKind::Number, -kInf},
        ReadingCase{"underflow_to_zero", "1e-400", TextKind::Number, 0},
        ReadingCase{"huge_exponent", "1e99999999999999999999", TextKind::Number, kInf},
        ReadingCase{"long_mantissa_small_exponent",
                    "0." + std::string(400, '0') + "1e405", TextKind::Number, 1e4},
        ReadingCase{"largest_accepted_order", "1.6e308", TextKind::Number, 1.6e308},
        ReadingCase{"decimal_comma", "1,5", TextKind::NotANumber, 0},
        ReadingCase{"trailing_blank", "85 ", TextKind::NotANumber, 0},
        ReadingCase{"only_blanks", "   ", TextKind::NotANumber, 0},
        ReadingCase{"lone_plus", "+", TextKind::NotANumber, 0},
        ReadingCase{"lone_minus", "-", TextKind::NotANumber, 0},
        ReadingCase{"double_sign", "+-1", TextKind::NotANumber, 0},
        ReadingCase{"exponent_without_digits", "1e", TextKind::NotANumber, 0},
        ReadingCase{"exponent_sign_without_digits", "1e+", TextKind::NotANumber, 0},
        ReadingCase{"exponent_without_mantissa", "e5", TextKind::NotANumber, 0},
        ReadingCase{"two_points", "1.2.3", TextKind::NotANumber, 0},
        ReadingCase{"hexadecimal", "0x10", TextKind::NotANumber, 0},
        ReadingCase{"infinity_word", "inf", TextKind::NotANumber, 0},
        ReadingCase{"nan_word", "nan", TextKind::NotANumber, 0},
        ReadingCase{"tab_before", "\t1", TextKind::NotANumber, 0},
        ReadingCase{"letters_after", "12abc", TextKind::NotANumber, 0},
        ReadingCase{"non_ascii_digit", "\xd9\xa1", TextKind::NotANumber, 0},
        ReadingCase{"blank_inside", "1 000", TextKind::NotANumber, 0}),
    [](const ::testing::TestParamInfo<ReadingCase>& param) { return std::string(param.param.name); });

TEST(NumberReadingRule, EmptyReadsAsZeroAndNonNumbersAsNothing) {
    EXPECT_EQ(ReadNumber(""), 0.0);
    EXPECT_EQ(ReadNumber("0.032"), 0.032);
    EXPECT_FALSE(ReadNumber("1,5").has_value());
}

// The decimal separator is "." whatever the locale of the C library says.
TEST(NumberReadingRule, IgnoresTheLocale) {
    const char* const candidates[] = {"de_DE.UTF-8", "es_ES.UTF-8", "fr_FR.UTF-8", "de_DE", "es_ES"};
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char* chosen = nullptr;
    for (const char* name : candidates) {
        if (std::setlocale(LC_ALL, name)) {
            chosen = name;
            break;
        }
    }
    if (!chosen) GTEST_SKIP() << "no locale with a decimal comma is installed";
    EXPECT_EQ(ReadNumber("1.5"), 1.5);
    EXPECT_FALSE(ReadNumber("1,5").has_value());
    std::setlocale(LC_ALL, previous.c_str());
}

}  // namespace
}  // namespace taldor

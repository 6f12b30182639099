// The number reader against an independent description of its grammar, on many generated
// strings: every string gets the same verdict and, when it is a number, the same double.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <regex>
#include <string>

#include "NumberReading.h"

namespace taldor {
namespace {

// The grammar as a regular expression: blanks, a sign, digits with at most one point (at least
// one digit or the point), an exponent with at least one digit, nothing after.
const std::regex kNumber(R"(^ *[+-]?([0-9]+\.?[0-9]*|\.[0-9]*)([eE][+-]?[0-9]+)?$)");

// The value by another road: the C library's strtod in the "C" locale, on the text without its
// blanks; "." alone and a mantissa ending in "." are completed with zeros first.
double Expected(const std::string& text) {
    std::string t = text.substr(text.find_first_not_of(' '));
    const std::size_t e = t.find_first_of("eE");
    std::string mantissa = t.substr(0, e), exponent = e == std::string::npos ? "" : t.substr(e);
    if (!mantissa.empty() && mantissa.back() == '.') mantissa += '0';
    const std::size_t sign = (mantissa[0] == '+' || mantissa[0] == '-') ? 1 : 0;
    if (mantissa[sign] == '.') mantissa.insert(sign, "0");
    // strtod saturates the exponent itself, so huge exponents need no care here.
    const std::string whole = mantissa + exponent;
    return std::strtod(whole.c_str(), nullptr);
}

void Check(const std::string& text) {
    const ParsedText p = ParseBoxText(text);
    if (text.empty()) {
        ASSERT_EQ(p.kind, TextKind::Empty);
        return;
    }
    const bool isNumber = std::regex_match(text, kNumber);
    ASSERT_EQ(p.kind == TextKind::Number, isNumber) << '"' << text << '"';
    if (isNumber) {
        const double expected = Expected(text);
        // Same double, the sign of zero included.
        ASSERT_EQ(std::memcmp(&p.value, &expected, sizeof(double)), 0)
            << '"' << text << "\" read " << p.value << ", expected " << expected;
    }
}

TEST(NumberReadingGenerated, RandomStringsOfTheGrammarsAlphabet) {
    std::setlocale(LC_ALL, "C");
    std::mt19937_64 rng(20261210);
    const std::string alphabet = "0123456789 .eE+-,xinfa\t\xc3\xa9";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 12);
    for (int i = 0; i < 200000; ++i) {
        std::string s;
        const int n = length(rng);
        for (int k = 0; k < n; ++k) s += alphabet[pick(rng)];
        Check(s);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

TEST(NumberReadingGenerated, WellFormedNumbersOfEveryShape) {
    std::setlocale(LC_ALL, "C");
    std::mt19937_64 rng(7);
    auto digits = [&rng](int maxLen) {
        std::uniform_int_distribution<int> len(0, maxLen), d(0, 9);
        std::string s;
        for (int k = len(rng); k > 0; --k) s += static_cast<char>('0' + d(rng));
        return s;
    };
    std::uniform_int_distribution<int> coin(0, 3);
    for (int i = 0; i < 100000; ++i) {
        std::string s(static_cast<std::size_t>(coin(rng)), ' ');
        const char* signs[] = {"", "", "+", "-"};
        s += signs[coin(rng)];
        s += digits(coin(rng) == 0 ? 40 : 6);
        if (coin(rng) > 0) s += '.';
        s += digits(coin(rng) == 0 ? 40 : 6);
        if (coin(rng) > 1) {
            s += coin(rng) > 1 ? 'e' : 'E';
            s += signs[coin(rng)];
            s += coin(rng) == 0 ? digits(25)
                                : std::to_string(std::uniform_int_distribution<int>(0, 400)(rng));
        }
        Check(s);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

TEST(NumberReadingGenerated, ExtremeTexts) {
    std::setlocale(LC_ALL, "C");
    const std::string cases[] = {
        std::string(5000, '9'),
        "0." + std::string(5000, '0') + "1",
        "1" + std::string(400, '0'),
        "0.000000000000000000000000000000000000000000000000001e-280",
        "2.4703282292062327e-324",  // half the smallest subnormal
        "2.4703282292062328e-324",
        "1.7976931348623157e308",
        "1.7976931348623159e308",  // rounds to infinity
        "-0",
        "-0.0e-999",
        "+.5",
        "-.e1",
        "4.9e-324",
        "1e-320",
        "123456789012345678901234567890",
        "9007199254740993",  // halfway between two doubles
        "inf",
        "-inf",
        "Infinity",
        "nan",
        "NaN",
        "-nan(0x1)",  // what strtod would take
        "0x10",
        "0x1p3",
        "0X1.8P1",  // hexadecimal
        "1_000",
        "1 000",
        "1\n",
        "\v1",
        "1\f",           // separators and other blanks
        "\xef\xbc\x91",  // full-width digit one
        "\xd9\xa1",      // Arabic-Indic digit one
        "1\xc2\xa0",     // no-break space
        std::string("1\0"
                    "2",
                    3),  // a NUL inside
    };
    for (const std::string& s : cases) Check(s);
}

}  // namespace
}  // namespace taldor

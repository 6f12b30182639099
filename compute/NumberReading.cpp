#include "NumberReading.h"

#include <charconv>
#include <limits>
#include <string>
#include <system_error>

namespace taldor {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

ParsedText ParseBoxText(std::string_view text) {
    if (text.empty()) return {TextKind::Empty, 0.0};
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;

    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t intBegin = i;
    while (i < n && IsDigit(text[i])) ++i;
    const std::string_view intDigits = text.substr(intBegin, i - intBegin);
    bool point = false;
    std::string_view fracDigits;
    if (i < n && text[i] == '.') {
        point = true;
        ++i;
        const std::size_t fracBegin = i;
        while (i < n && IsDigit(text[i])) ++i;
        fracDigits = text.substr(fracBegin, i - fracBegin);
    }
    if (intDigits.empty() && !point) return {TextKind::NotANumber, 0.0};

    // Exponent, read with saturation at 10^9: such an exponent is far outside the double range
    // unless the mantissa has about as many leading zeros, which no text of sane length has.
    long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            expNegative = text[i] == '-';
            ++i;
        }
        const std::size_t expBegin = i;
        while (i < n && IsDigit(text[i])) {
            if (exponent < 1000000000L) exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (i == expBegin) return {TextKind::NotANumber, 0.0};
        if (expNegative) exponent = -exponent;
    }
    if (i != n) return {TextKind::NotANumber, 0.0};

    // Canonical form for std::from_chars, which is locale-independent: digits "." digits "e" exp.
    std::string canonical;
    canonical.reserve(intDigits.size() + fracDigits.size() + 12);
    canonical.append(intDigits.empty() ? std::string_view("0") : intDigits);
    canonical.push_back('.');
    canonical.append(fracDigits.empty() ? std::string_view("0") : fracDigits);
    canonical.push_back('e');
    canonical.append(std::to_string(exponent));

    double value = 0.0;
    const auto res = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value,
                                     std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Decide overflow or underflow from the decimal position of the first significant digit.
        long firstSignificant = 0;  // power of ten of the first non-zero digit
        bool found = false;
        for (std::size_t k = 0; k < intDigits.size() && !found; ++k) {
            if (intDigits[k] != '0') {
                firstSignificant = static_cast<long>(intDigits.size() - k) - 1;
                found = true;
            }
        }
        for (std::size_t k = 0; k < fracDigits.size() && !found; ++k) {
            if (fracDigits[k] != '0') {
                firstSignificant = -static_cast<long>(k) - 1;
                found = true;
            }
        }
        value = (found && firstSignificant + exponent > 0) ? std::numeric_limits<double>::infinity()
                                                           : 0.0;
    }
    return {TextKind::Number, negative ? -value : value};
}

std::optional<double> ReadNumber(std::string_view text) {
    const ParsedText p = ParseBoxText(text);
    switch (p.kind) {
        case TextKind::Empty:
            return 0.0;
        case TextKind::Number:
            return p.value;
        case TextKind::NotANumber:
            break;
    }
    return std::nullopt;
}

}  // namespace taldor

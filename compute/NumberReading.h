#pragma once
// The one rule by which the text of an input box becomes a number.
//
//   leading blanks, optional "+" or "-", digits with at most one "." (either side may be empty,
//   but not both), optional exponent "E"/"e" with optional sign and at least one digit, and
//   nothing after it. "." is always the decimal separator, whatever the locale.
//
// The empty text is not a number, but where a box is read for a calculation it reads as 0.

#include <optional>
#include <string_view>

namespace taldor {

enum class TextKind { Empty, Number, NotANumber };

struct ParsedText {
    TextKind kind = TextKind::Empty;
    double value = 0.0;  // the number rounded to double precision (0 unless kind is Number)
};

// Classifies and converts a box text. A number beyond the double range rounds to +-infinity,
// one too small for it to +-0.
ParsedText ParseBoxText(std::string_view text);

// The number a text reads as: its value, 0 for the empty text, nothing for a text that is not a
// number.
std::optional<double> ReadNumber(std::string_view text);

}  // namespace taldor

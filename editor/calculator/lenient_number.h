// Reading numbers from the calculator's texts: the typed track and distance leniently, the source
// point's coordinate texts strictly.
#pragma once

#include <optional>
#include <string_view>

namespace vantrel {

// Blanks, tabs and line feeds are dropped, then the longest leading decimal number is read
// (optional sign, digits with an optional "." part, optional exponent); the rest is ignored. The
// decimal separator is always ".", whatever the user's locale. A text without a number reads as 0;
// a number too large for a double reads as an infinity of its sign.
double ReadLenientNumber(std::string_view text);

// A whole decimal number: an optional minus sign and at least one digit, nothing else. None for
// any other text, or one too large for a double.
std::optional<double> ReadWholeNumber(std::string_view text);

}  // namespace vantrel

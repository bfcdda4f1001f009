// Reading numbers from the calculator's texts: the typed track and distance, and the source
// point's coordinate texts.
#pragma once

#include <optional>
#include <string_view>

namespace vantrel {

// A typed number: once blanks, tabs and line feeds are dropped, the text must be wholly a decimal
// number: an optional sign, digits, optionally "." and digits, optionally "e" or "E" with an
// optional sign and digits. The decimal separator is always ".", whatever the user's locale. None
// for any other text, an empty one included ("12,5", "9O"); a number too large for a double reads
// as an infinity of its sign.
std::optional<double> ReadTypedNumber(std::string_view text);

// A whole decimal number: an optional minus sign and at least one digit, nothing else. None for
// any other text, or one too large for a double.
std::optional<double> ReadWholeNumber(std::string_view text);

}  // namespace vantrel

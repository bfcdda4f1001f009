// ARINC 424 latitudes and longitudes as the procedure files' coordinate text. A latitude is
// N or S, two digits of degrees, two of minutes and four of seconds with hundredths
// (N40382374); a longitude E or W with three digits of degrees (W073464329).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// Signed decimal degrees rounded to six decimals, written without the decimal point: N40382374
// gives "40639928", W073464329 "-73778692", W000371805 "-0621681". No value when the text is not
// such a coordinate or lies beyond 90 (latitude) or 180 (longitude) degrees.
std::optional<std::string> ArincLatitude(std::string_view text);
std::optional<std::string> ArincLongitude(std::string_view text);

}  // namespace vantrel

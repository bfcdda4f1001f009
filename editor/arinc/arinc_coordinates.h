// ARINC 424 latitudes and longitudes as the procedure files' coordinate text. A latitude is
// N or S, two digits of degrees, two of minutes and four of seconds with hundredths
// (N40382374); a longitude E or W with three digits of degrees (W073464329).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vantrel {

// Signed decimal degrees in millionths, rounded: N40382374 gives 40639928, W073464329 -73778692,
// W000371805 -621681. No value when the text is not such a coordinate or lies beyond 90
// (latitude) or 180 (longitude) degrees.
std::optional<std::int32_t> ArincLatitude(std::string_view text);
std::optional<std::int32_t> ArincLongitude(std::string_view text);

// Millionths of a degree as coordinate text: degrees and six decimals without the point, that is
// the digits, at least seven of them, after a minus sign below zero: 40639928 is "40639928",
// -621681 "-0621681", 0 "0000000". Made in place, as an import writes hundreds of thousands.
class CoordinateText {
  public:
    explicit CoordinateText(std::int32_t millionths);
    std::string_view view() const { return {text_ + start_, sizeof text_ - start_}; }

  private:
    char text_[12];
    std::size_t start_;
};

}  // namespace vantrel

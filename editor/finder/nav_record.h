// NavRecord lines: the finder's result lines and the lines of its cache file.
//   intersection: the waypoints.txt line, then "   -   [INTERSECTION]"
//   navaid:       ID|LATITUDE|LONGITUDE|NAME - COUNTRY, then "   -   [VOR]" or "   -   [NDB]"
// Whoever reads a NavRecord reads its fields 0 to 2 only: identifier, latitude and longitude.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "leg_row.h"

namespace vantrel {

inline constexpr std::string_view kIntersectionTag = "   -   [INTERSECTION]";
inline constexpr std::string_view kVorTag = "   -   [VOR]";
inline constexpr std::string_view kNdbTag = "   -   [NDB]";

// The fields of navaids.txt that the finder reads.
inline constexpr std::size_t kNavaidName = 1;
inline constexpr std::size_t kNavaidKind = 3;
inline constexpr std::size_t kNavaidLatitude = 6;
inline constexpr std::size_t kNavaidLongitude = 7;
inline constexpr std::size_t kNavaidCountry = 9;

// True when the line's field 0 is exactly the identifier (case and blanks count). Inline, as a
// scan of the navigation data asks it of every line.
inline bool FirstFieldIs(std::string_view line, std::string_view identifier) {
    const std::size_t size = identifier.size();
    // Most lines differ in their first byte.
    if (line.size() < size || (size > 0 && line[0] != identifier[0]) ||
        line.compare(0, size, identifier) != 0) {
        return false;
    }
    if (line.size() > size && line[size] != '|') {
        return false;
    }
    // A field never holds a "|", so an identifier with one matches nothing.
    return identifier.find('|') == std::string_view::npos;
}

struct Coordinates {
    std::string_view latitude;
    std::string_view longitude;
};
// Fields 1 and 2 of a line; none when it has fewer than three fields.
std::optional<Coordinates> RecordCoordinates(std::string_view line);

std::string IntersectionRecord(std::string_view waypointLine);
// From the fields of a navaids.txt line, which has at least ten.
std::string NavaidRecord(const std::vector<std::string_view>& fields);

// The leg that a NavRecord adds: its fields 0, 1 and 2 as they stand; none when it has fewer.
std::optional<LegRow> LegFromNavRecord(std::string_view record);

}  // namespace vantrel

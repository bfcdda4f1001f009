// What the converter reads from single lines of an FSNavigator SID/STAR file: the procedure name,
// the runway designator and the points. Point lines are split at ":" into fields: 0 number "="
// type, 1 identifier, 2 latitude, 3 longitude, 5 flag.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "leg_row.h"

namespace vantrel {

inline bool Contains(std::string_view line, std::string_view marker) {
    return line.find(marker) != std::string_view::npos;
}

// The text after the first "=" (the whole line without one) with every blank removed.
std::string ProcedureName(std::string_view nameLine);

// A one-character designator gets a leading "0"; then a two-character one that holds "L", "R"
// or "C" does too: 7 gives 07, 7L gives 07L; 07C and 36 stay.
std::string NormaliseRunway(std::string_view designator);

// The normalised text after the first ":" of a runway point line, cut before the next ":".
std::string RunwayOf(std::string_view runwayLine);

// The leg of a point line: identifier, and latitude and longitude with every "." removed. None for
// a point flagged "1" in field 5, or a line too short to hold both coordinates.
std::optional<LegRow> PointLeg(std::string_view pointLine);

}  // namespace vantrel

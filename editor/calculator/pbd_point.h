// The point at a track and distance from a known point on a spherical earth, as the NavRecord line
// that the finder's result list shows:
//   NAME|LATITUDE|LONGITUDE|   -   [PBD] HDG: TRACK DIST: DISTANCE
// with the track and distance exactly as typed.
#pragma once

#include <string>
#include <string_view>

namespace vantrel {

inline constexpr std::string_view kPbdTag = "   -   [PBD] HDG: ";

// Degrees as a coordinate text: rounded to 15 significant digits, then cut (not rounded) after
// the sixth decimal, written as degrees times 1,000,000 without a decimal point. 46.99064287448192
// gives "46990642", -0.6216809999999932 gives "-0621680", 8.08e-16 gives "0000000". Empty for an
// infinity or NaN.
std::string FormatPbdCoordinate(double degrees);

enum class PbdProblem {
    None,
    // The source latitude or longitude is not a whole decimal number.
    SourceCoordinates,
    // The typed track or distance is not wholly a number (see ReadTypedNumber).
    TrackNotNumber,
    DistanceNotNumber,
    // The track or distance is too large for the point to be computed.
    NotComputable,
};

struct PbdPoint {
    PbdProblem problem = PbdProblem::None;
    std::string record;  // the NavRecord line; empty unless problem is None
};

// Source coordinates are coordinate texts (degrees times 1,000,000); the track in degrees
// clockwise from north and the distance in nautical miles are typed numbers, blanks aside. The
// source is looked at first, then the track, then the distance.
PbdPoint ComputePbdPoint(std::string_view sourceLatitude, std::string_view sourceLongitude,
                         std::string_view track, std::string_view distance, std::string_view name);

}  // namespace vantrel

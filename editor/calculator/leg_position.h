// Where a leg lies on the earth, read from its coordinate texts, and the great-circle distance
// between two such places, for drawing a procedure's route.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

struct GeoPoint {
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, east positive
};

struct LegPosition {
    std::optional<GeoPoint> point;  // none when a coordinate text is unusable
    // Why the leg cannot be placed, in words for the user ("latitude "4753977A" is not ...");
    // empty when it can.
    std::string problem;
};

// Coordinate texts are degrees times 1,000,000: digits with an optional minus sign, the latitude
// within 90 degrees north or south, the longitude within 180 degrees east or west.
LegPosition ReadLegPosition(std::string_view latitude, std::string_view longitude);

// Great-circle distance in nautical miles on a spherical earth, one minute of arc being one
// nautical mile, computed with the calculator's arithmetic.
double GreatCircleNm(GeoPoint from, GeoPoint to);

// A leg longer than this from the previous one is most likely a typing error.
inline constexpr double kSuspectLegNm = 500;

}  // namespace vantrel

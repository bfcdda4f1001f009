#include "leg_position.h"

#include <cmath>

#include "number_text.h"
#include "pbd_math.h"

namespace vantrel {
namespace {

struct Coordinate {
    const char* name;
    double limitDegrees;
    const char* beyond;
};

constexpr Coordinate kLatitude{"latitude", 90, "beyond 90 degrees north or south"};
constexpr Coordinate kLongitude{"longitude", 180, "beyond 180 degrees east or west"};

// The coordinate in degrees, or the reason it is unusable added to `problem`.
std::optional<double> ReadCoordinate(std::string_view text, const Coordinate& coordinate,
                                     std::string& problem) {
    std::string reason;
    const std::optional<double> millionths = ReadWholeNumber(text);
    if (text.empty()) {
        reason = std::string("no ") + coordinate.name;
    } else if (!millionths) {
        reason = std::string(coordinate.name) + " \"" + std::string(text) +
                 "\" is not digits with an optional minus sign";
    } else if (std::fabs(*millionths) > coordinate.limitDegrees * 1e6) {
        reason =
            std::string(coordinate.name) + " \"" + std::string(text) + "\" is " + coordinate.beyond;
    } else {
        return *millionths / 1e6;
    }
    problem += (problem.empty() ? "" : "; ") + reason;
    return std::nullopt;
}

double Square(double x) {
    return x * x;
}

}  // namespace

LegPosition ReadLegPosition(std::string_view latitude, std::string_view longitude) {
    LegPosition position;
    const std::optional<double> lat = ReadCoordinate(latitude, kLatitude, position.problem);
    const std::optional<double> lon = ReadCoordinate(longitude, kLongitude, position.problem);
    if (lat && lon) {
        position.point = GeoPoint{*lat, *lon};
    }
    return position;
}

// The haversine form, which stays exact for the short legs of a procedure.
double GreatCircleNm(GeoPoint from, GeoPoint to) {
    const double lat1 = DegToRad(from.latitude);
    const double lat2 = DegToRad(to.latitude);
    const double halfLat = (lat2 - lat1) / 2;
    const double halfLon = DegToRad(to.longitude - from.longitude) / 2;
    const double h =
        Square(std::sin(halfLat)) + std::cos(lat1) * std::cos(lat2) * Square(std::sin(halfLon));
    return RadToDeg(2 * ArcSin(std::sqrt(h))) * 60;
}

}  // namespace vantrel

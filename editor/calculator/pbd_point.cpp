#include "pbd_point.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "number_text.h"
#include "pbd_math.h"

namespace vantrel {

std::string FormatPbdCoordinate(double degrees) {
    if (!std::isfinite(degrees)) {
        return {};
    }
    // Fifteen significant digits in scientific notation: "d.dddddddddddddde[+-]x".
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, std::fabs(degrees),
                                       std::chars_format::scientific, 14);
    const std::string_view scientific(text, static_cast<std::size_t>(written.ptr - text));
    const std::size_t exponentAt = scientific.find('e');
    std::string digits;
    digits += scientific[0];
    digits += scientific.substr(2, exponentAt - 2);
    int exponent = 0;
    std::from_chars(scientific.data() + exponentAt + 1 + (scientific[exponentAt + 1] == '+'),
                    scientific.data() + scientific.size(), exponent);

    // The value is 0.DIGITS times 10^(exponent + 1): place the decimal point, pad with zeros.
    const int integerDigits = exponent + 1;
    std::string integerPart;
    std::string fraction;
    if (integerDigits <= 0) {
        integerPart = "0";
        fraction = std::string(static_cast<std::size_t>(-integerDigits), '0') + digits;
    } else if (static_cast<std::size_t>(integerDigits) >= digits.size()) {
        integerPart = digits + std::string(integerDigits - digits.size(), '0');
    } else {
        integerPart = digits.substr(0, integerDigits);
        fraction = digits.substr(integerDigits);
    }
    fraction.resize(6, '0');  // cuts after the sixth decimal, or pads to six

    const bool zero = integerPart == "0" && fraction == "000000";
    return (degrees < 0 && !zero ? "-" : "") + integerPart + fraction;
}

PbdPoint ComputePbdPoint(std::string_view sourceLatitude, std::string_view sourceLongitude,
                         std::string_view track, std::string_view distance, std::string_view name) {
    const std::optional<double> latitudeText = ReadWholeNumber(sourceLatitude);
    const std::optional<double> longitudeText = ReadWholeNumber(sourceLongitude);
    if (!latitudeText || !longitudeText) {
        return {PbdProblem::SourceCoordinates, {}};
    }

    const std::optional<double> t = ReadTypedNumber(track);
    if (!t) {
        return {PbdProblem::TrackNotNumber, {}};
    }
    const std::optional<double> d = ReadTypedNumber(distance);
    if (!d) {
        return {PbdProblem::DistanceNotNumber, {}};
    }

    const double arc = DegToRad(*d) / 60;
    const double course = DegToRad(*t * -1);
    const double latitude1 = DegToRad(*latitudeText / 1000000);
    // A longitude of whole turns more (or an absurdly large one) is reduced to one turn first,
    // exactly: the wrap of step 8 works on rounded values and would turn the digits that are lost
    // in a huge angle into an arbitrary longitude. Longitudes within one turn stay as they are.
    const double longitude1 = DegToRad(std::fmod(*longitudeText / 1000000, 360));

    const double s = std::sin(latitude1) * std::cos(arc) +
                     (std::sin(arc) * std::cos(latitude1)) * std::cos(course);
    // The latitude is taken to degrees and back, as the results are defined.
    const double latitude2Degrees = RadToDeg(ArcSin(s));
    const double latitude2 = (latitude2Degrees * kPbdPi) / 180;

    const double y = (std::sin(arc) * std::sin(course)) * std::cos(latitude1);
    const double x = std::cos(arc) - std::sin(latitude2) * std::sin(latitude1);
    const double deltaLongitude = Atan2Full(y, x, true);
    const double longitude2 =
        FloorMod(longitude1 - deltaLongitude + kPbdPi, kPbdFullCircle) - kPbdPi;

    const double latitudeDegrees = latitude2 * (180 / kPbdPi);
    const double longitudeDegrees = RadToDeg(longitude2);
    if (!std::isfinite(latitudeDegrees) || !std::isfinite(longitudeDegrees)) {
        return {PbdProblem::NotComputable, {}};
    }

    std::string record(name);
    record += '|';
    record += FormatPbdCoordinate(latitudeDegrees);
    record += '|';
    record += FormatPbdCoordinate(longitudeDegrees);
    record += '|';
    record += kPbdTag;
    record += track;
    record += " DIST: ";
    record += distance;
    return {PbdProblem::None, std::move(record)};
}

}  // namespace vantrel

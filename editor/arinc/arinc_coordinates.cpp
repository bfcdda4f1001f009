#include "arinc_coordinates.h"

#include <cstdint>
#include <iterator>

namespace vantrel {
namespace {

// The digits as a number; no value when any of them is not a digit.
std::optional<std::int64_t> Digits(std::string_view text) {
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<std::string> Coordinate(std::string_view text, std::size_t degreeDigits,
                                      char positive, char negative, std::int64_t maxDegrees) {
    if (text.size() != 1 + degreeDigits + 6 || (text[0] != positive && text[0] != negative)) {
        return std::nullopt;
    }
    const auto degrees = Digits(text.substr(1, degreeDigits));
    const auto minutes = Digits(text.substr(1 + degreeDigits, 2));
    const auto hundredths = Digits(text.substr(3 + degreeDigits, 4));  // seconds * 100
    if (!degrees || !minutes || !hundredths || *minutes > 59 || *hundredths > 5999) {
        return std::nullopt;
    }
    const std::int64_t total = ((*degrees * 60 + *minutes) * 60) * 100 + *hundredths;
    if (total > maxDegrees * 360000) {
        return std::nullopt;
    }
    // Millionths of a degree: total * 1,000,000 / 360,000 = total * 25 / 9, rounded. A ninth is
    // never a half, so rounding to the nearest leaves no tie.
    // Written as degrees and six decimals without the point: the digits of the millionths, at
    // least seven of them ("0621681" for 0.621681 degrees).
    std::int64_t millionths = (total * 50 + 9) / 18;
    const bool minus = text[0] == negative && millionths != 0;
    char reversed[20];
    std::size_t count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + millionths % 10);
        millionths /= 10;
    } while (millionths > 0 || count < 7);
    std::string written(minus ? "-" : "");
    written.append(std::make_reverse_iterator(reversed + count),
                   std::make_reverse_iterator(reversed));
    return written;
}

}  // namespace

std::optional<std::string> ArincLatitude(std::string_view text) {
    return Coordinate(text, 2, 'N', 'S', 90);
}

std::optional<std::string> ArincLongitude(std::string_view text) {
    return Coordinate(text, 3, 'E', 'W', 180);
}

}  // namespace vantrel

#include "arinc_coordinates.h"

#include <cstdint>

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

std::optional<std::int32_t> Coordinate(std::string_view text, std::size_t degreeDigits,
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
    const auto millionths = static_cast<std::int32_t>((total * 50 + 9) / 18);
    return text[0] == negative ? -millionths : millionths;
}

}  // namespace

std::optional<std::int32_t> ArincLatitude(std::string_view text) {
    return Coordinate(text, 2, 'N', 'S', 90);
}

std::optional<std::int32_t> ArincLongitude(std::string_view text) {
    return Coordinate(text, 3, 'E', 'W', 180);
}

CoordinateText::CoordinateText(std::int32_t millionths) : start_(sizeof text_) {
    static constexpr char kPairs[] =
        "000102030405060708091011121314151617181920212223242526272829303132333435363738394041424344"
        "4546"
        "474849505152535455565758596061626364656667686970717273747576777879808182838485868788899091"
        "9293"
        "949596979899";
    // Counted in 64 bits, so that the lowest 32-bit number has a magnitude too; two digits a step.
    std::uint64_t magnitude =
        millionths < 0 ? 0 - static_cast<std::uint64_t>(static_cast<std::int64_t>(millionths))
                       : static_cast<std::uint64_t>(millionths);
    while (magnitude >= 100) {
        const std::size_t pair = 2 * (magnitude % 100);
        magnitude /= 100;
        text_[--start_] = kPairs[pair + 1];
        text_[--start_] = kPairs[pair];
    }
    do {
        text_[--start_] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    while (sizeof text_ - start_ < 7) {
        text_[--start_] = '0';
    }
    if (millionths < 0) {
        text_[--start_] = '-';
    }
}

}  // namespace vantrel

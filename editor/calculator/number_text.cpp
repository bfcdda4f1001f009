#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace vantrel {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    return at;
}

// Length of the unsigned decimal number at the start of the text: digits, optionally "." and
// digits, optionally an exponent; 0 when the text does not begin with digits.
std::size_t DecimalLength(std::string_view text) {
    std::size_t end = SkipDigits(text, 0);
    if (end == 0) {
        return 0;
    }
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = SkipDigits(text, end + 1);
        if (fractionEnd == end + 1) {
            return end;
        }
        end = fractionEnd;
    }
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const std::size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent) {
            end = exponentEnd;
        }
    }
    return end;
}

// Decimal order of magnitude of an unsigned decimal number that a double cannot hold: positive
// when it is too large, negative when it is too small. Only its sign is used.
long long OrderOfMagnitude(std::string_view number) {
    const std::size_t exponentAt = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, exponentAt);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstSignificant = mantissa.find_first_not_of("0.");
    if (firstSignificant == std::string_view::npos) {
        return -1;  // zero cannot be out of range; treat as tiny
    }
    const long long order = firstSignificant < point
                                ? static_cast<long long>(point - firstSignificant)
                                : -static_cast<long long>(firstSignificant - point - 1);
    if (exponentAt == std::string_view::npos) {
        return order;
    }
    std::string_view exponent = number.substr(exponentAt + 1);
    const bool negative = exponent.starts_with('-');
    if (exponent.starts_with('-') || exponent.starts_with('+')) {
        exponent.remove_prefix(1);
    }
    exponent.remove_prefix(std::min(exponent.find_first_not_of('0'), exponent.size()));
    if (exponent.size() > 9) {
        return negative ? -1 : 1;  // the exponent outweighs any mantissa
    }
    long long exponentValue = 0;
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), exponentValue);
    return order + (negative ? -exponentValue : exponentValue);
}

// The value of an unsigned decimal number; too large a number gives infinity, too small zero.
double UnsignedValue(std::string_view number) {
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        return OrderOfMagnitude(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return value;
}

}  // namespace

std::optional<double> ReadTypedNumber(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            kept += c;
        }
    }
    std::string_view rest = kept;
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    if (rest.empty() || DecimalLength(rest) != rest.size()) {
        return std::nullopt;
    }
    const double value = UnsignedValue(rest);
    return negative ? -value : value;
}

std::optional<double> ReadWholeNumber(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (negative) {
        text.remove_prefix(1);
    }
    if (text.empty() || SkipDigits(text, 0) != text.size()) {
        return std::nullopt;
    }
    const double value = UnsignedValue(text);
    if (std::isinf(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace vantrel

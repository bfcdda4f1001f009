// The value text rule: 17 significant digits laid out in 32 places, fixed or with an exponent,
// trailing fraction zeros removed. Built from std::to_chars, so the text is the same on every
// platform and in every C locale.
#include "value_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kSignificantDigits = 17;
constexpr int kPlaces = 32;

// Removes the zeros that end the fraction after the point; the point stays.
void trim_fraction_zeros(std::string& text) {
    while (text.back() == '0') {
        text.pop_back();
    }
}

}  // namespace

std::string value_text(double value) {
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-inf" : "inf";
    }
    // "[-]d.dddddddddddddddde±xx": the 17 rounded digits and the decimal exponent. Zero comes out
    // with exponent 0, so it takes the fixed layout below.
    char rounded[40];
    const auto result = std::to_chars(rounded, rounded + sizeof rounded, value,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    *result.ptr = '\0';
    const char* mantissa = rounded;
    const bool negative = *mantissa == '-';
    if (negative) {
        ++mantissa;
    }
    std::string digits(kPlaces, '0');  // places past the seventeenth stay 0
    digits[0] = mantissa[0];
    for (int i = 1; i < kSignificantDigits; ++i) {
        digits[static_cast<std::size_t>(i)] = mantissa[i + 1];  // past the point
    }
    const int exponent = std::atoi(mantissa + kSignificantDigits + 2);  // past "e"

    std::string text = negative ? "-" : "";
    if (exponent >= -1 && exponent < kPlaces) {
        const std::size_t integer_digits =
            exponent < 0 ? 0 : static_cast<std::size_t>(exponent) + 1;
        text += integer_digits == 0 ? "0" : digits.substr(0, integer_digits);
        text += '.';
        text += digits.substr(integer_digits);
        trim_fraction_zeros(text);
        return text;
    }
    text += digits[0];
    text += '.';
    text += digits.substr(1);
    trim_fraction_zeros(text);
    char exponent_text[16];
    std::snprintf(exponent_text, sizeof exponent_text, "e%c%03d", exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    return text + exponent_text;
}

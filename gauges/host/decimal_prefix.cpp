// Longest decimal floating-point prefix: optional blanks, optional sign, digits with an optional
// point, and an exponent only when digits follow its letter. Hexadecimal, infinity and NaN forms
// are not numbers here.
#include "decimal_prefix.h"

#include <charconv>
#include <cstring>

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

const char* skip_digits(const char* p) {
    while (is_digit(*p)) {
        ++p;
    }
    return p;
}

}  // namespace

double decimal_prefix(const char* text) {
    if (text == nullptr) {
        return 0.0;
    }
    const char* p = text;
    while (*p == ' ' || *p == '\t') {
        ++p;
    }
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    const char* start = p;
    const char* integer_end = skip_digits(p);
    const char* end = integer_end;
    if (*end == '.') {
        end = skip_digits(end + 1);
    }
    if (integer_end == start && end - start <= 1) {
        return 0.0;  // no digit at all
    }
    if (*end == 'e' || *end == 'E') {
        const char* exponent = end + 1;
        if (*exponent == '+' || *exponent == '-') {
            ++exponent;
        }
        if (is_digit(*exponent)) {
            end = skip_digits(exponent);
        }
    }
    double value = 0.0;
    std::from_chars(start, end, value, std::chars_format::general);
    return negative ? -value : value;
}

// The text qvt_xml_config stores for a variable's value, so that a file written twice from the
// same values is the same byte for byte, and every value reads back exactly.
#pragma once

#include <cstddef>
#include <string>

// The longest text value_text gives: a sign, 32 digits and the point (magnitudes from 1e31 up
// to 1e32).
constexpr std::size_t kValueTextMaxLength = 34;

// The value rounded to 17 significant digits. Zero, and magnitudes from 0.1 up to 1e32, are written
// in fixed notation with 32 significant places ("250.", "0.10000000000000001"); the others in
// exponent notation with 31 places after the point and a signed three-digit exponent
// ("6.25e-002"). The zeros that end the fraction are removed; the point stays. Infinities read
// "inf" and "-inf", NaN reads "nan".
std::string value_text(double value);

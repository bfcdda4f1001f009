// The value text rule: the texts of the documented examples, large, small and negative-exponent
// values, the edges between fixed and exponent notation, and values that are not numbers.
#include "value_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct TextCase {
    double value;
    const char* text;
};

const TextCase kTextCases[] = {
    // The documented examples.
    {1.0, "1."},
    {0.5, "0.5"},
    {0.0, "0."},
    {-2.25, "-2.25"},
    {250.0, "250."},
    {0.0625, "6.25e-002"},
    {0.1, "0.10000000000000001"},
    // Fixed notation from 0.1 up to 1e32, digits past the seventeenth written as 0.
    {-0.1, "-0.10000000000000001"},
    {1.0 / 3.0, "0.33333333333333331"},
    {123456.789, "123456.789"},
    {9007199254740993.0, "9007199254740992."},
    {1e17, "100000000000000000."},
    {123456789012345678901234.0, "123456789012345690000000."},
    {1e31, "9999999999999999600000000000000."},
    {-1e31, "-9999999999999999600000000000000."},
    {-3e31, "-29999999999999999000000000000000."},  // the longest text: 34 characters
    {9.9999999999999987e31, "99999999999999987000000000000000."},
    // Exponent notation below 0.1 and from 1e32 on, three exponent digits.
    {0.099999999999999992, "9.9999999999999992e-002"},
    {1e32, "1.0000000000000001e+032"},
    {0x1p110, "1.2980742146337069e+033"},
    {-4.5e100, "-4.5000000000000004e+100"},
    {std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
    {0x1p-20, "9.5367431640625e-007"},
    {-0x1p-4, "-6.25e-002"},
    {1e-5, "1.0000000000000001e-005"},
    {-1.5e-300, "-1.5000000000000001e-300"},
    {std::numeric_limits<double>::min(), "2.2250738585072014e-308"},
    {std::numeric_limits<double>::denorm_min(), "4.9406564584124654e-324"},
    // Negative zero keeps its sign, so it reads back as it was.
    {-0.0, "-0."},
    // Not numbers: written as such, read back as 0.
    {std::numeric_limits<double>::infinity(), "inf"},
    {-std::numeric_limits<double>::infinity(), "-inf"},
    {std::numeric_limits<double>::quiet_NaN(), "nan"},
};

TEST(ValueText, WritesEachValueAsTheRuleSays) {
    for (const TextCase& c : kTextCases) {
        SCOPED_TRACE(c.text);
        const std::string text = value_text(c.value);
        EXPECT_EQ(text, c.text);
        EXPECT_LE(text.size(), kValueTextMaxLength);
    }
}

}  // namespace

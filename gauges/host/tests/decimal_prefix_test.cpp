// Numbers in configuration text: the longest decimal floating-point prefix, 0 when there is none.
#include "decimal_prefix.h"

#include <gtest/gtest.h>

struct PrefixCase {
    const char* text;
    double value;
};

const PrefixCase kPrefixCases[] = {
    {"10.0", 10.0},
    {"25", 25.0},
    {"-2.25", -2.25},
    {"+3", 3.0},
    {"  7.5", 7.5},
    {"0.5kg", 0.5},
    {"5.", 5.0},
    {".25", 0.25},
    {"1e", 1.0},
    {"2e+", 2.0},
    {"0x10", 0.0},
    {"inf", 0.0},
    {"nan", 0.0},
    {".", 0.0},
    {"-", 0.0},
    {"abc", 0.0},
    {"", 0.0},
    {"6.25e-002", 0.0625},
    {"0.10000000000000001", 0.1},
};

TEST(DecimalPrefix, ReadsTheLongestDecimalPrefix) {
    for (const PrefixCase& c : kPrefixCases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(decimal_prefix(c.text), c.value);
    }
    EXPECT_EQ(decimal_prefix(nullptr), 0.0);
}

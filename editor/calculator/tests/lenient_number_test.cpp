// How the calculator reads the typed track and distance, and the source point's coordinates.
#include "lenient_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace vantrel {
namespace {

TEST(LenientNumber, ReadsTheLongestLeadingDecimalNumber) {
    const struct {
        std::string text;
        double value;
    } cases[] = {
        {"90", 90},
        {"090", 90},
        {"12,5", 12},
        {"12.5", 12.5},
        {" 1 2 . 5 ", 12.5},
        {"1\t0\n5", 105},
        {"", 0},
        {"abc", 0},
        {"-30", -30},
        {"+7", 7},
        {"-", 0},
        {".5", 0.5},
        {"5.", 5},
        {".", 0},
        {"1e2", 100},
        {"1E+2x", 100},
        {"2.5e-1", 0.25},
        {"3e", 3},
        {"3e+", 3},
        {"4ex", 4},
        {"--5", 0},
        {"1.2.3", 1.2},
        {"270°", 270},
        {"1e-400", 0},
        {"0.0001e-400", 0},
        {"12\r", 12},
        {"\r12", 0},
        {"1e400", INFINITY},
        {"-1e400", -INFINITY},
        {std::string(400, '9'), INFINITY},
        {"1e99999999999999", INFINITY},
        {"0." + std::string(400, '0') + "1", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadLenientNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(WholeNumber, IsAnOptionalMinusAndDigitsOnly) {
    EXPECT_EQ(ReadWholeNumber("47539776"), 47539776.0);
    EXPECT_EQ(ReadWholeNumber("-0621681"), -621681.0);
    EXPECT_EQ(ReadWholeNumber("0"), 0.0);
    for (const char* unusable : {"", "-", "+5", " 5", "5 ", "4.5", "1e3", "12a", "--1"}) {
        EXPECT_FALSE(ReadWholeNumber(unusable)) << '"' << unusable << '"';
    }
    EXPECT_FALSE(ReadWholeNumber(std::string(400, '9')));
}

}  // namespace
}  // namespace vantrel

// How the calculator reads the typed track and distance, and the source point's coordinates.
#include "number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace vantrel {
namespace {

TEST(TypedNumber, IsWhollyADecimalNumberOnceBlanksAreDropped) {
    const struct {
        std::string text;
        double value;
    } numbers[] = {
        {"90", 90},
        {"090", 90},
        {"12.5", 12.5},
        {" 1 2 . 5 ", 12.5},
        {"1\t0\n5", 105},
        {"-30", -30},
        {"+7", 7},
        {"1e2", 100},
        {"1E+2", 100},
        {"2.5e-1", 0.25},
        {"1e-400", 0},
        {"1e400", INFINITY},
        {"-1e400", -INFINITY},
        {std::string(400, '9'), INFINITY},
        {"1e99999999999999", INFINITY},
        {"0." + std::string(400, '0') + "1", 0},
    };
    for (const auto& c : numbers) {
        EXPECT_EQ(ReadTypedNumber(c.text), c.value) << '"' << c.text << '"';
    }
    for (const char* refused : {"", " ", "abc", "9O", "12,5", "-", "+", "--5", ".", ".5", "5.",
                                "3e", "3e+", "4ex", "1.2.3", "270\xB0", "12\r", "\r12", "1e2x"}) {
        EXPECT_FALSE(ReadTypedNumber(refused)) << '"' << refused << '"';
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

// The calculator's auxiliary functions: each quadrant and special case of the full arc tangent,
// the clamped arc sine and the floor modulus.
#include "pbd_math.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vantrel {
namespace {

const double kPi = 4 * std::atan(1.0);

TEST(Atan2Full, CoversEveryQuadrantAndAxis) {
    const struct {
        double y;
        double x;
        double signedAngle;
    } cases[] = {
        {1, 1, kPi / 4},
        {1, -1, 3 * kPi / 4},
        {-1, -1, -3 * kPi / 4},
        {-1, 1, -kPi / 4},
        {0, 1, 0},
        {0, -1, -kPi},
        {5e-8, -1, -kPi},
        {1, 0, kPi / 2},
        {-1, 0, -kPi / 2},
        {1, 5e-8, kPi / 2},
        {0, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(Atan2Full(c.y, c.x, false), c.signedAngle) << c.y << ", " << c.x;
        const double positive = c.signedAngle < 0 ? c.signedAngle + 2 * kPi : c.signedAngle;
        EXPECT_DOUBLE_EQ(Atan2Full(c.y, c.x, true), positive) << c.y << ", " << c.x;
    }
}

TEST(ArcSin, UsesTheCalculatorsPiAtTheEndsAndClampsBeyondThem) {
    EXPECT_EQ(ArcSin(1), kPbdPi / 2);
    EXPECT_EQ(ArcSin(-1), -kPbdPi / 2);
    EXPECT_EQ(ArcSin(1.0000000000000002), kPbdPi / 2);
    EXPECT_EQ(ArcSin(-1.0000000000000002), -kPbdPi / 2);
    EXPECT_DOUBLE_EQ(ArcSin(0.5), kPi / 6);
    EXPECT_EQ(ArcSin(0), 0);
}

TEST(AngleUnits, UseTheLiteralPi) {
    EXPECT_EQ(DegToRad(180), kPbdPi);
    EXPECT_EQ(RadToDeg(kPbdPi), 180);
    EXPECT_NE(DegToRad(180), kPi);
}

TEST(FloorMod, TakesTheSignOfTheModulus) {
    EXPECT_DOUBLE_EQ(FloorMod(7, 3), 1);
    EXPECT_DOUBLE_EQ(FloorMod(-7, 3), 2);
    EXPECT_DOUBLE_EQ(FloorMod(7, -3), -2);
    EXPECT_DOUBLE_EQ(FloorMod(-1, kPbdFullCircle), kPbdFullCircle - 1);
}

}  // namespace
}  // namespace vantrel

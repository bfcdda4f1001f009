// ARINC 424 latitudes and longitudes into coordinate text: rounding to six decimals, signs, the
// leading zero below one degree, and texts that are no coordinates.
#include "arinc_coordinates.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(ArincCoordinates, BecomeCoordinateTextRoundedToSixDecimals) {
    struct Case {
        const char* latitude;
        const char* expectedLatitude;
        const char* longitude;
        const char* expectedLongitude;
    };
    const Case cases[] = {
        {"N40382374", "40639928", "W073464329", "-73778692"},
        {"S00371805", "-0621681", "E000371805", "0621681"},
        {"N00000000", "0000000", "W000000000", "0000000"},  // no minus sign for zero
        {"N90000000", "90000000", "E180000000", "180000000"},
        {"S33565999", "-33949997", "E151105999", "151183331"},
        {"N00000001", "0000003", "W000000001", "-0000003"},  // 1/360000 degree rounds up
    };
    for (const Case& c : cases) {
        const auto latitude = ArincLatitude(c.latitude);
        const auto longitude = ArincLongitude(c.longitude);
        ASSERT_TRUE(latitude && longitude) << c.latitude << " " << c.longitude;
        EXPECT_EQ(CoordinateText(*latitude).view(), c.expectedLatitude) << c.latitude;
        EXPECT_EQ(CoordinateText(*longitude).view(), c.expectedLongitude) << c.longitude;
    }
}

TEST(ArincCoordinates, TextsThatAreNoCoordinatesGiveNone) {
    for (const char* latitude : {"", "         ", "X40382374", "N4038237", "N403823745",
                                 "N40602374", "N40386000", "N90000001", "N4038 374", "E40382374"}) {
        EXPECT_EQ(ArincLatitude(latitude), std::nullopt) << latitude;
    }
    for (const char* longitude : {"W07346432", "W180000001", "N073464329", "W07346432A"}) {
        EXPECT_EQ(ArincLongitude(longitude), std::nullopt) << longitude;
    }
}

}  // namespace
}  // namespace vantrel

// Reading a leg's place from its coordinate texts, with the reasons given for unusable ones, and
// the great-circle distance between two places, checked against the calculator's own points.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "leg_position.h"
#include "pbd_point.h"

namespace vantrel {
namespace {

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream stream(line);
    for (std::string field; std::getline(stream, field, '|');) {
        fields.push_back(field);
    }
    return fields;
}

struct PositionCase {
    const char* latitude;
    const char* longitude;
    const char* problem;  // empty when the leg can be placed
};

TEST(LegPosition, ReadsCoordinateTextsAndNamesWhatIsWrong) {
    const PositionCase cases[] = {
        {"47539776", "18292444", ""},
        {"-0621681", "-000001", ""},
        {"90000000", "-180000000", ""},
        {"", "19000000", "no latitude"},
        {"47000000", "", "no longitude"},
        {"", "", "no latitude; no longitude"},
        {"47.539776", "19000000",
         "latitude \"47.539776\" is not digits with an optional minus sign"},
        {"+47000000", "19000000",
         "latitude \"+47000000\" is not digits with an optional minus sign"},
        {" 47000000", "19000000",
         "latitude \" 47000000\" is not digits with an optional minus sign"},
        {"47000000", "19E", "longitude \"19E\" is not digits with an optional minus sign"},
        {"-", "19000000", "latitude \"-\" is not digits with an optional minus sign"},
        {"475397760", "19000000", "latitude \"475397760\" is beyond 90 degrees north or south"},
        {"-90000001", "19000000", "latitude \"-90000001\" is beyond 90 degrees north or south"},
        {"47000000", "180000001", "longitude \"180000001\" is beyond 180 degrees east or west"},
        {"4700000000", "1900000000",
         "latitude \"4700000000\" is beyond 90 degrees north or south; longitude "
         "\"1900000000\" is beyond 180 degrees east or west"},
    };
    for (const PositionCase& c : cases) {
        SCOPED_TRACE(std::string(c.latitude) + " " + c.longitude);
        const LegPosition position = ReadLegPosition(c.latitude, c.longitude);
        EXPECT_EQ(position.problem, c.problem);
        EXPECT_EQ(position.point.has_value(), std::string(c.problem).empty());
    }
    const LegPosition torno = ReadLegPosition("47539776", "-0621681");
    ASSERT_TRUE(torno.point);
    EXPECT_DOUBLE_EQ(torno.point->latitude, 47.539776);
    EXPECT_DOUBLE_EQ(torno.point->longitude, -0.621681);
}

TEST(LegPosition, GreatCircleDistanceInNauticalMiles) {
    // One minute of arc is one nautical mile.
    EXPECT_NEAR(GreatCircleNm({0, 0}, {1, 0}), 60, 1e-9);
    EXPECT_NEAR(GreatCircleNm({0, 0}, {0, -1}), 60, 1e-9);
    EXPECT_NEAR(GreatCircleNm({47, 19}, {47, 19}), 0, 1e-12);
    // Across the date line the short way round.
    EXPECT_NEAR(GreatCircleNm({0, 179.5}, {0, -179.5}), 60, 1e-9);
    EXPECT_NEAR(GreatCircleNm({90, 0}, {-90, 0}), 180 * 60, 1e-6);
}

// The points that the calculator puts at a distance lie at that distance again.
TEST(LegPosition, DistanceAgreesWithTheCalculatorsPoints) {
    struct Source {
        const char* latitude;
        const char* longitude;
        const char* track;
        double distanceNm;
    };
    const Source sources[] = {
        {"47000000", "19000000", "90", 60},    {"47000000", "19000000", "180", 60},
        {"-33900000", "151200000", "225", 30}, {"51470000", "-461000", "300", 25},
        {"0", "179900000", "90", 30},          {"47539776", "-0621681", "45", 480},
    };
    for (const Source& source : sources) {
        SCOPED_TRACE(std::string(source.latitude) + " " + source.longitude + " " + source.track);
        const PbdPoint computed = ComputePbdPoint(source.latitude, source.longitude, source.track,
                                                  std::to_string(source.distanceNm), "FIX");
        const std::vector<std::string> fields = Fields(computed.record);
        const LegPosition from = ReadLegPosition(source.latitude, source.longitude);
        const LegPosition to = ReadLegPosition(fields.at(1), fields.at(2));
        ASSERT_TRUE(from.point && to.point);
        // The computed coordinates are cut to a millionth of a degree, well under 0.001 NM.
        EXPECT_NEAR(GreatCircleNm(*from.point, *to.point), source.distanceNm, 1e-3);
    }
}

}  // namespace
}  // namespace vantrel

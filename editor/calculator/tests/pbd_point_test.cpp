// The calculator's results, digit for digit: the worked points, the coordinate texts, and the line
// that the finder's result list shows.
#include "pbd_point.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace vantrel {
namespace {

struct WorkedPoint {
    const char* latitude;
    const char* longitude;
    const char* track;
    const char* distance;
    const char* expectedLatitude;
    const char* expectedLongitude;
};

class WorkedPoints : public testing::TestWithParam<WorkedPoint> {};

TEST_P(WorkedPoints, GiveTheirCoordinatesToTheDigit) {
    const WorkedPoint& p = GetParam();
    const PbdPoint point = ComputePbdPoint(p.latitude, p.longitude, p.track, p.distance, "NEW");
    ASSERT_EQ(point.problem, PbdProblem::None);
    EXPECT_EQ(point.record, std::string("NEW|") + p.expectedLatitude + "|" + p.expectedLongitude +
                                "|   -   [PBD] HDG: " + p.track + " DIST: " + p.distance);
}

INSTANTIATE_TEST_SUITE_P(
    Calculator, WorkedPoints,
    testing::Values(WorkedPoint{"47000000", "19000000", "90", "60", "46990642", "20466108"},
                    WorkedPoint{"47000000", "19000000", "0", "60", "48000000", "19000000"},
                    // 45.99999999999999 degrees, rounded to 15 digits before the cut
                    WorkedPoint{"47000000", "19000000", "180", "60", "46000000", "19000000"},
                    WorkedPoint{"-33900000", "151200000", "225", "30", "-34252815", "150772261"},
                    WorkedPoint{"51470000", "-461000", "300", "25", "51676898", "-1042921"},
                    // past 180 degrees east the longitude wraps to the west
                    WorkedPoint{"0", "179900000", "90", "30", "0000000", "-179600000"},
                    // digits are cut, not rounded, so no distance need not give the source back
                    WorkedPoint{"47539776", "-0621681", "90", "0", "47539776", "-0621680"},
                    // typed texts stay as they are in the line
                    WorkedPoint{"47000000", "19000000", "090", "60", "46990642", "20466108"},
                    WorkedPoint{"47000000", "19000000", "0", "12", "47200000", "19000000"},
                    WorkedPoint{"47000000", "19000000", "0", "12.5", "47208333", "19000000"}));

TEST(PbdCoordinate, IsCutAfterTheSixthDecimalOfFifteenDigits) {
    const struct {
        double degrees;
        const char* text;
    } cases[] = {
        {46.99064287448192, "46990642"},
        {45.99999999999999, "46000000"},
        {-1.042921653481788, "-1042921"},
        {150.77226179514835, "150772261"},
        {8.08e-16, "0000000"},
        {-0.6216809999999932, "-0621680"},
        {-8.08e-16, "0000000"},
        {-0.0, "0000000"},
        {0.5, "0500000"},
        {-180.0, "-180000000"},
        {0.0000015, "0000001"},
        {1234567.0, "1234567000000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatPbdCoordinate(c.degrees), c.text) << c.degrees;
    }
    EXPECT_EQ(FormatPbdCoordinate(std::numeric_limits<double>::quiet_NaN()), "");
    EXPECT_EQ(FormatPbdCoordinate(std::numeric_limits<double>::infinity()), "");
}

TEST(PbdPointLine, KeepsTheNameAsTypedEvenEmpty) {
    EXPECT_EQ(ComputePbdPoint("47000000", "19000000", "0", "60", "").record,
              "|48000000|19000000|   -   [PBD] HDG: 0 DIST: 60");
    EXPECT_EQ(ComputePbdPoint("47000000", "19000000", " 9 0 ", "6\t0", "D090F").record,
              "D090F|46990642|20466108|   -   [PBD] HDG:  9 0  DIST: 6\t0");
}

TEST(PbdPointLine, NeedsWholeNumbersAsSourceCoordinates) {
    const std::string tooLarge(400, '9');
    const struct {
        std::string latitude;
        std::string longitude;
    } unusable[] = {{"", "19000000"},    {"47000000", ""},    {"47.5", "19000000"},
                    {"47000000", "19E"}, {" 47000000", "1"},  {"+47000000", "19000000"},
                    {"-", "19000000"},   {"47000000", "1e9"}, {tooLarge, "1"}};
    for (const auto& source : unusable) {
        const PbdPoint point = ComputePbdPoint(source.latitude, source.longitude, "90", "10", "X");
        EXPECT_EQ(point.problem, PbdProblem::SourceCoordinates)
            << source.latitude << " " << source.longitude;
        EXPECT_EQ(point.record, "");
    }
}

TEST(PbdPointLine, RefusesATrackOrDistanceThatIsNotWhollyANumber) {
    const struct {
        const char* track;
        const char* distance;
        PbdProblem problem;
    } cases[] = {
        {"abc", "60", PbdProblem::TrackNotNumber},      // was a point due north
        {"9O", "60", PbdProblem::TrackNotNumber},       // a letter O
        {"", "60", PbdProblem::TrackNotNumber},         // was north
        {"90", "12,5", PbdProblem::DistanceNotNumber},  // was 12 nautical miles
        {"90", "", PbdProblem::DistanceNotNumber},      // was no distance at all
        {"abc", "12,5", PbdProblem::TrackNotNumber},    // the track first
    };
    for (const auto& c : cases) {
        const PbdPoint point = ComputePbdPoint("47000000", "19000000", c.track, c.distance, "X");
        EXPECT_EQ(point.problem, c.problem) << c.track << " " << c.distance;
        EXPECT_EQ(point.record, "");
    }
    // Source coordinates that cannot be used are named before the typed texts.
    EXPECT_EQ(ComputePbdPoint("", "19000000", "abc", "12,5", "X").problem,
              PbdProblem::SourceCoordinates);
}

TEST(PbdPointLine, RefusesATrackOrDistanceBeyondAnyNumber) {
    EXPECT_EQ(ComputePbdPoint("0", "0", "90", "1e400", "X").problem, PbdProblem::NotComputable);
    EXPECT_EQ(ComputePbdPoint("0", "0", "-1e400", "10", "X").problem, PbdProblem::NotComputable);
    // Large but finite numbers are used as they are.
    EXPECT_EQ(ComputePbdPoint("0", "0", "1e300", "1e300", "X").problem, PbdProblem::None);
    EXPECT_EQ(ComputePbdPoint("0", "0", "-400", "-30", "X").problem, PbdProblem::None);
}

TEST(PbdPointLine, TakesASourceLongitudeOfManyTurnsAsTheLongitudeItStandsFor) {
    for (const std::string longitude : {"739000000", "-701000000"}) {  // 19 + 720, 19 - 720
        EXPECT_EQ(ComputePbdPoint("47000000", longitude, "90", "60", "X").record,
                  "X|46990642|20466108|   -   [PBD] HDG: 90 DIST: 60")
            << longitude;
    }
    // Far beyond the precision of a double: still a longitude on the earth, not rounding noise.
    const std::string record =
        ComputePbdPoint("0", "-60222222222222222222222222222222222222222", "0", "5142", "X").record;
    const std::size_t start = record.find('|', 2) + 1;
    const double longitude = std::stod(record.substr(start, record.find('|', start) - start));
    EXPECT_LE(std::fabs(longitude), 180000000) << record;
}

TEST(PbdPointLine, ReachesThePolesWithoutFailing) {
    // Straight north over the pole: the sine of the new latitude may round past 1.
    EXPECT_EQ(ComputePbdPoint("89000000", "0", "0", "60", "P").record.substr(0, 11), "P|90000000|");
    EXPECT_EQ(ComputePbdPoint("-89000000", "0", "180", "60", "S").record.substr(0, 12),
              "S|-90000000|");
}

}  // namespace
}  // namespace vantrel

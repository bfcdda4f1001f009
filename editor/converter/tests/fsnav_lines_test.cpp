// Reading single FSNavigator lines: airport code, procedure name, runway and points.
#include "fsnav_lines.h"

#include <gtest/gtest.h>

#include "airport_code.h"

namespace vantrel {
namespace {

TEST(FsnavLines, NormalisesRunwayDesignators) {
    const std::pair<const char*, const char*> cases[] = {
        {"7", "07"},    {"7L", "07L"}, {"7R", "07R"}, {"9C", "09C"},
        {"07C", "07C"}, {"36", "36"},  {"", ""},
    };
    for (const auto& [designator, normalised] : cases) {
        EXPECT_EQ(NormaliseRunway(designator), normalised) << designator;
    }
}

TEST(FsnavLines, TakesTheRunwayBetweenTheFirstTwoColons) {
    EXPECT_EQ(RunwayOf("01=R:25C:50.040556:8.586667:0:0"), "25C");
    EXPECT_EQ(RunwayOf("04=R:7L:50.037778:8.586944:0:0"), "07L");
    EXPECT_EQ(RunwayOf("01=R:7"), "07");
    EXPECT_EQ(RunwayOf("NO COLON"), "NO COLON");
}

TEST(FsnavLines, NamesLoseEveryBlank) {
    EXPECT_EQ(ProcedureName("N=AB CD 1A"), "ABCD1A");
    EXPECT_EQ(ProcedureName("K=AB CD 1A"), "ABCD1A");
    EXPECT_EQ(ProcedureName("N= TOBAK  5 S "), "TOBAK5S");
    EXPECT_EQ(ProcedureName("N=A=B"), "A=B");
    EXPECT_EQ(ProcedureName("NO EQUALS"), "NOEQUALS");
}

TEST(FsnavLines, AirportCodeIsTrimmedOfBlanksOnly) {
    EXPECT_EQ(AirportCode("K= EDDF "), "EDDF");
    EXPECT_EQ(AirportCode("K=EDDF"), "EDDF");
    EXPECT_EQ(AirportCode(" LKPR "), "LKPR");
    EXPECT_EQ(AirportCode("K=\tEDDF"), "\tEDDF");
    EXPECT_EQ(AirportCode("K="), "");
}

TEST(FsnavLines, PointsBecomeLegsUnlessFlagged) {
    EXPECT_EQ(PointLeg("02=W:ABCDE:47.539776:-0.621681:0:0"),
              (LegRow{"ABCDE", "47539776", "-0621681"}));
    EXPECT_EQ(PointLeg("02=W:ABCDE:47.539776:-0.621681:0:1"), std::nullopt);
    // Only exactly "1" marks a point that is not written; other flags and later fields count not.
    EXPECT_EQ(PointLeg("02=W:ABCDE:47.5:19.25:0: 1:x"), (LegRow{"ABCDE", "475", "1925"}));
    EXPECT_EQ(PointLeg("02=W:ABCDE:47.5:19.25:0:0:1"), (LegRow{"ABCDE", "475", "1925"}));
    // A line without a flag is a point; one without both coordinates is not.
    EXPECT_EQ(PointLeg("02=W:ABCDE:47.5:19.25"), (LegRow{"ABCDE", "475", "1925"}));
    EXPECT_EQ(PointLeg("02=W:ABCDE:47.5"), std::nullopt);
}

TEST(AirportCode, RefusesCodesThatCannotNameAFile) {
    for (const char* code : {"EDDF", "K1", "ED-DF", "A.B", "a b"}) {
        EXPECT_TRUE(IsUsableAirportCode(code)) << code;
    }
    for (const char* code : {"", "..", "../EDDF", "A/B", "A\\B", "C:", "A*", "A?", "A\"B", "<A",
                             "A>", "A|B", "A\tB", "A\x7f", "\x1b"}) {
        EXPECT_FALSE(IsUsableAirportCode(code)) << code;
    }
}

}  // namespace
}  // namespace vantrel

// Leg lines: a fix repeated in a row is one leg, within a route and where routes are joined, and
// the joint keeps working after a route that added nothing.
#include "leg_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "leg_row.h"

namespace vantrel {
namespace {

const LegRow kA{"A", "1", "2"};
const LegRow kB{"B", "3", "4"};
const LegRow kC{"C", "5", "6"};
const LegRow kD{"D", "7", "8"};

std::string Line(const LegRow& leg) {
    return "S|" + leg.name + "|" + leg.latitude + "|" + leg.longitude +
           "| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0\r\n";
}

std::string Lines(std::initializer_list<LegRow> legs) {
    std::string text;
    for (const LegRow& leg : legs) {
        text += Line(leg);
    }
    return text;
}

LegLines Of(std::initializer_list<LegRow> legs) {
    LegLines lines;
    for (const LegRow& leg : legs) {
        lines.add(leg.name, leg.latitude, leg.longitude);
    }
    return lines;
}

TEST(LegLines, AFixRepeatedInARowWithinARouteIsOneLeg) {
    EXPECT_EQ(Of({kA, kA, kB, kA, kA}).text(), Lines({kA, kB, kA}));
    // The same name at another place is another leg.
    EXPECT_EQ(Of({kA, {"A", "1", "9"}}).text(), Lines({kA, {"A", "1", "9"}}));
    EXPECT_TRUE(Of({}).empty());
}

TEST(LegLines, RoutesJoinWithoutRepeatingTheFixAtTheJoint) {
    LegLines joined;
    joined.append(Of({}));
    joined.append(Of({kA, kB}));
    EXPECT_EQ(joined.text(), Lines({kA, kB}));
    joined.append(Of({kB, kC}));
    EXPECT_EQ(joined.text(), Lines({kA, kB, kC}));
    // A route of the one fix just reached adds nothing, and the next joint still sees C last.
    joined.append(Of({kC}));
    joined.append(Of({}));
    joined.append(Of({kC, kD}));
    EXPECT_EQ(joined.text(), Lines({kA, kB, kC, kD}));
    joined.append(Of({kA}));
    joined.append(Of({kA, kA}));
    EXPECT_EQ(joined.text(), Lines({kA, kB, kC, kD, kA}));
    joined.clear();
    joined.append(Of({kA}));
    EXPECT_EQ(joined.text(), Lines({kA}));
}

TEST(LegLines, LinesAfterALineLeaveOutTheirFirstWhenItIsThatLine) {
    const LegLines route = Of({kB, kC});
    EXPECT_EQ(route.linesAfter(Line(kB)), Lines({kC}));
    EXPECT_EQ(route.linesAfter(Line(kA)), Lines({kB, kC}));
    EXPECT_EQ(route.linesAfter({}), Lines({kB, kC}));
    EXPECT_EQ(Of({kB}).linesAfter(Line(kB)), "");
    EXPECT_EQ(Of({}).linesAfter({}), "");
    EXPECT_EQ(route.lastLine(), Line(kC));
}

}  // namespace
}  // namespace vantrel

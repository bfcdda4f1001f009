// The record writers and the field splitting of record lines.
#include "records.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(Records, WritesHeaderAndLegInTheirFixedForm) {
    EXPECT_EQ(HeaderRecord("ABC1A", "27L"), "P|ABC1A|27L| |0|0|");
    EXPECT_EQ(LegRecord({"TORNO", "47539776", "-0621681"}),
              "S|TORNO|47539776|-0621681| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0");
    EXPECT_EQ(SplitFields(LegRecord({"A", "", ""})).size(), 19u);
    EXPECT_EQ(SplitFields(HeaderRecord("A", "1")).size(), 7u);
}

TEST(Records, SplitsAtEveryBar) {
    EXPECT_FALSE(IsRecord("ENDOFFILE"));
    EXPECT_TRUE(IsRecord("|"));
    EXPECT_EQ(SplitFields("P| A |27L|"), (std::vector<std::string_view>{"P", " A ", "27L", ""}));
    EXPECT_EQ(SplitFields("no bar"), (std::vector<std::string_view>{"no bar"}));
    EXPECT_EQ(TrimBlanks("  A B  "), "A B");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks("\tA "), "\tA");
}

}  // namespace
}  // namespace vantrel

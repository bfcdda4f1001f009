// The NavRecord texts built from navigation data lines, and the legs read back from them.
#include "nav_record.h"

#include <gtest/gtest.h>

#include "records.h"

namespace vantrel {
namespace {

TEST(NavRecord, NavaidTagsVorOnlyForKindOne) {
    struct Case {
        const char* line;
        const char* record;
    };
    const Case cases[] = {
        {"ABC|ALPHA|116.60|1|1|130|47539776|-0621681|200|LH",
         "ABC|47539776|-0621681|ALPHA - LH   -   [VOR]"},
        {"ABC|ALPHA|387.0|2|0|40|47539776|-0621681|300|LH|X",
         "ABC|47539776|-0621681|ALPHA - LH   -   [NDB]"},
        {"ABC|ALPHA|387.0|3|0|40|1|2|300|LH", "ABC|1|2|ALPHA - LH   -   [NDB]"},
        {"ABC|ALPHA|387.0||0|40|1|2|300|LH", "ABC|1|2|ALPHA - LH   -   [NDB]"},
        {"ABC|ALPHA|387.0| 1|0|40|1|2|300|LH", "ABC|1|2|ALPHA - LH   -   [NDB]"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NavaidRecord(SplitFields(c.line)), c.record) << c.line;
    }
    EXPECT_EQ(IntersectionRecord("ABETI|46720000|18880000|LH"),
              "ABETI|46720000|18880000|LH   -   [INTERSECTION]");
}

TEST(NavRecord, FirstFieldMatchesExactly) {
    EXPECT_TRUE(FirstFieldIs("ABC|1|2", "ABC"));
    EXPECT_TRUE(FirstFieldIs("ABC", "ABC"));
    EXPECT_TRUE(FirstFieldIs("|1|2", ""));
    EXPECT_FALSE(FirstFieldIs("ABCD|1|2", "ABC"));
    EXPECT_FALSE(FirstFieldIs("abc|1|2", "ABC"));
    EXPECT_FALSE(FirstFieldIs("ABC|1|2", "ABC "));
    EXPECT_FALSE(FirstFieldIs("ABC |1|2", "ABC"));
    EXPECT_FALSE(FirstFieldIs("AB|C|2", "AB|C"));
    EXPECT_FALSE(FirstFieldIs("AB", "ABC"));
}

TEST(NavRecord, LegTakesTheFirstThreeFieldsAsText) {
    EXPECT_EQ(LegFromNavRecord("ABETI|46720000|18880000|LH   -   [INTERSECTION]"),
              (LegRow{"ABETI", "46720000", "18880000"}));
    EXPECT_EQ(LegFromNavRecord("P1|47539776|-0621681|   -   [PBD] HDG: 090 DIST: 12,5"),
              (LegRow{"P1", "47539776", "-0621681"}));
    EXPECT_EQ(LegFromNavRecord("ABC|1|2"), (LegRow{"ABC", "1", "2"}));
    EXPECT_EQ(LegFromNavRecord("||"), (LegRow{"", "", ""}));
    EXPECT_EQ(LegFromNavRecord("ABC|1   -   [INTERSECTION]"), std::nullopt);
    EXPECT_EQ(LegFromNavRecord("ABC   -   [INTERSECTION]"), std::nullopt);
}

}  // namespace
}  // namespace vantrel

// The legs-list changes: which rows change and where the selection goes.
#include "leg_list.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

const LegRow kA{"A", "1", "2"};
const LegRow kB{"B", "3", "4"};
const LegRow kC{"C", "5", "6"};
const LegRow kNew{"TORNO", "47539776", "18292444"};

TEST(LegList, AddsModifiesAndDeletesAtTheRightRow) {
    std::vector<LegRow> legs{kA, kB};
    AddLeg(legs, kNew);
    EXPECT_EQ(legs, (std::vector<LegRow>{kA, kB, kNew}));
    EXPECT_TRUE(ModifyLeg(legs, 1, kC));
    EXPECT_EQ(legs, (std::vector<LegRow>{kA, kC, kNew}));
    EXPECT_FALSE(ModifyLeg(legs, -1, kB));
    EXPECT_FALSE(ModifyLeg(legs, 3, kB));
    EXPECT_TRUE(DeleteLeg(legs, 0));
    EXPECT_EQ(legs, (std::vector<LegRow>{kC, kNew}));
    EXPECT_FALSE(DeleteLeg(legs, -1));
    EXPECT_TRUE(DeleteLeg(legs, 1));
    EXPECT_TRUE(DeleteLeg(legs, 0));
    EXPECT_FALSE(DeleteLeg(legs, 0));
    EXPECT_TRUE(legs.empty());
}

TEST(LegList, MovesCarryTheSelectionAndStopAtTheEnds) {
    std::vector<LegRow> legs{kA, kB, kC};
    EXPECT_EQ(MoveLegUp(legs, 2), 1);
    EXPECT_EQ(legs, (std::vector<LegRow>{kA, kC, kB}));
    EXPECT_EQ(MoveLegUp(legs, 1), 0);
    EXPECT_EQ(legs, (std::vector<LegRow>{kC, kA, kB}));
    EXPECT_EQ(MoveLegUp(legs, 0), std::nullopt);
    EXPECT_EQ(MoveLegDown(legs, 2), std::nullopt);
    EXPECT_EQ(MoveLegDown(legs, -1), std::nullopt);
    EXPECT_EQ(legs, (std::vector<LegRow>{kC, kA, kB}));
    EXPECT_EQ(MoveLegDown(legs, 0), 1);
    EXPECT_EQ(legs, (std::vector<LegRow>{kA, kC, kB}));

    std::vector<LegRow> one{kA};
    EXPECT_EQ(MoveLegUp(one, 0), std::nullopt);
    EXPECT_EQ(MoveLegDown(one, 0), std::nullopt);
}

}  // namespace
}  // namespace vantrel

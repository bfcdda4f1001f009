// Procedure entries and the occurrence number that tells equal procedures apart.
#include "procedure_entry.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(ProcedureEntry, SplitsAtTheFirstAtSignAndTrimsBothParts) {
    EXPECT_EQ(EntryText("BADOV1D", "13R"), "BADOV1D @ 13R");
    const EntryParts parts = SplitEntry(" ABC1A  @ 27L ");
    EXPECT_EQ(parts.name, "ABC1A");
    EXPECT_EQ(parts.runway, "27L");
    EXPECT_EQ(SplitEntry("A @ 2@7").runway, "2@7");
    EXPECT_EQ(SplitEntry("NORUNWAY").name, "NORUNWAY");
    EXPECT_EQ(SplitEntry("NORUNWAY").runway, "");
}

TEST(OccurrenceNumber, CountsEntriesOfTheSameProcedureDownToTheSelectedOne) {
    const std::vector<std::string> entries = {
        "ABC1A @ 27L",   "ABC1AX @ 27L", "ABC1A @ 27L", "ABC1A @ 09R",
        " ABC1A  @ 27L", "XYZ1B @ 27L",  "ABC1A @ 27L",
    };
    const std::vector<int> expected = {1, 1, 2, 1, 3, 1, 4};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(OccurrenceNumber(entries, i), expected[i]) << "index " << i;
    }
}

}  // namespace
}  // namespace vantrel

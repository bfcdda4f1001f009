// vantrel-cli find: the finder's results and cache, the same as the core search gives on a copy
// of the same folder, and its error messages.
#include <gtest/gtest.h>

#include "cli_process.h"
#include "nav_search.h"

namespace vantrel::testing {
namespace {

std::string Lines(const std::vector<std::string>& records) {
    std::string lines;
    for (const std::string& record : records) {
        lines += record + "\n";
    }
    return lines;
}

TEST(CliFind, AgreesWithTheFindersSearchAndCache) {
    const TempFolder core = DemoCopy();
    const TempFolder cli = DemoCopy();
    // MIQ is an intersection and a VOR at the same place; BETOS two intersections.
    for (const char* identifier : {"MIQ", "BETOS", "MIQ"}) {
        SCOPED_TRACE(identifier);
        const NavSearchResult expected = SearchNavData(core.path(), identifier);
        ASSERT_FALSE(expected.records.empty());
        const CliRun run = RunCliIn(cli.path(), {"find", identifier});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, Lines(expected.records));
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(ReadBytes(cli.path() / "cache.dat"), ReadBytes(core.path() / "cache.dat"));
    }
}

TEST(CliFind, TakesTheIdentifierInUpperCase) {
    const TempFolder folder = DemoCopy();
    const CliRun run = RunCliIn(folder.path(), {"find", "abeti"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "ABETI|46720000|18880000|LH   -   [INTERSECTION]\n");
}

TEST(CliFind, NothingFoundIsStatus1) {
    const TempFolder folder = DemoCopy();
    const CliRun run = RunCliIn(folder.path(), {"find", "NOSUCH"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "vantrel-cli find: no waypoint NOSUCH in waypoints.txt or navaids.txt\n");
}

TEST(CliFind, ErrorGoesToStandardErrorAfterTheLinesFound) {
    TempFolder folder;
    const CliRun noData = RunCliIn(folder.path(), {"find", "ABC"});
    EXPECT_EQ(noData.status, 2);
    EXPECT_EQ(noData.out, "");
    EXPECT_EQ(noData.err,
              "vantrel-cli find: Error with opening or reading information from WAYPOINTS.TXT\n");

    folder.write("waypoints.txt", "ABC|1|2|XX\r\n");
    const CliRun noNavaids = RunCliIn(folder.path(), {"find", "ABC"});
    EXPECT_EQ(noNavaids.status, 2);
    EXPECT_EQ(noNavaids.out, "ABC|1|2|XX   -   [INTERSECTION]\n");
    EXPECT_EQ(noNavaids.err,
              "vantrel-cli find: Error with opening or reading information from NAVAIDS.TXT\n");
}

}  // namespace
}  // namespace vantrel::testing

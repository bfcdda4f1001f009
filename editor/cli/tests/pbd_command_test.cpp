// vantrel-cli pbd: the calculator's line for worked points, and the values it cannot use.
#include <gtest/gtest.h>

#include "cli_process.h"

namespace vantrel::testing {
namespace {

TEST(CliPbd, PrintsTheCalculatorsLine) {
    const struct {
        std::vector<std::string> arguments;
        const char* line;
    } cases[] = {
        {{"47000000", "19000000", "90", "60"},
         "FIX|46990642|20466108|   -   [PBD] HDG: 90 DIST: 60\n"},
        {{"47000000", "19000000", "180", "60", "SOUTH"},
         "SOUTH|46000000|19000000|   -   [PBD] HDG: 180 DIST: 60\n"},
        {{"-33900000", "151200000", "225", "30", "SYD"},
         "SYD|-34252815|150772261|   -   [PBD] HDG: 225 DIST: 30\n"},
        {{"0", "179900000", "090", "30"},
         "FIX|0000000|-179600000|   -   [PBD] HDG: 090 DIST: 30\n"},
        {{"47000000", "19000000", "0", " 12.5", ""},
         "|47208333|19000000|   -   [PBD] HDG: 0 DIST:  12.5\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli([&] {
            std::vector<std::string> arguments{"pbd"};
            arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
            return arguments;
        }());
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, c.line);
        EXPECT_EQ(run.err, "");
    }
}

TEST(CliPbd, ValuesThatCannotBeUsedAreAnError) {
    for (const char* latitude : {"47.5", "", "N47"}) {
        const CliRun run = RunCli({"pbd", latitude, "19000000", "90", "60"});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err,
                  "vantrel-cli pbd: LAT and LON must be whole numbers like 47539776 or -0621681 "
                  "(degrees times 1,000,000)\n");
    }
    // A track or distance must be wholly a number: "12,5" is not 12, nor "abc" north.
    const struct {
        const char* track;
        const char* distance;
        const char* message;
    } typed[] = {
        {"abc", "60", "TRACK must be a number of degrees like 90, 127.5 or -45"},
        {"9O", "60", "TRACK must be a number of degrees like 90, 127.5 or -45"},
        {"90", "12,5", "DIST must be a number of nautical miles like 60 or 12.5"},
        {"90", "", "DIST must be a number of nautical miles like 60 or 12.5"},
    };
    for (const auto& c : typed) {
        const CliRun run = RunCli({"pbd", "47000000", "19000000", c.track, c.distance});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, std::string("vantrel-cli pbd: ") + c.message + "\n");
    }
    const CliRun tooFar = RunCli({"pbd", "47000000", "19000000", "90", "1e400"});
    EXPECT_EQ(tooFar.status, 2);
    EXPECT_EQ(tooFar.err,
              "vantrel-cli pbd: the track or the distance is too large to compute a point from\n");
}

}  // namespace
}  // namespace vantrel::testing

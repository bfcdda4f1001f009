// Which procedure files hold a line feed without a CR before it: the same files as the checks
// report line ends of LF alone for, and none after the line ends are repaired.
#include "bare_line_feed.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "procedure_check.h"
#include "separator_repair.h"
#include "temp_folder.h"

namespace vantrel {
namespace {

const struct {
    const char* text;
    bool bare;
} kTexts[] = {
    {"", false},
    {"P|A|1| |0|0|\r\nS|X|1|2\r\n", false},
    {"P|A|1| |0|0|\rS|X|1|2\r", false},
    {"P|A|1| |0|0|\r\nS|X|1|2", false},
    {"P|A|1| |0|0|\nS|X|1|2\n", true},
    {"\nP|A|1| |0|0|\r\n", true},
    {"P|A|1| |0|0|\r\n\n", true},
    {"P|A|1| |0|0|\n\r", true},
    {"P|A|1| |0|0|\r\n\r\nS|X|1|2\n", true},
};

TEST(BareLineFeed, IsALineFeedWithoutACrBeforeIt) {
    for (const auto& c : kTexts) {
        EXPECT_EQ(HoldsBareLineFeed(c.text), c.bare) << c.text;
        const auto findings = CheckProcedureText(c.text);
        const bool reported = std::any_of(findings.begin(), findings.end(), [](const Finding& f) {
            return f.kind == FindingKind::LineEnds && f.message.starts_with("line ends with LF");
        });
        EXPECT_EQ(reported, c.bare) << "the checks agree: " << c.text;
    }
}

TEST(BareLineFeed, IsFoundInFilesUntilTheirLineEndsAreRepaired) {
    testing::TempFolder folder;
    for (const auto& c : kTexts) {
        const auto file = folder.write("sid/LHBP.txt", c.text);
        EXPECT_EQ(FileHoldsBareLineFeed(file), c.bare) << c.text;
        RepairSeparators(folder.path(), ProcedureKind::Sid, "LHBP");
        EXPECT_FALSE(FileHoldsBareLineFeed(file)) << "after the repair: " << c.text;
    }
    EXPECT_FALSE(FileHoldsBareLineFeed(folder.path() / "sid/MISSING.txt"));
    std::filesystem::create_directories(folder.path() / "sid/FOLDER.txt");
    EXPECT_FALSE(FileHoldsBareLineFeed(folder.path() / "sid/FOLDER.txt"));
}

}  // namespace
}  // namespace vantrel

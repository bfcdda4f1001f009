// The command line of vantrel-cli as a user meets it: a wrong one gives one line and status 64,
// --help describes each command, and without --folder the folder of the executable is used.
#include <gtest/gtest.h>

#include <algorithm>

#include "cli_process.h"

namespace vantrel::testing {
namespace {

TEST(CliCommandLine, WrongUsageGivesOneLineAndStatus64) {
    const struct {
        std::vector<std::string> arguments;
        const char* usage;  // the usage line the message ends with
    } cases[] = {
        {{}, "usage: vantrel-cli [--folder DIR] convert|check|import|find|pbd"},
        {{"frobnicate"}, "usage: vantrel-cli [--folder DIR] convert|check|import|find|pbd"},
        {{"--folder"}, "usage: vantrel-cli [--folder DIR] convert|check|import|find|pbd"},
        {{"find"}, "usage: vantrel-cli find [--folder DIR] IDENT"},
        {{"find", "ABC", "DEF"}, "usage: vantrel-cli find [--folder DIR] IDENT"},
        {{"find", "--fix-line-ends", "ABC"}, "usage: vantrel-cli find [--folder DIR] IDENT"},
        {{"convert", "--all"}, "usage: vantrel-cli convert [--folder DIR] [NAME...]"},
        {{"convert", "../EDDF.ssa"}, "usage: vantrel-cli convert [--folder DIR] [NAME...]"},
        {{"check", "../EGLL"}, "usage: vantrel-cli check [--folder DIR] [--fix-line-ends]"},
        {{"check", ""}, "usage: vantrel-cli check [--folder DIR] [--fix-line-ends]"},
        {{"check", "--replace"}, "usage: vantrel-cli check [--folder DIR] [--fix-line-ends]"},
        {{"import"}, "usage: vantrel-cli import [--folder DIR] [--replace] [--no-transitions]"},
        {{"import", "--no-transitions"}, "usage: vantrel-cli import [--folder DIR] [--replace]"},
        {{"import", "FAACIFP18", "../KJFK"}, "usage: vantrel-cli import [--folder DIR]"},
        {{"import", "FAACIFP18", ""}, "usage: vantrel-cli import [--folder DIR]"},
        {{"import", "--fix-line-ends", "F"}, "usage: vantrel-cli import [--folder DIR]"},
        {{"pbd", "47000000", "19000000", "90"}, "usage: vantrel-cli pbd LAT LON TRACK DIST"},
        {{"pbd", "1", "2", "3", "4", "A", "B"}, "usage: vantrel-cli pbd LAT LON TRACK DIST"},
        {{"pbd", "1", "2", "3", "4", "A|B"}, "usage: vantrel-cli pbd LAT LON TRACK DIST"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.arguments);
        SCOPED_TRACE(run.err);
        EXPECT_EQ(run.status, 64);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("vantrel-cli"));
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
        EXPECT_NE(run.err.find(c.usage), std::string::npos);
    }
}

TEST(CliCommandLine, HelpDescribesEachCommand) {
    for (const std::string command : {"convert", "check", "import", "find", "pbd"}) {
        SCOPED_TRACE(command);
        for (const char* help : {"--help", "-h"}) {
            const CliRun run = RunCli({command, help});
            EXPECT_EQ(run.status, 0);
            EXPECT_TRUE(run.out.starts_with("usage: vantrel-cli " + command));
            EXPECT_NE(run.out.find("Example: vantrel-cli " + command), std::string::npos);
            EXPECT_EQ(run.err, "");
        }
    }
    const CliRun program = RunCli({"--help"});
    EXPECT_EQ(program.status, 0);
    for (const char* command : {"convert", "check", "import", "find", "pbd"}) {
        EXPECT_NE(program.out.find(std::string("vantrel-cli ") + command), std::string::npos);
    }
}

TEST(CliCommandLine, WorksInTheFolderOfTheExecutableWithoutFolderOption) {
    TempFolder folder;
    const auto program = folder.path() / "vantrel-cli";
    std::filesystem::copy_file(VANTREL_CLI, program);
    folder.write("sid/EGLL.txt", "P|A|09|\r\n");

    const CliRun run = RunCli({"check"}, program);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "sid/EGLL.txt:1: header has 3 fields (empty ones not counted), not six: P, name, "
              "runway, \" \", 0, 0\n");
}

TEST(CliCommandLine, MissingFolderIsAnError) {
    TempFolder folder;
    const CliRun run = RunCliIn(folder.path() / "missing", {"find", "ABC"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("is not a folder"), std::string::npos);
}

}  // namespace
}  // namespace vantrel::testing

// vantrel-cli check: one FILE:LINE: message line per finding, in airport, file and line order;
// the line-end repair of "Fix Selected"; and the statuses for clean folders, findings and files
// that are missing.
#include <gtest/gtest.h>

#include "cli_process.h"

namespace vantrel::testing {
namespace {

const std::string kTail = "| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0";

TEST(CliCheck, DemoFolderHasNoFindings) {
    const TempFolder folder = DemoCopy();
    const CliRun run = RunCliIn(folder.path(), {"check"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
}

TEST(CliCheck, PrintsAFindingOfEachKindWithItsLine) {
    TempFolder folder;
    const std::string sidLines[] = {
        "P|ABC1A|27L| |0|0|",                 // 1
        "S|AB|CD|47000000|19000000" + kTail,  // 2 a "|" in the fix name
        "S|EF|47.5|19000000" + kTail,         // 3
        "S|GH|47000000|19000000| |TF",        // 4
        "P|ABC1B|27L| |0|0|",                 // 5 no empty line before it
        "",                                   // 6
        "P|ABC1A|27L| |0|0|",                 // 7 the entry of line 1
        "",                                   // 8
        "P|ABC@1C|09|0|0|",                   // 9
    };
    std::string sid;
    for (const std::string& line : sidLines) {
        sid += line + "\r\n";
    }
    folder.write("sid/EGLL.txt", sid);
    folder.write("star/EGLL.txt", "P|A|09| |0|0|\nS|X|95000000|0" + kTail + "\n");
    folder.write("star/A:B.txt", "");
    folder.write("sid/LFPG.txt", "P|A|09| |0|0|\r\n");

    const CliRun run = RunCliIn(folder.path(), {"check"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "star/A:B.txt:1: airport code \"A:B\" is not a safe file name: it holds \":\"\n"
              "sid/EGLL.txt:2: leg holds a \"|\" inside its fix name; it has 20 fields, not "
              "nineteen\n"
              "sid/EGLL.txt:3: latitude \"47.5\" is not coordinate text: degrees times 1,000,000 "
              "as digits with an optional minus sign, like 47539776 or -0621681\n"
              "sid/EGLL.txt:4: leg has 6 fields, not nineteen\n"
              "sid/EGLL.txt:5: no empty line between the procedure at line 1 and this header: "
              "the editor reads this procedure's legs as part of that one\n"
              "sid/EGLL.txt:7: procedure ABC1A @ 27L is already at line 1: two procedures with "
              "the same entry\n"
              "sid/EGLL.txt:9: header has 5 fields (empty ones not counted), not six: P, name, "
              "runway, \" \", 0, 0\n"
              "sid/EGLL.txt:9: procedure name \"ABC@1C\" holds \"@\", which separates the name "
              "from the runway in the editor's lists: the editor cannot find this procedure\n"
              "star/EGLL.txt:1: line ends with LF alone, not CR LF (2 lines of this file); the "
              "editor reads such lines as one\n"
              "star/EGLL.txt:2: latitude 95000000 is out of range: -90000000 to 90000000\n");

    const CliRun named = RunCliIn(folder.path(), {"check", "LFPG"});
    EXPECT_EQ(named.status, 0);
    EXPECT_EQ(named.out, "");
}

TEST(CliCheck, FixLineEndsRepairsAsFixSelectedAndSaysWhatChanged) {
    TempFolder folder;
    const auto sid = folder.write("sid/LHBP.txt", "P|A|09| |0|0|\nS|X|1|2" + kTail + "\n");
    folder.write("star/LHBP.txt", "P|B|09| |0|0|\r\n");
    const CliRun run = RunCliIn(folder.path(), {"check", "--fix-line-ends"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "sid/LHBP.txt: There are SIDs for this airport and the file is successfully "
              "modified.\n");
    EXPECT_EQ(ReadBytes(sid), "P|A|09| |0|0|\r\nS|X|1|2" + kTail + "\r\n\r\n");

    const CliRun again = RunCliIn(folder.path(), {"check", "--fix-line-ends", "LHBP"});
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out, "");
}

TEST(CliCheck, NamedAirportWithoutFilesIsAnError) {
    TempFolder folder;
    folder.write("sid/EGLL.txt", "P|A|09|\r\n");
    const CliRun run = RunCliIn(folder.path(), {"check", "EGLX", "EGLL"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "vantrel-cli check: airport EGLX has no SID or STAR file\n");
    EXPECT_NE(run.out.find("sid/EGLL.txt:1: header has 3 fields"), std::string::npos);
}

}  // namespace
}  // namespace vantrel::testing

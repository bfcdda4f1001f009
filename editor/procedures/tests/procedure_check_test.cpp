// The checks of procedure files: each kind of finding at its line, a file as the editor writes it
// without findings, and the airports and files that a check of a program folder reads.
#include "procedure_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "airport_check.h"
#include "temp_folder.h"

namespace vantrel {
namespace {

using testing::TempFolder;

const std::string kTail = "| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0";

std::string Leg(const std::string& name, const std::string& latitude,
                const std::string& longitude) {
    return "S|" + name + "|" + latitude + "|" + longitude + kTail;
}

std::vector<std::pair<std::size_t, FindingKind>> Located(const std::vector<Finding>& findings) {
    std::vector<std::pair<std::size_t, FindingKind>> located;
    for (const Finding& finding : findings) {
        located.emplace_back(finding.line, finding.kind);
    }
    return located;
}

TEST(CheckProcedureText, FileAsTheEditorWritesItHasNoFindings) {
    const std::string text = "P|ABC1A|27L| |0|0|\r\n" + Leg("ABCDE", "47539776", "-0621681") +
                             "\r\n" + Leg("FGHIJ", "-90000000", "180000000") +
                             "\r\n\r\n\r\n"
                             "P|ABC1B|09| |0|0|\r\n" +
                             Leg("ZERO", "0", "-0000000") +
                             "\r\n\r\n\r\n"
                             "ENDOFFILE\r\n"
                             "\r\n"
                             "P|ABC1C|09| |0|0|";
    EXPECT_EQ(CheckProcedureText(text), std::vector<Finding>{});
}

TEST(CheckProcedureText, ReportsEachKindOfFindingAtItsLine) {
    using K = FindingKind;
    const std::string header = "P|A|09| |0|0|";
    const std::string leg = Leg("X", "47000000", "19000000");
    const struct {
        const char* what;
        std::string text;
        std::vector<std::pair<std::size_t, FindingKind>> expected;
    } cases[] = {
        {"LF line ends", header + "\n" + leg + "\n", {{1, K::LineEnds}}},
        {"LF after CR LF lines", header + "\r\n" + leg + "\r\n" + leg + "\n", {{3, K::LineEnds}}},
        {"CR and LF",
         header + "\r\n" + leg + "\r" + leg + "\n",
         {{2, K::LineEnds}, {3, K::LineEnds}}},
        {"header of five fields", "P|A|09|0|0|\r\n", {{1, K::HeaderFields}}},
        {"header without name", "P||09| |0|0|\r\n", {{1, K::HeaderFields}}},
        {"header with a further field", "P|A|09| |0|0|X\r\n", {{1, K::HeaderFields}}},
        {"leg of eighteen fields",
         header + "\r\nS|X|1|2| |TF|0|0|0|0|0|0|0|0|0|0|0|0\r\n",
         {{2, K::LegFields}}},
        {"leg of twenty fields", header + "\r\n" + leg + "|0\r\n", {{2, K::LegFields}}},
        {"leg of four fields", header + "\r\nS|X|1|2\r\n", {{2, K::LegFields}}},
        {"no empty line", header + "\r\n" + leg + "\r\nP|B|09| |0|0|\r\n", {{3, K::NoEmptyLine}}},
        {"header after header", header + "\r\nP|B|09| |0|0|\r\n", {{2, K::NoEmptyLine}}},
        {"other record between", header + "\r\nX|note\r\nP|B|09| |0|0|\r\n", {{3, K::NoEmptyLine}}},
        {"blanks are not an empty line",
         header + "\r\n \r\nP|B|09| |0|0|\r\n",
         {{3, K::NoEmptyLine}}},
        {"end marker between", header + "\r\nENDOFFILE\r\nP|B|09| |0|0|\r\n", {}},
        {"latitude with a point",
         header + "\r\n" + Leg("X", "47.5", "19000000") + "\r\n",
         {{2, K::Coordinate}}},
        {"empty longitude",
         header + "\r\n" + Leg("X", "47000000", "") + "\r\n",
         {{2, K::Coordinate}}},
        {"plus sign and blank",
         header + "\r\n" + Leg("X", "+47000000", "19000000 ") + "\r\n",
         {{2, K::Coordinate}, {2, K::Coordinate}}},
        {"latitude beyond 90",
         header + "\r\n" + Leg("X", "90000001", "19000000") + "\r\n",
         {{2, K::Coordinate}}},
        {"longitude beyond -180",
         header + "\r\n" + Leg("X", "47000000", "-180000001") + "\r\n",
         {{2, K::Coordinate}}},
        {"many digits",
         header + "\r\n" + Leg("X", "00000000000000000047", "99999999999999999999") + "\r\n",
         {{2, K::Coordinate}}},
        {"bar in a procedure name", "P|AB|C|09| |0|0|\r\n", {{1, K::SeparatorInName}}},
        {"bar in a fix name",
         header + "\r\n" + Leg("X|Y", "47000000", "19000000") + "\r\n",
         {{2, K::SeparatorInName}}},
        {"at in a procedure name", "P|AB@C|09| |0|0|\r\n", {{1, K::SeparatorInName}}},
        {"at in a runway", "P|A|@09| |0|0|\r\n", {{1, K::SeparatorInName}}},
        {"at in a fix name is harmless", header + "\r\n" + Leg("X@Y", "1", "2") + "\r\n", {}},
        {"same entry", header + "\r\n\r\n" + header + "\r\n", {{3, K::SameEntry}}},
        {"same entry but for blanks", header + "\r\n\r\nP| A |09 | |0|0|\r\n", {{3, K::SameEntry}}},
        {"several on one line",
         header + "\r\n" + leg + "\r\nP|A|09|\r\n",
         {{3, K::HeaderFields}, {3, K::NoEmptyLine}, {3, K::SameEntry}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Located(CheckProcedureText(c.text)), c.expected);
    }
}

TEST(CheckProcedureText, MessagesSayWhatIsWrong) {
    const std::string text = "P|A|09| |0|0|\n" + Leg("X", "47.5", "19000000") + "\n\nP|A|09|\n";
    const std::vector<Finding> findings = CheckProcedureText(text);
    ASSERT_EQ(findings.size(), 4u);
    EXPECT_EQ(findings[0].message,
              "line ends with LF alone, not CR LF (4 lines of this file); the editor reads such "
              "lines as one");
    EXPECT_EQ(findings[1].message,
              "latitude \"47.5\" is not coordinate text: degrees times 1,000,000 as digits with "
              "an optional minus sign, like 47539776 or -0621681");
    EXPECT_EQ(
        findings[2].message,
        "header has 3 fields (empty ones not counted), not six: P, name, runway, \" \", 0, 0");
    EXPECT_EQ(findings[3].message,
              "procedure A @ 09 is already at line 1: two procedures with the same entry");
    EXPECT_EQ(CoordinateProblem("-181000000", false),
              "longitude -181000000 is out of range: -180000000 to 180000000");
}

TEST(CheckAirport, ChecksTheFilesThatExist) {
    TempFolder folder;
    folder.write("sid/EGLL.txt", "P|A|09|\r\n");
    folder.write("star/EGLL.txt", "P|A|09| |0|0|\r\n");
    folder.write("sid/LFPG.txt/inner", "a folder named like a file is not read");

    const std::vector<FileCheck> egll = CheckAirport(folder.path(), "EGLL");
    ASSERT_EQ(egll.size(), 2u);
    EXPECT_EQ(egll[0].file, std::filesystem::path("sid") / "EGLL.txt");
    EXPECT_TRUE(egll[0].readable);
    EXPECT_EQ(Located(egll[0].findings),
              (std::vector<std::pair<std::size_t, FindingKind>>{{1, FindingKind::HeaderFields}}));
    EXPECT_EQ(egll[1].file, std::filesystem::path("star") / "EGLL.txt");
    EXPECT_TRUE(egll[1].findings.empty());

    EXPECT_TRUE(CheckAirport(folder.path(), "LFPG").empty());
    EXPECT_TRUE(CheckAirport(folder.path(), "LHBP").empty());
}

// Windows file names cannot hold the characters that make an airport code unsafe.
#ifndef _WIN32
TEST(CheckAirport, ReportsAnUnsafeAirportCodeInEachFile) {
    TempFolder folder;
    folder.write("sid/A:B.txt", "");
    folder.write("star/A:B.txt", "P|A|09|\r\n");
    const std::vector<FileCheck> unsafe = CheckAirport(folder.path(), "A:B");
    ASSERT_EQ(unsafe.size(), 2u);
    const Finding code{1, FindingKind::AirportCode,
                       "airport code \"A:B\" is not a safe file name: it holds \":\""};
    EXPECT_EQ(unsafe[0].findings, std::vector<Finding>{code});
    EXPECT_EQ(Located(unsafe[1].findings),
              (std::vector<std::pair<std::size_t, FindingKind>>{{1, FindingKind::AirportCode},
                                                                {1, FindingKind::HeaderFields}}));
}
#endif

TEST(AirportsToCheck, ListsEachAirportOnceInNameOrder) {
    TempFolder folder;
    for (const char* file : {"sid/LHBP.txt", "sid/EGLL.txt", "sid/EGLL.tmp", "star/EGLL.txt",
                             "star/abcd.txt", "star/ABCE.txt", "star/README"}) {
        folder.write(file, "");
    }
    EXPECT_EQ(AirportsToCheck(folder.path()),
              (std::vector<std::string>{"abcd", "ABCE", "EGLL", "LHBP"}));
}

}  // namespace
}  // namespace vantrel

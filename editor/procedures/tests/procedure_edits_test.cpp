// The procedure edits, compared byte for byte with the files they must leave.
#include "procedure_edits.h"

#include <gtest/gtest.h>

#include <functional>

#include "leg_list.h"
#include "procedure_file.h"
#include "procedure_reader.h"
#include "temp_folder.h"

namespace vantrel {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

std::string Leg(const std::string& name, const std::string& lat, const std::string& lon) {
    return "S|" + name + "|" + lat + "|" + lon + "| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0\r\n";
}

const std::string kOne = "P|ONE1A|27L| |0|0|\r\n" + Leg("AAA", "1", "2") + "\r\n\r\n";
const std::string kTwo = "P|TWO1A|27L| |0|0|\r\n" + Leg("BBB", "3", "4") + "\r\n\r\n";
// The third leg carries other values in fields 4 to 18, as files from elsewhere may.
const std::string kThree =
    "P|THREE1A|09R| |0|0|\r\nS|CCC|5|6| |XX|1|2|3|4|5|6|7|8|9|0|1|2|3\r\n\r\n\r\n";

const std::vector<LegRow> kNewLegs = {{"TORNO", "47539776", "18292444"}, {"GITAS", "-1", "2"}};
const std::string kNewLegLines = Leg("TORNO", "47539776", "18292444") + Leg("GITAS", "-1", "2");

struct Airport {
    TempFolder folder;
    std::filesystem::path sid;

    explicit Airport(const std::string& content)
        : sid(content.empty() ? folder.path() / "sid/LHBP.txt"
                              : folder.write("sid/LHBP.txt", content)) {}

    ProcedureAddress at(std::string_view entry, int occurrence = 1) const {
        return {ProcedureKind::Sid, "LHBP", entry, occurrence};
    }
    std::string bytes() const { return ReadBytes(sid); }
};

struct LegsCase {
    const char* what;
    std::string before;
    const char* entry;
    int occurrence;
    std::vector<LegRow> legs;
    std::string after;
};

TEST(RewriteLegs, ReplacesOnlyTheSelectedProceduresLegs) {
    const std::string twoNew = "P|TWO1A|27L| |0|0|\r\n" + kNewLegLines + "\r\n\r\n";
    const LegsCase cases[] = {
        {"middle of three", "\r\n" + kOne + kTwo + kThree, "TWO1A @ 27L", 1, kNewLegs,
         "\r\n" + kOne + twoNew + kThree},
        {"last, before the end marker", kOne + kThree + "ENDOFFILE\r\nP|X|1| |0|0|\r\n",
         "THREE1A @ 09R", 1, kNewLegs,
         kOne + "P|THREE1A|09R| |0|0|\r\n" + kNewLegLines +
             "\r\n\r\nENDOFFILE\r\nP|X|1| |0|0|\r\n"},
        {"header ends the file",
         "\r\n" + kOne + "\r\nP|NEW1A|31| |0|0|",
         "NEW1A @ 31",
         1,
         {{"TORNO", "47539776", "18292444"}},
         "\r\n" + kOne + "\r\nP|NEW1A|31| |0|0|\r\n" + Leg("TORNO", "47539776", "18292444")},
        {"empty legs list",
         kOne + kTwo,
         "ONE1A @ 27L",
         1,
         {},
         "P|ONE1A|27L| |0|0|\r\n\r\n\r\n" + kTwo},
        {"second of equal entries", kTwo + kTwo, "TWO1A @ 27L", 2, kNewLegs, kTwo + twoNew},
        {"fields 4 to 18 rewritten",
         kThree,
         "THREE1A @ 09R",
         1,
         {{"CCC", "5", "6"}},
         "P|THREE1A|09R| |0|0|\r\n" + Leg("CCC", "5", "6") + "\r\n\r\n"},
        {"header kept as read, block without empty lines",
         " P|x|y|z\r\nP| ONE1A |27L|a|b|c\r\n" + Leg("OLD", "1", "1") + "P|TWO1A|27L| |0|0|\r\n",
         "ONE1A @ 27L",
         1,
         {{"N", "", ""}},
         " P|x|y|z\r\nP| ONE1A |27L|a|b|c\r\nS|N||| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0\r\n\r\n\r\n"
         "P|TWO1A|27L| |0|0|\r\n"},
    };
    for (const LegsCase& c : cases) {
        SCOPED_TRACE(c.what);
        Airport airport(c.before);
        ASSERT_EQ(RewriteLegs(airport.folder.path(), airport.at(c.entry, c.occurrence), c.legs),
                  RewriteStatus::Done);
        EXPECT_EQ(airport.bytes(), c.after);
        EXPECT_FALSE(std::filesystem::exists(airport.folder.path() / "sid/LHBP.tmp"));
    }
}

TEST(RewriteLegs, LeavesTheFileAsItWasWhenTheProcedureCannotBeFound) {
    Airport airport(kOne + kTwo);
    EXPECT_EQ(RewriteLegs(airport.folder.path(), airport.at("TWO1A @ 27L", 2), kNewLegs),
              RewriteStatus::ProcedureNotFound);
    EXPECT_EQ(airport.bytes(), kOne + kTwo);
    EXPECT_FALSE(std::filesystem::exists(airport.folder.path() / "sid/LHBP.tmp"));

    Airport missing("");
    EXPECT_EQ(RewriteLegs(missing.folder.path(), missing.at("ONE1A @ 27L"), kNewLegs),
              RewriteStatus::FileMissing);
    EXPECT_FALSE(std::filesystem::exists(missing.sid));
}

TEST(RewriteLegs, MovingALegUpAndDownAgainGivesBackTheFirstFile) {
    const std::string first = "\r\n" + kOne + "P|TWO1A|27L| |0|0|\r\n" + kNewLegLines +
                              Leg("LAST", "7", "8") + "\r\n\r\n" + kThree;
    Airport airport(first);
    std::vector<LegRow> legs = ReadLegs(airport.sid, "TWO1A @ 27L", 1);
    ASSERT_EQ(legs.size(), 3u);

    const std::optional<int> up = MoveLegUp(legs, 2);
    ASSERT_EQ(up, 1);
    ASSERT_EQ(RewriteLegs(airport.folder.path(), airport.at("TWO1A @ 27L"), legs),
              RewriteStatus::Done);
    EXPECT_NE(airport.bytes(), first);
    ASSERT_EQ(MoveLegDown(legs, *up), 2);
    ASSERT_EQ(RewriteLegs(airport.folder.path(), airport.at("TWO1A @ 27L"), legs),
              RewriteStatus::Done);
    EXPECT_EQ(airport.bytes(), first);
}

TEST(DeleteProcedure, DropsTheBlockAndKeepsEverythingElse) {
    const struct {
        const char* what;
        std::string before;
        const char* entry;
        int occurrence;
        std::string after;
    } cases[] = {
        {"the only procedure of an added file", "\r\nP|BADOV1D|13R| |0|0|\r\n", "BADOV1D @ 13R", 1,
         "\r\n"},
        {"followed by another", "\r\n" + kOne + kTwo + "ENDOFFILE\r\nX\r\n", "ONE1A @ 27L", 1,
         "\r\n" + kTwo + "ENDOFFILE\r\nX\r\n"},
        {"last before the end marker", kOne + kTwo + "ENDOFFILE\r\n", "TWO1A @ 27L", 1,
         kOne + "ENDOFFILE\r\n"},
        {"the second of equal entries", kTwo + kOne + kTwo, "TWO1A @ 27L", 2, kTwo + kOne},
        {"the first of equal entries", kTwo + kOne + "P|TWO1A|27L| |0|0|\r\n", "TWO1A @ 27L", 1,
         kOne + "P|TWO1A|27L| |0|0|\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Airport airport(c.before);
        ASSERT_EQ(DeleteProcedure(airport.folder.path(), airport.at(c.entry, c.occurrence)),
                  RewriteStatus::Done);
        EXPECT_EQ(airport.bytes(), c.after);
    }
}

TEST(ModifyProcedure, ReplacesOnlyTheHeader) {
    const struct {
        const char* what;
        std::string before;
        const char* entry;
        int occurrence;
        const char* name;
        const char* runway;
        std::string after;
    } cases[] = {
        {"renamed, legs and marker kept", kOne + kThree + "ENDOFFILE\r\n", "THREE1A @ 09R", 1,
         "THREE2B", "27", kOne + "P|THREE2B|27| |0|0|\r\n" + kThree.substr(22) + "ENDOFFILE\r\n"},
        {"no change: line ends and header form fixed", "P| ONE1A |27L|x|1|2|\r\nS|A|1|2\rEND",
         "ONE1A @ 27L", 1, "ONE1A", "27L", "P|ONE1A|27L| |0|0|\r\nS|A|1|2\r\nEND\r\n"},
        {"spaces around trimmed, inside kept", kOne, "ONE1A @ 27L", 1, "  ONE 1A ", " 27 L  ",
         "P|ONE 1A|27 L| |0|0|\r\n" + kOne.substr(20)},
        {"second of equal entries", kOne + kOne, "ONE1A @ 27L", 2, "ONE1B", "27R",
         kOne + "P|ONE1B|27R| |0|0|\r\n" + kOne.substr(20)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Airport airport(c.before);
        ASSERT_EQ(ModifyProcedure(airport.folder.path(), airport.at(c.entry, c.occurrence), c.name,
                                  c.runway),
                  RewriteStatus::Done);
        EXPECT_EQ(airport.bytes(), c.after);
    }
}

TEST(AddProcedure, AppendsAnEmptyLineAndTheHeader) {
    const struct {
        const char* what;
        std::string before;  // empty: no file, and no sid folder either
        std::string after;
    } cases[] = {
        {"missing file and folder", "", "\r\nP|BADOV1D|13R| |0|0|\r\n"},
        {"after the end marker", kOne + "ENDOFFILE\r\n",
         kOne + "ENDOFFILE\r\n\r\nP|BADOV1D|13R| |0|0|\r\n"},
        // The last line is completed first, so that the empty line ends the block before the
        // new header and no reader runs on from the last leg into the new procedure.
        {"last line without line end", "P|ONE1A|27L| |0|0|\r\nS|A|1|2",
         "P|ONE1A|27L| |0|0|\r\nS|A|1|2\r\n\r\nP|BADOV1D|13R| |0|0|\r\n"},
        {"last line ended by CR alone", "P|ONE1A|27L| |0|0|\r\nS|A|1|2\r",
         "P|ONE1A|27L| |0|0|\r\nS|A|1|2\r\r\nP|BADOV1D|13R| |0|0|\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Airport airport(c.before);
        ASSERT_EQ(
            AddProcedure(airport.folder.path(), ProcedureKind::Sid, "LHBP", " BADOV1D ", "13R "),
            RewriteStatus::Done);
        EXPECT_EQ(airport.bytes(), c.after);
        EXPECT_FALSE(std::filesystem::exists(airport.folder.path() / "sid/LHBP.tmp"));
    }
    // The added procedure has its own block: no legs run on into it.
    Airport airport("P|ONE1A|27L| |0|0|\r\nS|A|1|2");
    ASSERT_EQ(AddProcedure(airport.folder.path(), ProcedureKind::Sid, "LHBP", "BADOV1D", "13R"),
              RewriteStatus::Done);
    EXPECT_EQ(ReadLegs(airport.sid, "ONE1A @ 27L", 1), (std::vector<LegRow>{{"A", "1", "2"}}));
    EXPECT_EQ(ReadProcedureList(airport.sid),
              (std::vector<std::string>{"ONE1A @ 27L", "BADOV1D @ 13R"}));
}

// Every edit as the window makes it, on the procedure ONE1A @ 27L of sid/LHBP.txt.
const std::function<RewriteStatus(const Airport&)> kEdits[] = {
    [](const Airport& a) { return RewriteLegs(a.folder.path(), a.at("ONE1A @ 27L"), kNewLegs); },
    [](const Airport& a) { return DeleteProcedure(a.folder.path(), a.at("ONE1A @ 27L")); },
    [](const Airport& a) {
        return ModifyProcedure(a.folder.path(), a.at("ONE1A @ 27L"), "X", "1");
    },
    [](const Airport& a) {
        return AddProcedure(a.folder.path(), ProcedureKind::Sid, "LHBP", "X", "1");
    },
};

TEST(Edits, RefuseAFileWithLineFeedsAlone) {
    std::string lineFeedsOnly = kOne + kTwo + kThree;
    for (std::size_t at = 0; (at = lineFeedsOnly.find("\r\n", at)) != std::string::npos;) {
        lineFeedsOnly.erase(at, 1);
    }
    const std::string files[] = {
        // Read as one line: its only entry is ONE1A @ 27L, made of the first header's fields.
        lineFeedsOnly,
        // One line ended by a line feed alone among CR LF lines.
        kOne + "P|TWO1A|27L| |0|0|\nS|BBB|3|4| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0\r\n\r\n",
    };
    for (const std::string& before : files) {
        for (const auto& edit : kEdits) {
            Airport airport(before);
            ASSERT_EQ(ReadProcedureList(airport.sid).front(), "ONE1A @ 27L");
            EXPECT_EQ(edit(airport), RewriteStatus::BareLineFeed);
            EXPECT_EQ(airport.bytes(), before);
            EXPECT_FALSE(std::filesystem::exists(airport.folder.path() / "sid/LHBP.tmp"));
        }
    }
}

TEST(Edits, RefuseAReadOnlyFileAndLeaveItReadOnly) {
    const std::string before = kOne + kTwo;
    for (const auto& edit : kEdits) {
        Airport airport(before);
        testing::SetReadOnly(airport.sid, true);
        EXPECT_EQ(edit(airport), RewriteStatus::ReadOnly);
        EXPECT_TRUE(IsReadOnly(airport.sid));
        testing::SetReadOnly(airport.sid, false);
        EXPECT_EQ(airport.bytes(), before);
        EXPECT_FALSE(std::filesystem::exists(airport.folder.path() / "sid/LHBP.tmp"));
    }
    Airport airport(before);
    EXPECT_FALSE(IsReadOnly(airport.folder.path() / "sid/NONE.txt"));
    EXPECT_FALSE(IsReadOnly(airport.folder.path() / "sid"));
#ifndef _WIN32
    // A file that only someone else may write is not read-only. Windows has one read-only
    // attribute for everyone.
    using std::filesystem::perms;
    std::filesystem::permissions(airport.sid, perms::owner_read | perms::group_write);
    EXPECT_FALSE(IsReadOnly(airport.sid));
    std::filesystem::permissions(airport.sid, perms::owner_all);
#endif
}

TEST(Edits, LeaveFoldersInTheWayAndTheFileAsTheyFoundThem) {
    for (const auto& edit : kEdits) {
        // A folder where the temporary file goes.
        Airport airport(kOne + kTwo);
        std::filesystem::create_directories(airport.folder.path() / "sid/LHBP.tmp");
        EXPECT_EQ(edit(airport), RewriteStatus::FileError);
        EXPECT_EQ(airport.bytes(), kOne + kTwo);
        EXPECT_TRUE(std::filesystem::is_directory(airport.folder.path() / "sid/LHBP.tmp"));

        // A folder where the file should be.
        Airport folderInPlace("");
        std::filesystem::create_directories(folderInPlace.sid);
        EXPECT_NE(edit(folderInPlace), RewriteStatus::Done);
        EXPECT_TRUE(std::filesystem::is_directory(folderInPlace.sid));
        EXPECT_FALSE(std::filesystem::exists(folderInPlace.folder.path() / "sid/LHBP.tmp"));
    }
}

}  // namespace
}  // namespace vantrel

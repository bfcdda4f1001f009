// Reading procedure files: the procedure list, the lookup of a procedure and its legs.
#include "procedure_reader.h"

#include <gtest/gtest.h>

#include "procedure_entry.h"
#include "temp_folder.h"

namespace vantrel {
namespace {

using testing::TempFolder;

constexpr std::string_view kLegTail = "| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0";

std::string Leg(std::string_view name, std::string_view lat, std::string_view lon) {
    return "S|" + std::string(name) + "|" + std::string(lat) + "|" + std::string(lon) +
           std::string(kLegTail) + "\r\n";
}

struct ListCase {
    const char* what;
    std::string bytes;
    std::vector<std::string> entries;
};

TEST(ReadProcedureList, ListsHeadersInFileOrder) {
    const std::vector<ListCase> cases = {
        {"no header records", "\r\nS|A|1|2" + std::string(kLegTail) + "\r\nhello\r\n", {}},
        {"three procedures",
         "\r\nP|ABC1A|27L| |0|0|\r\n" + Leg("AAA", "1", "2") + "\r\n\r\nP|ABC1AX|27L| |0|0|\r\n" +
             "\r\n\r\nP|XYZ1B|09R| |0|0|\r\n",
         {"ABC1A @ 27L", "ABC1AX @ 27L", "XYZ1B @ 09R"}},
        {"blanks around a name stay in the entry", "P| ABC1A |27L| |0|0|\r\n", {" ABC1A  @ 27L"}},
        {"an end marker without a bar is passed over",
         "P|A|1| |0|0|\r\n\r\nENDOFFILE\r\n\r\nP|B|2| |0|0|\r\n" + Leg("X", "1", "2"),
         {"A @ 1", "B @ 2"}},
        {"a record line holding the end marker ends the list",
         "P|A|1| |0|0|\r\nX|ENDOFFILE|\r\nP|B|2| |0|0|\r\n",
         {"A @ 1"}},
        {"a header with fewer than three fields ends the list",
         "P|A|1| |0|0|\r\nP|B\r\nP|C|3| |0|0|\r\n",
         {"A @ 1"}},
        {"LF-only line ends read as one line",
         "P|ABC1A|27L| |0|0|\nS|AAA|1|2| |TF|0\nP|DEF2B|09| |0|0|\n",
         {"ABC1A @ 27L"}},
        {"LF-only file not starting with a header", "\nP|ABC1A|27L| |0|0|\n", {}},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        const auto file = folder.write("sid/LHBP.txt", c.bytes);
        EXPECT_EQ(ReadProcedureList(file), c.entries) << c.what;
    }
    EXPECT_TRUE(ReadProcedureList(folder.path() / "sid" / "MISSING.txt").empty());
}

// Two procedures share the entry ABC1A @ 27L; a third one's name merely starts the same.
const std::string kTwins = "\r\nP|ABC1A|27L| |0|0|\r\n" + Leg("FIRST", "1", "2") +
                           "\r\n\r\nP|ABC1AX|27L| |0|0|\r\n" + Leg("LONGER", "3", "4") +
                           "\r\n\r\nP| ABC1A |27L| |0|0|\r\n" + Leg("SECOND", "5", "6") +
                           Leg("SECOND2", "7", "8") + "\r\n\r\n";

TEST(ReadLegs, ReachesEveryEntryOfEqualAndSimilarProcedures) {
    TempFolder folder;
    const auto file = folder.write("sid/LHBP.txt", kTwins);
    const auto entries = ReadProcedureList(file);
    ASSERT_EQ(entries, (std::vector<std::string>{"ABC1A @ 27L", "ABC1AX @ 27L", " ABC1A  @ 27L"}));

    EXPECT_EQ(ReadLegs(file, entries[0], OccurrenceNumber(entries, 0)),
              (std::vector<LegRow>{{"FIRST", "1", "2"}}));
    EXPECT_EQ(ReadLegs(file, entries[1], OccurrenceNumber(entries, 1)),
              (std::vector<LegRow>{{"LONGER", "3", "4"}}));
    EXPECT_EQ(ReadLegs(file, entries[2], OccurrenceNumber(entries, 2)),
              (std::vector<LegRow>{{"SECOND", "5", "6"}, {"SECOND2", "7", "8"}}));
    EXPECT_TRUE(ReadLegs(file, "ABC1A @ 27L", 3).empty());
}

TEST(ReadLegs, StopsAtTheFirstLineWithoutABar) {
    const struct {
        const char* what;
        std::string bytes;
        std::vector<LegRow> legs;
    } cases[] = {
        {"header at the end of the file", "\r\nP|A|1| |0|0|", {}},
        {"legs up to the empty line",
         "P|A|1| |0|0|\r\n" + Leg("X", "1", "2") + Leg("Y", "3", "4") + "\r\n" + Leg("Z", "5", "6"),
         {{"X", "1", "2"}, {"Y", "3", "4"}}},
        {"a following header without empty line runs on into its legs",
         "P|A|1| |0|0|\r\n" + Leg("X", "1", "2") + "P|B|2| |0|0|\r\n" + Leg("Y", "3", "4"),
         {{"X", "1", "2"}, {"Y", "3", "4"}}},
        {"the end marker ends the legs",
         "P|A|1| |0|0|\r\n" + Leg("X", "1", "2") + "ENDOFFILE\r\n" + Leg("Y", "3", "4"),
         {{"X", "1", "2"}}},
        {"a short leg record is the last one read",
         "P|A|1| |0|0|\r\nS|X|1\r\n" + Leg("Y", "3", "4"),
         {{"X", "1", ""}}},
        {"other records are passed over",
         "P|A|1| |0|0|\r\nQ|note\r\n" + Leg("X", "1", "2"),
         {{"X", "1", "2"}}},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        const auto file = folder.write("star/EGLL.txt", c.bytes);
        EXPECT_EQ(ReadLegs(file, "A @ 1", 1), c.legs) << c.what;
    }
    EXPECT_TRUE(ReadLegs(folder.path() / "star" / "NONE.txt", "A @ 1", 1).empty());
}

TEST(ReadStatus, TellsAMissingFileFromOneThatCannotBeRead) {
    TempFolder folder;
    const auto file = folder.write("sid/LHBP.txt", "P|A|1| |0|0|\r\n" + Leg("X", "1", "2"));
    std::filesystem::create_directories(folder.path() / "sid/EGLL.txt");
    const struct {
        std::filesystem::path file;
        ReadStatus status;
        std::size_t entries;
    } cases[] = {
        {file, ReadStatus::Read, 1},
        {folder.path() / "sid/NONE.txt", ReadStatus::Missing, 0},
        {folder.path() / "nofolder/NONE.txt", ReadStatus::Missing, 0},
        {folder.path() / "sid/EGLL.txt", ReadStatus::Failed, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.string());
        ReadStatus status = ReadStatus::Read;
        EXPECT_EQ(ReadProcedureList(c.file, status).size(), c.entries);
        EXPECT_EQ(status, c.status);
        status = ReadStatus::Read;
        EXPECT_EQ(ReadLegs(c.file, "A @ 1", 1, status).size(), c.entries);
        EXPECT_EQ(status, c.status);
    }
    // A procedure that is not in a readable file is no read failure.
    ReadStatus status = ReadStatus::Failed;
    EXPECT_TRUE(ReadLegs(file, "B @ 1", 1, status).empty());
    EXPECT_EQ(status, ReadStatus::Read);
}

}  // namespace
}  // namespace vantrel

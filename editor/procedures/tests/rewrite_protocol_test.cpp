// The rewrite protocol: only the selected block changes, everything else is copied, and a rewrite
// that cannot be completed leaves the file as it was.
#include "rewrite_protocol.h"

#include <gtest/gtest.h>

#include "records.h"
#include "temp_folder.h"

namespace vantrel {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

const std::string kThree =
    "\r\n"
    "P|ONE1A|27L| |0|0|\r\n"
    "S|AAA|47000000|19000000| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0\r\n"
    "\r\n\r\n"
    "P|TWO1A|27L| |0|0|\r\n"
    "S|BBB|47100000|19100000| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0\r\n"
    "\r\n\r\n"
    "P|THREE1A|09R| |0|0|\r\n"
    "S|CCC|47200000|19200000| |XX|1|2|3|4|5|6|7|8|9|0|1|2|3\r\n"
    "\r\n\r\n"
    "ENDOFFILE\r\n"
    "P|AFTER1A|09R| |0|0|\r\n"
    "S|DDD|47300000|19300000| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0\r\n";

BlockOperation ReplaceHeader(std::string header) {
    return [header](ProcedureBlock&, LineWriter& out) { out.write(header); };
}

void Drop(ProcedureBlock& block, LineWriter&) {
    block.dropRest();
}

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

TEST(RewriteProcedure, ChangesOnlyTheSelectedBlock) {
    TempFolder folder;
    const auto file = folder.write("sid/LHBP.txt", kThree);

    ASSERT_EQ(RewriteProcedure(file, "TWO1A @ 27L", 1, ReplaceHeader(HeaderRecord("TWO2B", "31"))),
              RewriteStatus::Done);
    const std::string renamed = Replaced(kThree, "P|TWO1A|27L| |0|0|", "P|TWO2B|31| |0|0|");
    EXPECT_EQ(ReadBytes(file), renamed);

    // Dropping the last block before the end marker keeps the marker and what follows it.
    ASSERT_EQ(RewriteProcedure(file, "THREE1A @ 09R", 1, Drop), RewriteStatus::Done);
    const std::string third =
        "P|THREE1A|09R| |0|0|\r\n"
        "S|CCC|47200000|19200000| |XX|1|2|3|4|5|6|7|8|9|0|1|2|3\r\n"
        "\r\n\r\n";
    EXPECT_EQ(ReadBytes(file), Replaced(renamed, third, ""));

    // A procedure behind the end marker is reached and dropped up to the end of the file.
    ASSERT_EQ(RewriteProcedure(file, "AFTER1A @ 09R", 1, Drop), RewriteStatus::Done);
    EXPECT_TRUE(ReadBytes(file).ends_with("\r\nENDOFFILE\r\n"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "sid" / "LHBP.tmp"));
}

TEST(RewriteProcedure, ReachesTheSecondOfTwoEqualEntries) {
    TempFolder folder;
    const std::string twins =
        "P|ABC1A|27L| |0|0|\r\nS|FIRST|1|2| |TF|0\r\n\r\n\r\n"
        "P|ABC1A|27L| |0|0|\r\nS|SECOND|3|4| |TF|0\r\n\r\n\r\n";
    const auto file = folder.write("star/EGLL.txt", twins);
    ASSERT_EQ(RewriteProcedure(file, "ABC1A @ 27L", 2, Drop), RewriteStatus::Done);
    EXPECT_EQ(ReadBytes(file), "P|ABC1A|27L| |0|0|\r\nS|FIRST|1|2| |TF|0\r\n\r\n\r\n");
}

TEST(RewriteProcedure, CopiesLinesWithForeignLineEndsWithCrLf) {
    TempFolder folder;
    const auto file = folder.write("sid/EDDM.txt", "X|a\rP|A|1| |0|0|\rS|B|2|3\r");
    ASSERT_EQ(RewriteProcedure(file, "A @ 1", 1, ReplaceHeader("P|A|1| |0|0|")),
              RewriteStatus::Done);
    EXPECT_EQ(ReadBytes(file), "X|a\r\nP|A|1| |0|0|\r\nS|B|2|3\r\n");
}

TEST(ProcedureBlock, KnowsWhetherTheHeaderEndsTheFile) {
    TempFolder folder;
    for (const auto& [bytes, endsFile] : {std::pair<std::string, bool>{"\r\nP|A|1| |0|0|", true},
                                          {"\r\nP|A|1| |0|0|\r\n", true},
                                          {"P|A|1| |0|0|\r\n\r\n", false},
                                          {"P|A|1| |0|0|\r\nS|X|1|2\r\n", false}}) {
        const auto file = folder.write("sid/A.txt", bytes);
        bool seen = false;
        ASSERT_EQ(RewriteProcedure(file, "A @ 1", 1,
                                   [&seen](ProcedureBlock& block, LineWriter& out) {
                                       seen = block.headerEndsFile();
                                       out.write(block.header());
                                   }),
                  RewriteStatus::Done);
        EXPECT_EQ(seen, endsFile) << bytes;
    }
}

TEST(RewriteProcedure, LeavesTheFileUntouchedWhenItCannotComplete) {
    TempFolder folder;
    const auto file = folder.write("sid/LHBP.txt", "P|A|1| |0|0|\r");
    const auto temporary = folder.path() / "sid" / "LHBP.tmp";

    EXPECT_EQ(RewriteProcedure(file, "B @ 1", 1, Drop), RewriteStatus::ProcedureNotFound);
    EXPECT_EQ(RewriteProcedure(file, "A @ 1", 2, Drop), RewriteStatus::ProcedureNotFound);
    EXPECT_EQ(ReadBytes(file), "P|A|1| |0|0|\r");
    EXPECT_FALSE(std::filesystem::exists(temporary));

    // A line feed alone anywhere: the file would be written back as fewer, longer lines.
    const auto lineFeeds = folder.write("sid/LFPG.txt", "P|A|1| |0|0|\r\nS|X|1|2\nP|B|1| |0|0|");
    EXPECT_EQ(RewriteProcedure(lineFeeds, "A @ 1", 1, Drop), RewriteStatus::BareLineFeed);
    EXPECT_EQ(RewriteProcedure(lineFeeds, "C @ 1", 1, Drop), RewriteStatus::BareLineFeed);
    EXPECT_EQ(ReadBytes(lineFeeds), "P|A|1| |0|0|\r\nS|X|1|2\nP|B|1| |0|0|");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "sid" / "LFPG.tmp"));

    EXPECT_EQ(RewriteProcedure(folder.path() / "sid" / "NONE.txt", "A @ 1", 1, Drop),
              RewriteStatus::FileMissing);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "sid" / "NONE.tmp"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "sid" / "NONE.txt"));

    // A folder where the temporary file should go: nothing can be written, and the folder,
    // even an empty one, is not the rewrite's to remove.
    std::filesystem::create_directories(temporary);
    EXPECT_EQ(RewriteProcedure(file, "A @ 1", 1, Drop), RewriteStatus::FileError);
    EXPECT_EQ(ReadBytes(file), "P|A|1| |0|0|\r");
    EXPECT_TRUE(std::filesystem::is_directory(temporary));

    // A folder in the place of the file is no file to rewrite.
    const auto folderInPlace = folder.path() / "sid" / "EGLL.txt";
    std::filesystem::create_directories(folderInPlace);
    EXPECT_NE(RewriteProcedure(folderInPlace, "A @ 1", 1, Drop), RewriteStatus::Done);
    EXPECT_TRUE(std::filesystem::is_directory(folderInPlace));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "sid" / "EGLL.tmp"));
}

TEST(AppendLines, ReplacesTheFileByItsBytesAndTheLines) {
    TempFolder folder;
    // The bytes are kept as they are, line ends and all; a last line without a line end is
    // completed before the new lines.
    const auto file = folder.write("sid/LHBP.txt", "P|A|1| |0|0|\rS|X|1|2");
    ASSERT_EQ(AppendLines(file, {"", "P|B|2| |0|0|"}), RewriteStatus::Done);
    EXPECT_EQ(ReadBytes(file), "P|A|1| |0|0|\rS|X|1|2\r\n\r\nP|B|2| |0|0|\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "sid" / "LHBP.tmp"));

    const auto lineFeeds = folder.write("sid/LFPG.txt", "P|A|1| |0|0|\nS|X|1|2");
    EXPECT_EQ(AppendLines(lineFeeds, {"", "P|B|2| |0|0|"}), RewriteStatus::BareLineFeed);
    EXPECT_EQ(ReadBytes(lineFeeds), "P|A|1| |0|0|\nS|X|1|2");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "sid" / "LFPG.tmp"));

    const auto missing = folder.path() / "sid" / "NEW.txt";
    ASSERT_EQ(AppendLines(missing, {"P|C|3| |0|0|"}), RewriteStatus::Done);
    EXPECT_EQ(ReadBytes(missing), "P|C|3| |0|0|\r\n");

    // Neither a folder in the file's place nor one in the temporary file's place is touched.
    const auto folderInPlace = folder.path() / "sid" / "EGLL.txt";
    std::filesystem::create_directories(folderInPlace);
    EXPECT_EQ(AppendLines(folderInPlace, {"P|C|3| |0|0|"}), RewriteStatus::FileError);
    EXPECT_TRUE(std::filesystem::is_directory(folderInPlace));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "sid" / "EGLL.tmp"));
    std::filesystem::create_directories(folder.path() / "sid" / "LHBP.tmp");
    const std::string before = ReadBytes(file);
    EXPECT_EQ(AppendLines(file, {"P|C|3| |0|0|"}), RewriteStatus::FileError);
    EXPECT_EQ(ReadBytes(file), before);
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "sid" / "LHBP.tmp"));
}

TEST(RewriteProcedure, OverwritesALeftOverTemporaryFile) {
    TempFolder folder;
    const auto file = folder.write("sid/LHBP.txt", "P|A|1| |0|0|\r\n");
    folder.write("sid/LHBP.tmp", "stale content that is much longer than the new file\r\n");
    ASSERT_EQ(RewriteProcedure(file, "A @ 1", 1, ReplaceHeader("P|A|2| |0|0|")),
              RewriteStatus::Done);
    EXPECT_EQ(ReadBytes(file), "P|A|2| |0|0|\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "sid" / "LHBP.tmp"));
}

}  // namespace
}  // namespace vantrel

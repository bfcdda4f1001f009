// Separator repair: line feeds become CR LF, correct and read-only files are never rewritten, and
// only a file named exactly CODE.txt counts.
#include "separator_repair.h"

#include <gtest/gtest.h>

#include "procedure_file.h"
#include "temp_folder.h"

namespace vantrel {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

TEST(RepairSeparators, ConvertsLineFeedsAndReportsTheOutcome) {
    const struct {
        const char* what;
        const char* before;
        RepairOutcome outcome;
        const char* after;
    } cases[] = {
        {"LF only", "P|A|1| |0|0|\nS|X|1|2\n", RepairOutcome::FileModified,
         "P|A|1| |0|0|\r\nS|X|1|2\r\n\r\n"},
        {"mixed", "P|A|1| |0|0|\r\nS|X|1|2\nS|Y|3|4\r\nS|Z|5|6", RepairOutcome::FileModified,
         "P|A|1| |0|0|\r\nS|X|1|2\r\nS|Y|3|4\r\nS|Z|5|6\r\n"},
        {"correct", "P|A|1| |0|0|\r\nS|X|1|2\r\n\r\n", RepairOutcome::FileCorrect,
         "P|A|1| |0|0|\r\nS|X|1|2\r\n\r\n"},
        // Without a line feed the file is not rewritten, even where a lone CR ends a line.
        {"CR only, no end", "P|A|1| |0|0|\rS|X|1|2", RepairOutcome::FileCorrect,
         "P|A|1| |0|0|\rS|X|1|2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const auto file = folder.write("star/EGLL.txt", c.before);
        EXPECT_EQ(RepairSeparators(folder.path(), ProcedureKind::Star, "EGLL"), c.outcome);
        EXPECT_EQ(ReadBytes(file), c.after);
        EXPECT_FALSE(std::filesystem::exists(folder.path() / "star/EGLL.txt2"));
    }
}

TEST(RepairSeparators, LeavesAReadOnlyFileAsItIsUnlessItIsCorrect) {
    for (const auto& [before, outcome] :
         {std::pair{"P|A|1| |0|0|\nS|X|1|2\n", RepairOutcome::ReadOnly},
          std::pair{"P|A|1| |0|0|\r\n", RepairOutcome::FileCorrect}}) {
        TempFolder folder;
        const auto file = folder.write("sid/EGLL.txt", before);
        testing::SetReadOnly(file, true);
        EXPECT_EQ(RepairSeparators(folder.path(), ProcedureKind::Sid, "EGLL"), outcome) << before;
        EXPECT_TRUE(IsReadOnly(file));
        EXPECT_FALSE(std::filesystem::exists(folder.path() / "sid/EGLL.txt2"));
        testing::SetReadOnly(file, false);
        EXPECT_EQ(ReadBytes(file), before);
    }
    EXPECT_EQ(RepairReportLine(RepairOutcome::ReadOnly, ProcedureKind::Sid, "EGLL"),
              "There are SIDs for this airport but the file sid/EGLL.txt is read-only; it keeps "
              "its former content.");
}

TEST(RepairSeparators, NeedsAFileWithExactlyTheAirportsName) {
    TempFolder folder;
    folder.write("sid/egll.txt", "P|A|1| |0|0|\n");
    folder.write("sid/LFPG.txt/inner", "a folder, not a file");
    EXPECT_EQ(RepairSeparators(folder.path(), ProcedureKind::Sid, "EGLL"), RepairOutcome::NoFile);
    EXPECT_EQ(RepairSeparators(folder.path(), ProcedureKind::Sid, "LFPG"), RepairOutcome::NoFile);
    EXPECT_EQ(RepairSeparators(folder.path(), ProcedureKind::Star, "EGLL"), RepairOutcome::NoFile);
    EXPECT_EQ(ReadBytes(folder.path() / "sid/egll.txt"), "P|A|1| |0|0|\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "star"));
}

TEST(RepairSeparators, FailsWithoutTouchingWhatStandsInTheCopysPlace) {
    TempFolder folder;
    const auto file = folder.write("sid/EGLL.txt", "P|A|1| |0|0|\n");
    const auto copy = folder.path() / "sid/EGLL.txt2";
    std::filesystem::create_directories(copy);
    EXPECT_EQ(RepairSeparators(folder.path(), ProcedureKind::Sid, "EGLL"), RepairOutcome::Failed);
    EXPECT_EQ(ReadBytes(file), "P|A|1| |0|0|\n");
    EXPECT_TRUE(std::filesystem::is_directory(copy));
}

}  // namespace
}  // namespace vantrel

// vantrel-cli convert: the same procedure files and report as the converter's core run on a copy
// of the same folder, the skipped-file report with status 1, and named files only.
#include <gtest/gtest.h>

#include "cli_process.h"
#include "conversion_report_text.h"
#include "convert_folder.h"
#include "folder_listing.h"

namespace vantrel::testing {
namespace {

std::string ReportLines(const ConversionReport& report,
                        const std::filesystem::path& programFolder) {
    std::string lines = ConversionSummary(report) + "\n";
    for (const SkippedFile& skipped : report.skipped) {
        lines += SkippedFileLine(skipped, programFolder) + "\n";
    }
    return lines;
}

const char* const kTruncated = "[Airport]\r\nK=EDDX\r\n[Sid001]\r\nN=ABC 1A\r\n";
const char* const kExcluded = "[Airport]\r\nK=ZUGY\r\n[EOF]\r\n";

TEST(CliConvert, AgreesWithTheConverterOnTheSameFolder) {
    const TempFolder core = DemoCopy();
    const TempFolder cli = DemoCopy();
    for (const TempFolder* folder : {&core, &cli}) {
        folder->write("C.ssa", kTruncated);
        folder->write("D.ss", kExcluded);
    }
    const ConversionReport expected = ConvertFolder(core.path(), OrdinaryFileNames(core.path()));
    ASSERT_EQ(expected.converted, 2u);
    ASSERT_EQ(expected.skipped.size(), 2u);

    const CliRun run = RunCliIn(cli.path(), {"convert"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, ReportLines(expected, core.path()));
    EXPECT_EQ(run.out,
              "2 files converted, 2 files skipped:\n"
              "C.ssa: the file ends before its [EOF] line\n"
              "D.ss: airport ZUGY is not converted\n");
    EXPECT_EQ(run.err, "");  // no progress line off a terminal
    EXPECT_EQ(FolderContents(cli.path()), FolderContents(core.path()));
}

TEST(CliConvert, ConvertsTheNamedFilesOnly) {
    const TempFolder folder = DemoCopy();
    std::filesystem::remove_all(folder.path() / "sid");
    std::filesystem::remove_all(folder.path() / "star");
    const CliRun run = RunCliIn(folder.path(), {"convert", "LKPR.ssa", "waypoints.txt"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "1 file converted.\n");
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "sid/LKPR.txt"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "sid/EDDF.txt"));

    const CliRun missing = RunCliIn(folder.path(), {"convert", "NONE.ssa"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out,
              "0 files converted, 1 file skipped:\nNONE.ssa: the file cannot be read\n");
}

TEST(CliConvert, FolderWithoutFsNavigatorFilesConvertsNothing) {
    TempFolder folder;
    folder.write("notes.txt", "");
    const CliRun run = RunCliIn(folder.path(), {"convert"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "0 files converted.\n");
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "sid"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "star"));
}

}  // namespace
}  // namespace vantrel::testing

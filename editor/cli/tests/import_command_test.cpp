// vantrel-cli import: the same procedure files and report as the import's core on a copy of the
// same folder, airports with files kept without --replace, enroute transitions left out, named
// airports, and a file that cannot be read.
#include <gtest/gtest.h>

#include "arinc_fixture.h"
#include "arinc_import.h"
#include "cli_process.h"
#include "import_report_text.h"

namespace vantrel::testing {
namespace {

// KXYZ: SID DEEZ1 from runway 13 with the enroute transition BRAVO; KABC: STAR ABC1 through a
// fix without record, and STAR ABC2.
const std::string kFile = Lines({
    AirportFix('C', "KXYZ", "ALPHA", "N40400000", "W073500000"),
    EnrouteWaypoint("BRAVO", "K6", "N41153000", "W072000000"),
    ProcedureLine({'D', "KXYZ", "DEEZ1", '4', "RW13", "010", "ALPHA", "K6PC", "DF"}),
    ProcedureLine({'D', "KXYZ", "DEEZ1", '6', "BRAVO", "010", "BRAVO", "K6EA", "TF"}),
    ProcedureLine({'E', "KABC", "ABC1", '2', "", "010", "GHOST", "K6EA", "IF"}),
    ProcedureLine({'E', "KABC", "ABC2", '2', "", "010", "BRAVO", "K6EA", "IF"}),
});

const std::string kTail = "| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0\r\n";
const std::string kDeezSids = "P|DEEZ1|13| |0|0|\r\nS|ALPHA|40666667|-73833333" + kTail +
                              "\r\n\r\nP|DEEZ1.BRAVO|13| |0|0|\r\nS|ALPHA|40666667|-73833333" +
                              kTail + "S|BRAVO|41258333|-72000000" + kTail + "\r\n\r\n";
const std::string kGhost =
    "KABC STAR ABC1 @ ALL: line 5: no record gives the place of fix GHOST (section EA, ICAO code "
    "K6)";

std::string ReportText(const ImportReport& report, const std::filesystem::path& folder,
                       const std::string& file) {
    std::string text;
    for (const std::string& line : ImportReportLines(report, folder, file)) {
        text += line + "\n";
    }
    return text;
}

TEST(CliImport, AgreesWithTheImportOnTheSameFolder) {
    const TempFolder core, cli, input;
    const auto file = input.write("FAACIFP18", kFile);
    const ImportReport expected = ImportArinc(core.path(), file, {});
    ASSERT_EQ(expected.proceduresWritten, 3u);

    const CliRun run = RunCliIn(cli.path(), {"import", file.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, ReportText(expected, core.path(), file.string()));
    EXPECT_EQ(run.out,
              "2 airports written with 3 procedures.\n1 procedure skipped:\n" + kGhost + "\n");
    EXPECT_EQ(run.err, "");  // no progress line off a terminal
    EXPECT_EQ(FolderContents(cli.path()), FolderContents(core.path()));
    EXPECT_EQ(ReadBytes(cli.path() / "sid/KXYZ.txt"), kDeezSids);
    EXPECT_EQ(ReadBytes(file), kFile);

    const CliRun check = RunCliIn(cli.path(), {"check"});
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.out, "");
}

TEST(CliImport, KeepsAirportsWithFilesUnlessToldToReplace) {
    const TempFolder folder;
    const auto file = folder.write("FAACIFP18", kFile);
    folder.write("sid/KXYZ.txt", "P|OLD|09| |0|0|\r\n");

    const CliRun kept =
        RunCliIn(folder.path(), {"import", "--no-transitions", file.string(), "kxyz"});
    EXPECT_EQ(kept.status, 1);
    EXPECT_EQ(kept.out,
              "0 airports written with 0 procedures.\n"
              "1 airport skipped, as it has procedure files: KXYZ\n");
    EXPECT_EQ(ReadBytes(folder.path() / "sid/KXYZ.txt"), "P|OLD|09| |0|0|\r\n");

    const CliRun replaced =
        RunCliIn(folder.path(), {"import", file.string(), "KXYZ", "--replace", "--no-transitions"});
    EXPECT_EQ(replaced.status, 0);
    EXPECT_EQ(replaced.out, "1 airport written with 1 procedure.\n");
    EXPECT_EQ(ReadBytes(folder.path() / "sid/KXYZ.txt"),
              kDeezSids.substr(0, kDeezSids.find("P|DEEZ1.BRAVO")));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "star/KABC.txt"));

    const CliRun absent = RunCliIn(folder.path(), {"import", file.string(), "KNONE"});
    EXPECT_EQ(absent.status, 1);
    EXPECT_EQ(absent.out,
              "0 airports written with 0 procedures.\nNot in the file with SIDs or STARs: KNONE\n");
}

TEST(CliImport, AFileThatCannotBeReadIsStatus2) {
    const TempFolder folder;
    const std::string missing = (folder.path() / "FAACIFP18").string();
    const CliRun run = RunCliIn(folder.path(), {"import", missing});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "vantrel-cli import: " + missing + " cannot be read.\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "sid"));
}

TEST(CliImport, AFileWithoutRecordsIsStatus2) {
    const TempFolder folder;
    const std::string waypoints =
        folder.write("waypoints.txt", "ABETI|47123456|19123456|LH\r\n").string();
    const CliRun run = RunCliIn(folder.path(), {"import", waypoints});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "vantrel-cli import: " + waypoints +
                           " holds no ARINC 424 procedure or fix records.\n");
}

}  // namespace
}  // namespace vantrel::testing

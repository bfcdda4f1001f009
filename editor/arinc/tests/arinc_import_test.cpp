// The import of hand-made ARINC 424 files: the procedure files written byte for byte and free of
// check findings, the flattening of runway, common and enroute routes, legs without fixes, holds,
// fixes found through each kind of fix record, and what is skipped and reported.
#include "arinc_import.h"

#include <gtest/gtest.h>

#include "arinc_fixture.h"
#include "import_report_text.h"
#include "procedure_check.h"
#include "procedure_file.h"
#include "temp_folder.h"

namespace vantrel {
namespace {

using testing::AirportFix;
using testing::ArincRecord;
using testing::EnrouteWaypoint;
using testing::Leg;
using testing::Lines;
using testing::Ndb;
using testing::ProcedureLine;
using testing::ReadBytes;
using testing::TempFolder;
using testing::VhfNavaid;
using Strings = std::vector<std::string>;

std::string Sid(std::string_view id, char type, std::string_view transition,
                std::string_view sequence, std::string_view fix, std::string_view record,
                std::string_view path, char continuation = '0') {
    return ProcedureLine(
        {'D', "KXYZ", id, type, transition, sequence, fix, record, path, continuation});
}

std::string Star(std::string_view id, char type, std::string_view transition,
                 std::string_view sequence, std::string_view fix, std::string_view record,
                 std::string_view path) {
    return ProcedureLine({'E', "KXYZ", id, type, transition, sequence, fix, record, path});
}

// The fix records of airport KXYZ and around it, one of each kind. ALPHA is a terminal waypoint
// of KXYZ in region K6 and an enroute waypoint in region K5 elsewhere; DMX is a DME without VOR.
const Strings kFixRecords = {
    "HDR01FAACIFP18      001P013203754310  16-JAN-202612:00:00  U.S.A. DOT FAA                 ",
    AirportFix('A', "KXYZ", "XYZ", "N40382374", "W073464329"),
    AirportFix('C', "KXYZ", "ALPHA", "N40400000", "W073500000"),
    AirportFix('G', "KXYZ", "RW04L", "N40380000", "W073470000"),
    AirportFix('G', "KXYZ", "RW04R", "N40381000", "W073471000"),
    AirportFix('G', "KXYZ", "RW13", "N40382000", "W073472000"),
    AirportFix('G', "KXYZ", "RW22L", "N40383000", "W073473000"),
    AirportFix('N', "KXYZ", "TN", "N40350000", "W073550000"),
    EnrouteWaypoint("ALPHA", "K5", "N41000000", "W074000000"),
    EnrouteWaypoint("BRAVO", "K6", "N41153000", "W072000000"),
    EnrouteWaypoint("CHRLY", "K6", "S00371805", "W000371805"),
    EnrouteWaypoint("DELTA", "K6", "N40450000", "W073400000"),
    VhfNavaid("XYZ", "N40300000", "W073300000"),
    VhfNavaid("DMX", "", "", "N40100000", "W073200000"),
    Ndb("NB", "N40201234", "W073101234"),
};

// DEEZ1: runway transitions RW04B (both 04 runways), RW13 and RW22L, a common route and the
// enroute transitions BRAVO and CHRLY, with a continuation record and an engine-out SID that
// names a fix without record. VECT2 has only heading legs, HOLD3 no runway transition and a
// hold, LOST4 a fix that no record gives.
const Strings kSidRecords = {
    Sid("DEEZ1", '0', "RW04B", "010", "GHOST", "K6EA", "DF"),
    Sid("DEEZ1", '4', "RW04B", "010", "", "", "CA"),
    Sid("DEEZ1", '4', "RW04B", "020", "DELTA", "K6EA", "DF"),
    Sid("DEEZ1", '4', "RW04B", "030", "ALPHA", "K6PC", "TF"),
    Sid("DEEZ1", '4', "RW13", "010", "", "", "VA"),
    Sid("DEEZ1", '4', "RW13", "020", "ALPHA", "K6PC", "DF"),
    Sid("DEEZ1", '4', "RW22L", "010", "RW22L", "K6PG", "FA"),
    Sid("DEEZ1", '4', "RW22L", "020", "DELTA", "K6EA", "TF"),
    Sid("DEEZ1", '4', "RW22L", "030", "ALPHA", "K6PC", "TF"),
    Sid("DEEZ1", '5', "", "010", "ALPHA", "K6PC", "IF"),
    Sid("DEEZ1", '5', "", "010", "GHOST", "K6EA", "TF", '2'),
    Sid("DEEZ1", '5', "", "020", "XYZ", "K6D ", "TF"),
    Sid("DEEZ1", '5', "", "030", "NB", "K6DB", "TF"),
    Sid("DEEZ1", '6', "BRAVO", "010", "NB", "K6DB", "IF"),
    Sid("DEEZ1", '6', "BRAVO", "020", "BRAVO", "K6EA", "TF"),
    Sid("DEEZ1", '6', "CHRLY", "010", "NB", "K6DB", "IF"),
    Sid("DEEZ1", '6', "CHRLY", "020", "TN", "K6PN", "TF"),
    Sid("DEEZ1", '6', "CHRLY", "030", "CHRLY", "K6EA", "TF"),
    Sid("VECT2", '2', "", "010", "", "", "VA"),
    Sid("VECT2", '2', "", "020", "", "", "VM"),
    Sid("HOLD3", '2', "", "010", "DMX", "K6D ", "IF"),
    Sid("HOLD3", '2', "", "020", "DELTA", "K6EA", "TF"),
    Sid("HOLD3", '2', "", "030", "DELTA", "K6EA", "HM"),
    Sid("LOST4", '1', "RW13", "010", "GHOST", "K6EA", "DF"),
};

// ARRV5: the enroute transition BRAVO, a common route, and runway transitions RW13 and RW22L;
// ARPT6 ends at the airport's reference point. An approach record is passed over.
const Strings kStarRecords = {
    Star("ARPT6", '2', "", "010", "TN", "K6PN", "IF"),
    Star("ARPT6", '2', "", "020", "KXYZ", "K6PA", "TF"),
    Star("ARRV5", '4', "BRAVO", "010", "BRAVO", "K6EA", "IF"),
    Star("ARRV5", '4', "BRAVO", "020", "NB", "K6DB", "TF"),
    Star("ARRV5", '5', "", "010", "NB", "K6DB", "IF"),
    Star("ARRV5", '5', "", "020", "XYZ", "K6D ", "TF"),
    Star("ARRV5", '6', "RW13", "010", "DELTA", "K6EA", "TF"),
    Star("ARRV5", '6', "RW13", "020", "", "", "VM"),
    Star("ARRV5", '6', "RW22L", "010", "ALPHA", "K6PC", "TF"),
    Star("ARRV5", '6', "RW22L", "020", "ALPHA", "K6PC", "FM"),
    ProcedureLine({'F', "KXYZ", "I04L", 'I', "", "010", "GHOST", "K6EA", "IF"}),
};

Strings Concat(std::initializer_list<const Strings*> parts) {
    Strings all;
    for (const Strings* part : parts) {
        all.insert(all.end(), part->begin(), part->end());
    }
    return all;
}

const std::string kTail = "| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0\r\n";
const std::string kAlpha = "S|ALPHA|40666667|-73833333" + kTail;
const std::string kDelta = "S|DELTA|40750000|-73666667" + kTail;
const std::string kXyz = "S|XYZ|40500000|-73500000" + kTail;
const std::string kNb = "S|NB|40336761|-73170094" + kTail;
const std::string kBravo = "S|BRAVO|41258333|-72000000" + kTail;
const std::string kTn = "S|TN|40583333|-73916667" + kTail;
const std::string kCharlie = "S|CHRLY|-0621681|-0621681" + kTail;
const std::string kDmx = "S|DMX|40166667|-73333333" + kTail;
const std::string kAirport = "S|KXYZ|40639928|-73778692" + kTail;

std::string Procedure(const std::string& name, const std::string& runway, const Strings& legs) {
    std::string text = "P|" + name + "|" + runway + "| |0|0|\r\n";
    for (const std::string& leg : legs) {
        text += leg;
    }
    return text + "\r\n\r\n";
}

std::string ExpectedSids(bool transitions) {
    const Strings runway04 = {kDelta, kAlpha, kXyz, kNb};
    const Strings runway13 = {kAlpha, kXyz, kNb};
    std::string text = Procedure("DEEZ1", "04L", runway04) + Procedure("DEEZ1", "04R", runway04) +
                       Procedure("DEEZ1", "13", runway13) + Procedure("DEEZ1", "22L", runway04);
    if (transitions) {
        for (const auto& [name, tail] :
             {std::pair{"DEEZ1.BRAVO", Strings{kBravo}}, {"DEEZ1.CHRLY", Strings{kTn, kCharlie}}}) {
            for (const auto& [runway, start] : {std::pair{"04L", runway04},
                                                {"04R", runway04},
                                                {"13", runway13},
                                                {"22L", runway04}}) {
                Strings legs = start;
                legs.insert(legs.end(), tail.begin(), tail.end());
                text += Procedure(name, runway, legs);
            }
        }
    }
    return text + Procedure("HOLD3", "ALL", {kDmx, kDelta});
}

std::string ExpectedStars(bool transitions) {
    std::string text = Procedure("ARPT6", "ALL", {kTn, kAirport}) +
                       Procedure("ARRV5", "13", {kNb, kXyz, kDelta}) +
                       Procedure("ARRV5", "22L", {kNb, kXyz, kAlpha});
    if (transitions) {
        text += Procedure("ARRV5.BRAVO", "13", {kBravo, kNb, kXyz, kDelta}) +
                Procedure("ARRV5.BRAVO", "22L", {kBravo, kNb, kXyz, kAlpha});
    }
    return text;
}

struct Import {
    TempFolder folder;
    std::filesystem::path input;

    explicit Import(const std::string& bytes) { input = folder.write("FAACIFP18", bytes); }
    ImportReport run(ImportOptions options = {}) {
        return ImportArinc(folder.path(), input, options);
    }
    std::string file(const char* relative) const { return ReadBytes(folder.path() / relative); }
    bool exists(const char* relative) const {
        return std::filesystem::exists(folder.path() / relative);
    }
};

const std::string kLostReason =
    "KXYZ SID LOST4 @ 13: line 39: no record gives the place of fix GHOST (section EA, ICAO "
    "code K6)";

TEST(ArincImport, WritesTheFlattenedProceduresOfEveryLineEnd) {
    const Strings records = Concat({&kFixRecords, &kSidRecords, &kStarRecords});
    for (const char* end : {"\r\n", "\n", "\r"}) {
        Import import(Lines(records, end));
        const ImportReport report = import.run();
        EXPECT_TRUE(report.fileRead);
        EXPECT_EQ(report.airportsWritten, 1u);
        EXPECT_EQ(report.proceduresWritten, 18u);
        EXPECT_EQ(report.proceduresSkipped, 1u);
        EXPECT_EQ(report.skipReasons, Strings{kLostReason});
        EXPECT_EQ(import.file("sid/KXYZ.txt"), ExpectedSids(true));
        EXPECT_EQ(import.file("star/KXYZ.txt"), ExpectedStars(true));
        for (const char* written : {"sid/KXYZ.txt", "star/KXYZ.txt"}) {
            EXPECT_EQ(CheckProcedureText(import.file(written)), std::vector<Finding>{}) << written;
        }
        EXPECT_FALSE(import.exists("sid/KXYZ.tmp"));
        EXPECT_EQ(import.file("FAACIFP18"), Lines(records, end));
    }
}

TEST(ArincImport, LeavesTheEnrouteTransitionsOutWhenAsked) {
    Import import(Lines(Concat({&kFixRecords, &kSidRecords, &kStarRecords})));
    ImportOptions options;
    options.enrouteTransitions = false;
    EXPECT_EQ(import.run(options).proceduresWritten, 8u);
    EXPECT_EQ(import.file("sid/KXYZ.txt"), ExpectedSids(false));
    EXPECT_EQ(import.file("star/KXYZ.txt"), ExpectedStars(false));
}

TEST(ArincImport, ReadsTheColumnsOfAHandTypedRecord) {
    // One SID leg and the terminal waypoint it names, typed column by column up to the last
    // field read; the rest of the 132 columns is blank.
    std::string leg = "SUSAP KXYZK6DDEEZ1 4RW13  020ALPHAK6PC0E       DF";
    std::string waypoint = "SUSAP KXYZK6CALPHA K60    W     N40400000W073500000";
    leg.resize(132, ' ');
    waypoint.resize(132, ' ');
    EXPECT_EQ(leg.substr(0, 39),
              Sid("DEEZ1", '4', "RW13", "020", "ALPHA", "K6PC", "DF").substr(0, 39));
    Import import(Lines({waypoint, leg}));
    EXPECT_EQ(import.run().proceduresWritten, 1u);
    EXPECT_EQ(import.file("sid/KXYZ.txt"), Procedure("DEEZ1", "13", {kAlpha}));
}

TEST(ArincImport, RecordsThatCannotBeReadSkipTheirProceduresOnly) {
    Strings records = Concat({&kFixRecords, &kSidRecords});
    // BRAVO's waypoint record with a damaged latitude, a leg of DEEZ1's transition CHRLY with an
    // unknown path and terminator, and a common-route leg of HOLD3 cut short.
    records[9].replace(32, 9, "N4X153000");
    records[kFixRecords.size() + 16].replace(47, 2, "XX");
    records[kFixRecords.size() + 20].resize(60);
    Import import(Lines(records));
    const ImportReport report = import.run();
    EXPECT_EQ(report.proceduresWritten, 4u);
    EXPECT_EQ(report.proceduresSkipped, 10u);
    ASSERT_EQ(report.skipReasons.size(), kReasonsKept);
    EXPECT_EQ(report.skipReasons[0],
              "KXYZ SID DEEZ1.BRAVO @ 04L: line 30: the record of fix BRAVO on line 10 cannot be "
              "read: its coordinates N4X153000 W072000000 are not a latitude and a longitude");
    EXPECT_EQ(report.skipReasons[4],
              "KXYZ SID DEEZ1.CHRLY @ 04L: line 32: the path and terminator \"XX\" is not known");
    EXPECT_EQ(report.skipReasons[8],
              "KXYZ SID HOLD3 @ ALL: line 36: the record is shorter than 132 columns");
    EXPECT_EQ(report.skipReasons[9], kLostReason);
    EXPECT_EQ(import.file("sid/KXYZ.txt"),
              ExpectedSids(false).substr(0, ExpectedSids(false).find("P|HOLD3")));
}

TEST(ArincImport, AirportsWithFilesAreKeptUnlessReplacingIsAskedForOnce) {
    const std::string kabc = Lines({
        ProcedureLine({'E', "KABC", "ABC1", '2', "", "010", "BRAVO", "K6EA", "IF"}),
    });
    const std::string bytes = Lines(Concat({&kFixRecords, &kSidRecords, &kStarRecords})) + kabc;
    Import import(bytes);
    import.folder.write("sid/KXYZ.txt", "P|OLD|09| |0|0|\r\n");
    import.folder.write("star/KABC.txt", "P|OLD|27| |0|0|\r\n");

    const ImportReport kept = import.run();
    EXPECT_EQ(kept.airportsWritten, 0u);
    EXPECT_EQ(kept.airportsWithFiles, (Strings{"KXYZ", "KABC"}));
    EXPECT_EQ(import.file("sid/KXYZ.txt"), "P|OLD|09| |0|0|\r\n");
    EXPECT_FALSE(import.exists("star/KXYZ.txt"));

    int asked = 0;
    ImportOptions options;
    options.askReplace = [&](std::string_view airport) {
        ++asked;
        EXPECT_EQ(airport, "KXYZ");
        return true;
    };
    const ImportReport replaced = import.run(options);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(replaced.airportsWritten, 2u);
    EXPECT_EQ(import.file("sid/KXYZ.txt"), ExpectedSids(true));
    EXPECT_EQ(import.file("star/KABC.txt"), Procedure("ABC1", "ALL", {kBravo}));
    // KABC has no SIDs in the file: a SID file of its own would be kept.
    EXPECT_FALSE(import.exists("sid/KABC.txt"));

    ImportOptions replace;
    replace.replace = true;
    replace.askReplace = [&](std::string_view) { return ++asked, false; };
    EXPECT_EQ(import.run(replace).airportsWritten, 2u);
    EXPECT_EQ(asked, 1);
}

TEST(ArincImport, AnAirportWithAReadOnlyFileIsSkippedWithBothFilesKept) {
    Import import(Lines(Concat({&kFixRecords, &kSidRecords, &kStarRecords})));
    const auto star = import.folder.write("star/KXYZ.txt", "P|OLD|27| |0|0|\r\n");
    testing::SetReadOnly(star, true);
    ImportOptions options;
    options.replace = true;
    const ImportReport report = import.run(options);
    EXPECT_EQ(report.airportsWritten, 0u);
    EXPECT_EQ(report.proceduresSkipped, 19u);
    EXPECT_EQ(report.skipReasons,
              (Strings{kLostReason, "KXYZ: 18 procedures, as star/KXYZ.txt is read-only"}));
    EXPECT_FALSE(import.exists("sid/KXYZ.txt"));
    EXPECT_TRUE(IsReadOnly(star));
    testing::SetReadOnly(star, false);
    EXPECT_EQ(import.file("star/KXYZ.txt"), "P|OLD|27| |0|0|\r\n");
}

TEST(ArincImport, OnlyTheNamedAirportsInAnyLetterCase) {
    const std::string kabc =
        Lines({ProcedureLine({'E', "KABC", "ABC1", '2', "", "010", "BRAVO", "K6EA", "IF"})});
    Import import(Lines(Concat({&kFixRecords, &kSidRecords, &kStarRecords})) + kabc);
    ImportOptions options;
    options.airports = {"kabc", "KNONE"};
    const ImportReport report = import.run(options);
    EXPECT_EQ(report.airportsWritten, 1u);
    EXPECT_EQ(report.proceduresSkipped, 0u);
    EXPECT_EQ(report.airportsNotInFile, Strings{"KNONE"});
    EXPECT_TRUE(import.exists("star/KABC.txt"));
    EXPECT_FALSE(import.exists("sid/KXYZ.txt"));
    EXPECT_EQ(ImportReportLines(report, import.folder.path(), "FAACIFP18"),
              (Strings{"1 airport written with 1 procedure.",
                       "Not in the file with SIDs or STARs: KNONE"}));
}

TEST(ArincImport, TheReportNamesWhatWasSkipped) {
    const std::string others =
        Lines({ProcedureLine({'E', "KABC", "ABC1", '2', "", "010", "BRAVO", "K6EA", "IF"}),
               ProcedureLine({'E', "KA/C", "ABC1", '2', "", "010", "BRAVO", "K6EA", "IF"}),
               ArincRecord({{5, "P"}, {7, "KDEF"}, {13, "D"}})});
    Import import(Lines(Concat({&kFixRecords, &kSidRecords})) + others);
    import.folder.write("star/KABC.txt/inside", "");
    import.folder.write("sid/KXYZ.txt", "");
    ImportOptions options;
    options.replace = true;
    const ImportReport report = import.run(options);
    EXPECT_EQ(ImportReportLines(report, import.folder.path(), "FAACIFP18"),
              (Strings{"1 airport written with 13 procedures.", "3 procedures skipped:",
                       "line 42: a SID record of airport KDEF that names no procedure: the record "
                       "has no procedure identifier",
                       kLostReason, "KA/C: 1 procedure, as the airport code cannot be a file name",
                       "star/KABC.txt cannot be written"}));
    EXPECT_TRUE(std::filesystem::exists(import.folder.path() / "star/KABC.txt/inside"));
    EXPECT_FALSE(std::filesystem::exists(import.folder.path() / "star/KABC.tmp"));
}

TEST(ArincImport, AFileWithoutRecordsSaysSo) {
    // vasFMC's waypoints.txt chosen by mistake, and records of other kinds only.
    for (const std::string& bytes :
         {std::string("ABETI|47123456|19123456|LH\r\nKOVEK|47000000|19000000|LH\r\n"),
          Lines({kFixRecords.front()})}) {
        Import import(bytes);
        const ImportReport report = import.run();
        EXPECT_TRUE(report.fileRead);
        EXPECT_FALSE(report.recordsFound);
        EXPECT_EQ(ImportReportLines(report, import.folder.path(), "waypoints.txt"),
                  Strings{"waypoints.txt holds no ARINC 424 procedure or fix records."});
    }
    // Records of airports other than the one named are records all the same.
    Import import(Lines(Concat({&kFixRecords, &kSidRecords})));
    ImportOptions options;
    options.airports = {"KNONE"};
    EXPECT_TRUE(import.run(options).recordsFound);
}

TEST(ArincImport, AFileThatCannotBeReadWritesNothing) {
    TempFolder folder;
    const ImportReport report = ImportArinc(folder.path(), folder.path() / "none", {});
    EXPECT_FALSE(report.fileRead);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "sid"));
    EXPECT_EQ(ImportReportLines(report, folder.path(), "none"), Strings{"none cannot be read."});
}

}  // namespace
}  // namespace vantrel

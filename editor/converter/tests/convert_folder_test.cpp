// A conversion run over the names of a program folder, and the bundled demo files converted and
// read back as the editor reads them.
#include "convert_folder.h"

#include <gtest/gtest.h>

#include "conversion_report_text.h"
#include "procedure_reader.h"
#include "temp_folder.h"

namespace vantrel {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using Names = std::vector<std::string>;

std::string FsnavFile(const std::string& airportLine, const std::string& sidName) {
    return "[Airport]\r\n" + airportLine +
           "\r\n"
           "[Sid001]\r\nN=" +
           sidName +
           "\r\n01=R:9:1.000000:2.000000:0:0\r\n02=W:FIX:3.000000:4.000000:0:0\r\n\r\n"
           "[Star001]\r\nN=STAR 1\r\n01=W:FIX:3.000000:4.000000:0:0\r\n"
           "02=R:27:1.000000:2.000000:0:0\r\n\r\n[EOF]\r\n";
}

std::string SidFile(const std::string& sidName) {
    return "P|" + sidName +
           "|09| |0|0|\r\nS|FIX|3000000|4000000| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0\r\n\r\n\r\n";
}

Names LegNames(const std::filesystem::path& file, const std::string& entry) {
    Names names;
    for (const LegRow& leg : ReadLegs(file, entry, 1)) {
        names.push_back(leg.name);
    }
    return names;
}

TEST(ConvertFolder, AFolderWithoutInputsGetsItsFoldersAndOneStepPerName) {
    TempFolder folder;
    const Names names = {"Vantrel", "notes.txt", "ss.txt", "UPPER.SSA"};
    for (const auto& name : names) {
        folder.write(name, FsnavFile("K=EDDF", "A1"));
    }
    std::size_t steps = 0;
    ConversionObserver observer;
    observer.nameDone = [&] { ++steps; };
    const ConversionReport report = ConvertFolder(folder.path(), names, observer);
    EXPECT_EQ(steps, names.size());
    EXPECT_EQ(report.converted, 0u);
    EXPECT_TRUE(report.skipped.empty());
    EXPECT_TRUE(std::filesystem::is_empty(folder.path() / "sid"));
    EXPECT_TRUE(std::filesystem::is_empty(folder.path() / "star"));
}

TEST(ConvertFolder, ConvertsEveryNameHoldingDotSsAndReportsTheSkippedOnes) {
    TempFolder folder;
    folder.write("A.ssa", FsnavFile("K=AAAA", "A1"));
    folder.write("B.ss.bak", FsnavFile("K= BBBB ", "B1"));
    folder.write("C.sss", FsnavFile("K=ZUGY", "C1"));
    folder.write("D.ssa", "[Airport]\r\nK=DDDD\r\n[Sid001]\r\n");
    folder.write("E.txt", FsnavFile("K=EEEE", "E1"));
    folder.write("G.ssa", FsnavFile("K=GGGG", "G1"));
    std::filesystem::create_directories(folder.path() / "star/GGGG.txt");
    const Names names = {"A.ssa", "B.ss.bak", "C.sss", "D.ssa", "E.txt", "F.ssa", "G.ssa"};
    const ConversionReport report = ConvertFolder(folder.path(), names);
    EXPECT_EQ(report.converted, 2u);
    EXPECT_EQ(report.skipped,
              (std::vector<SkippedFile>{
                  {"C.sss", FileOutcome::ExcludedAirport, {}},
                  {"D.ssa", FileOutcome::EndsEarly, {}},
                  {"F.ssa", FileOutcome::CannotRead, {}},
                  {"G.ssa", FileOutcome::CannotWrite, {folder.path() / "star/GGGG.txt"}}}));
    EXPECT_EQ(ReadBytes(folder.path() / "sid/AAAA.txt"), SidFile("A1"));
    EXPECT_EQ(ReadBytes(folder.path() / "sid/BBBB.txt"), SidFile("B1"));
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "star/BBBB.txt"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "sid/EEEE.txt"));
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "C.sss"));
}

TEST(ConvertFolder, NamesTheStarWithoutRunwayPoint) {
    TempFolder folder;
    std::string file = FsnavFile("K=EDDF", "A1");
    file.replace(file.find("02=R:27"), 4, "02=W");
    folder.write("EDDF.ssa", file);
    const ConversionReport report = ConvertFolder(folder.path(), {"EDDF.ssa"});
    ASSERT_EQ(report.skipped,
              (std::vector<SkippedFile>{{"EDDF.ssa", FileOutcome::NoRunwayPoint, {}, "STAR1"}}));
    EXPECT_EQ(SkippedFileLine(report.skipped[0], folder.path()),
              "EDDF.ssa: STAR STAR1 has no runway point");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "sid/EDDF.txt"));
}

TEST(ConvertFolder, NamesTheReadOnlyFilesOfASkippedAirport) {
    TempFolder folder;
    folder.write("EDDF.ssa", FsnavFile("K=EDDF", "A1"));
    for (const char* file : {"sid/EDDF.txt", "star/EDDF.txt"}) {
        testing::SetReadOnly(folder.write(file, "P|OLD|25C| |0|0|\r\n"), true);
    }
    const ConversionReport report = ConvertFolder(folder.path(), {"EDDF.ssa"});
    ASSERT_EQ(report.skipped.size(), 1u);
    EXPECT_EQ(SkippedFileLine(report.skipped[0], folder.path()),
              "EDDF.ssa: sid/EDDF.txt, star/EDDF.txt are read-only");
    for (const char* file : {"sid/EDDF.txt", "star/EDDF.txt"}) {
        testing::SetReadOnly(folder.path() / file, false);
        EXPECT_EQ(ReadBytes(folder.path() / file), "P|OLD|25C| |0|0|\r\n");
    }
}

TEST(ConvertFolder, TheLaterFileOfAnAirportWins) {
    TempFolder folder;
    folder.write("EDDF.ssa", FsnavFile("K=EDDF", "FIRST1"));
    folder.write("EDDF2.ssa", FsnavFile("K=EDDF", "SECOND1"));
    EXPECT_EQ(ConvertFolder(folder.path(), {"EDDF2.ssa", "EDDF.ssa"}).converted, 2u);
    EXPECT_EQ(ReadBytes(folder.path() / "sid/EDDF.txt"), SidFile("FIRST1"));
    EXPECT_EQ(ConvertFolder(folder.path(), {"EDDF.ssa", "EDDF2.ssa"}).converted, 2u);
    EXPECT_EQ(ReadBytes(folder.path() / "sid/EDDF.txt"), SidFile("SECOND1"));
}

TEST(ConvertFolder, TheDemoFilesBecomeProceduresTheEditorLists) {
    TempFolder folder;
    for (const char* name : {"EDDF.ssa", "LKPR.ssa"}) {
        folder.write(name, ReadBytes(std::filesystem::path(VANTREL_DEMO_FOLDER) / name));
    }
    const ConversionReport report = ConvertFolder(folder.path(), {"EDDF.ssa", "LKPR.ssa"});
    EXPECT_EQ(report.converted, 2u);
    EXPECT_TRUE(report.skipped.empty());

    struct Expected {
        const char* file;
        std::vector<std::string> entries;
        std::size_t legs;
    };
    const Expected expected[] = {
        {"sid/EDDF.txt", {"ANEKI1L @ 25C", "OBOKA1G @ 07C", "TOBAK5S @ 18"}, 8},
        {"star/EDDF.txt", {"ROLIS1B @ 25R", "KERAX2A @ 07L", "UNOKO1D @ 25L"}, 10},
        {"sid/LKPR.txt", {"VENOX2A @ 06", "ERTOM1C @ 24", "BAROX1Z @ 30"}, 7},
        {"star/LKPR.txt", {"RAPET2P @ 24", "VOZIL1S @ 12"}, 5},
    };
    for (const Expected& file : expected) {
        const auto path = folder.path() / file.file;
        EXPECT_EQ(ReadProcedureList(path), file.entries) << file.file;
        std::size_t legs = 0;
        for (const std::string& entry : file.entries) {
            legs += ReadLegs(path, entry, 1).size();
        }
        EXPECT_EQ(legs, file.legs) << file.file;
    }
    // The flagged points TAU and RAK are left out of these two.
    EXPECT_EQ(LegNames(folder.path() / "sid/EDDF.txt", "OBOKA1G @ 07C"), (Names{"SULUS", "OBOKA"}));
    EXPECT_EQ(LegNames(folder.path() / "sid/LKPR.txt", "ERTOM1C @ 24"), (Names{"DENUT", "ERTOM"}));
}

}  // namespace
}  // namespace vantrel

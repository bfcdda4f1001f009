// Converting one FSNavigator file: the written procedure files byte for byte, however the
// sections are spaced, and what an incomplete or unusable file leaves behind.
#include "convert_file.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "procedure_file.h"
#include "temp_folder.h"

namespace vantrel {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using Lines = std::vector<std::string>;

std::string Text(const Lines& lines, const char* lineEnd = "\r\n") {
    std::string text;
    for (const auto& line : lines) {
        text += line + lineEnd;
    }
    return text;
}

const Lines kAirport = {"[Airport]", "K=EDDF"};
const Lines kSid1 = {"[Sid001]",
                     "N=ANEKI 1L",
                     "01=R:25C:50.040556:8.586667:0:0",
                     "02=V:FFM:50.053611:8.637778:4000:0",
                     "03=V:TAU:50.272222:8.231389:5000:1",
                     "04=W:ANEKI:50.148889:-9.310278:7000:0"};
const Lines kSid2 = {"[Sid002]", "N=OBOKA 1G", "01=R:7:50.032500:8.534722:0:0",
                     "02=W:OBOKA:50.082500:7.631944:0:0"};
const Lines kStar1 = {"[Star001]", "N=ROLIS 1B", "01=W:ROLIS:50.401944:7.700833:11000:0",
                      "02=V:TAU:50.272222:8.231389:7000:1", "03=R:7L:50.037778:8.586944:0:0"};
const Lines kStar2 = {"[Star002]", "N=KERAX 2A", "01=W:KERAX:49.900556:9.600278:10000:0",
                      "02=R:36:50.029722:8.525278:0:0"};

const std::string kLegTail = "| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0\r\n";
const std::string kExpectedSids =
    "P|ANEKI1L|25C| |0|0|\r\n"
    "S|FFM|50053611|8637778" +
    kLegTail + "S|ANEKI|50148889|-9310278" + kLegTail +
    "\r\n\r\n"
    "P|OBOKA1G|07| |0|0|\r\n"
    "S|OBOKA|50082500|7631944" +
    kLegTail + "\r\n\r\n";
const std::string kExpectedStars =
    "P|ROLIS1B|07L| |0|0|\r\n"
    "S|ROLIS|50401944|7700833" +
    kLegTail +
    "\r\n\r\n"
    "P|KERAX2A|36| |0|0|\r\n"
    "S|KERAX|49900556|9600278" +
    kLegTail + "\r\n\r\n";

// An FSNavigator file's lines: the airport lines, the sections with `blanks` empty lines after
// each, and the end line.
Lines FsnavLines(const std::vector<Lines>& sections, int blanks = 1) {
    Lines lines = kAirport;
    for (const auto& section : sections) {
        lines.insert(lines.end(), section.begin(), section.end());
        lines.insert(lines.end(), blanks, "");
    }
    lines.push_back("[EOF]");
    return lines;
}

struct Folder {
    TempFolder folder;
    Folder() {
        std::filesystem::create_directory(folder.path() / "sid");
        std::filesystem::create_directory(folder.path() / "star");
    }
    FileOutcome convert(const std::string& bytes, const std::string& name = "EDDF.ssa") {
        folder.write(name, bytes);
        return ConvertFile(folder.path(), name);
    }
    bool exists(const char* relative) const {
        return std::filesystem::exists(folder.path() / relative);
    }
    std::string read(const char* relative) const { return ReadBytes(folder.path() / relative); }
    // Every file below the sid and star folders.
    std::set<std::string> outputs() const {
        std::set<std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path())) {
            const auto relative = std::filesystem::relative(entry.path(), folder.path());
            if (entry.is_regular_file() && relative.has_parent_path()) {
                files.insert(relative.generic_string());
            }
        }
        return files;
    }
};

TEST(ConvertFile, WritesBothProceduresFilesHoweverTheSectionsAreSpaced) {
    const std::vector<Lines> sections = {kSid1, kSid2, kStar1, kStar2};
    const std::pair<const char*, std::string> inputs[] = {
        {"one empty line between sections", Text(FsnavLines(sections))},
        {"no empty line", Text(FsnavLines(sections, 0))},
        {"two empty lines", Text(FsnavLines(sections, 2))},
        {"three empty lines", Text(FsnavLines(sections, 3))},
        {"lines ended by CR alone", Text(FsnavLines(sections), "\r")},
        {"last line without its end", Text(FsnavLines(sections)) + "[EOF]"},
    };
    for (const auto& [what, bytes] : inputs) {
        Folder folder;
        // A longer file of an earlier conversion is replaced whole.
        folder.folder.write("sid/EDDF.txt", std::string(5000, 'x'));
        EXPECT_EQ(folder.convert(bytes), FileOutcome::Converted) << what;
        EXPECT_EQ(folder.read("sid/EDDF.txt"), kExpectedSids) << what;
        EXPECT_EQ(folder.read("star/EDDF.txt"), kExpectedStars) << what;
        EXPECT_EQ(folder.outputs(), (std::set<std::string>{"sid/EDDF.txt", "star/EDDF.txt"}))
            << what;
    }
}

TEST(ConvertFile, AKindWithoutSectionsLeavesNoFileOfThatKind) {
    struct Case {
        const char* what;
        std::vector<Lines> sections;
        int blanks;
        bool sidFile, starFile;
    };
    const Case cases[] = {
        {"SIDs only", {kSid1, kSid2}, 1, true, false},
        {"SIDs only, two empty lines", {kSid1, kSid2}, 2, true, false},
        {"STARs only", {kStar1, kStar2}, 1, false, true},
        {"STARs only, two empty lines", {kStar1, kStar2}, 2, false, true},
        {"no sections", {}, 1, false, false},
        {"no sections, no empty line", {}, 0, false, false},
    };
    for (const Case& c : cases) {
        Folder folder;
        // Files of an earlier conversion give way to the new content.
        folder.folder.write("sid/EDDF.txt", "old\r\n");
        folder.folder.write("star/EDDF.txt", "old\r\n");
        EXPECT_EQ(folder.convert(Text(FsnavLines(c.sections, c.blanks))), FileOutcome::Converted)
            << c.what;
        EXPECT_EQ(folder.exists("sid/EDDF.txt"), c.sidFile) << c.what;
        EXPECT_EQ(folder.exists("star/EDDF.txt"), c.starFile) << c.what;
        if (c.sidFile) {
            EXPECT_EQ(folder.read("sid/EDDF.txt"), kExpectedSids) << c.what;
        }
        if (c.starFile) {
            EXPECT_EQ(folder.read("star/EDDF.txt"), kExpectedStars) << c.what;
        }
    }
}

TEST(ConvertFile, AFileCutOffAnywhereLeavesTheProcedureFilesAsTheyWere) {
    const Lines lines = FsnavLines({kSid1, kSid2, kStar1, kStar2});
    // Every prefix of whole lines short of the end line, cut after each marker and point.
    for (std::size_t kept = 0; kept + 1 < lines.size(); ++kept) {
        Folder folder;
        folder.folder.write("sid/EDDF.txt", "old SIDs\r\n");
        folder.folder.write("star/EDDF.txt", "old STARs\r\n");
        const Lines prefix(lines.begin(), lines.begin() + kept);
        EXPECT_EQ(folder.convert(Text(prefix)), FileOutcome::EndsEarly) << kept << " lines";
        EXPECT_EQ(folder.read("sid/EDDF.txt"), "old SIDs\r\n") << kept << " lines";
        EXPECT_EQ(folder.read("star/EDDF.txt"), "old STARs\r\n") << kept << " lines";
        EXPECT_EQ(folder.outputs(), (std::set<std::string>{"sid/EDDF.txt", "star/EDDF.txt"}))
            << kept << " lines";
    }
}

TEST(ConvertFile, ForeignFilesEndTheirConversion) {
    const std::pair<const char*, std::string> inputs[] = {
        {"line feeds alone end no line", Text(FsnavLines({kSid1, kStar1}), "\n")},
        {"a SID without points", Text(FsnavLines({{"[Sid001]", "N=X"}}))},
        {"an empty file", ""},
    };
    for (const auto& [what, bytes] : inputs) {
        Folder folder;
        EXPECT_EQ(folder.convert(bytes), FileOutcome::EndsEarly) << what;
        EXPECT_TRUE(folder.outputs().empty()) << what;
    }
}

TEST(ConvertFile, NamesTheStarWithoutRunwayPointAndLeavesTheProcedureFilesAsTheyWere) {
    const auto noRunway = [](const char* header) {
        return Lines{header, "N=ROLIS 1A", "01=W:ROLIS:50.401944:7.700833:11000:0",
                     "02=V:TAU:50.272222:8.231389:7000:0"};
    };
    const std::pair<const char*, std::vector<Lines>> inputs[] = {
        // The look-ahead ran on to the end and gave "the file ends before its [EOF] line".
        {"the last STAR", {kSid1, kStar1, noRunway("[Star002]")}},
        {"the only STAR", {noRunway("[Star001]")}},
        // The look-ahead took the next STAR's runway for it.
        {"a STAR before another", {kSid1, noRunway("[Star001]"), kStar2}},
    };
    for (const auto& [what, sections] : inputs) {
        for (const int blanks : {1, 2}) {
            Folder folder;
            folder.folder.write("sid/EDDF.txt", "old SIDs\r\n");
            folder.folder.write("star/EDDF.txt", "old STARs\r\n");
            folder.folder.write("EDDF.ssa", Text(FsnavLines(sections, blanks)));
            std::vector<std::string> named;
            ConversionObserver observer;
            observer.runwayPointMissing = [&](std::string_view star) { named.emplace_back(star); };
            EXPECT_EQ(ConvertFile(folder.folder.path(), "EDDF.ssa", observer),
                      FileOutcome::NoRunwayPoint)
                << what;
            EXPECT_EQ(named, std::vector<std::string>{"ROLIS1A"}) << what;
            EXPECT_EQ(folder.read("sid/EDDF.txt"), "old SIDs\r\n") << what;
            EXPECT_EQ(folder.read("star/EDDF.txt"), "old STARs\r\n") << what;
        }
    }
}

TEST(ConvertFile, SkipsAirportsThatCannotOrMustNotBeWritten) {
    const std::pair<const char*, FileOutcome> cases[] = {
        {"K=ZUGY", FileOutcome::ExcludedAirport},
        {"K= ZUGY ", FileOutcome::ExcludedAirport},
        {"K=", FileOutcome::UnusableAirportCode},
        {"K=   ", FileOutcome::UnusableAirportCode},
        {"K=../EDDF", FileOutcome::UnusableAirportCode},
        {"K=..", FileOutcome::UnusableAirportCode},
        {"K=sub/EDDF", FileOutcome::UnusableAirportCode},
        {"K=..\\EDDF", FileOutcome::UnusableAirportCode},
        {"K=C:EDDF", FileOutcome::UnusableAirportCode},
        {"K=ED*F", FileOutcome::UnusableAirportCode},
        {"K=ED\x01"
         "DF",
         FileOutcome::UnusableAirportCode},
    };
    for (const auto& [airportLine, outcome] : cases) {
        Folder folder;
        Lines lines = FsnavLines({kSid1, kStar1});
        lines[1] = airportLine;
        EXPECT_EQ(folder.convert(Text(lines)), outcome) << airportLine;
        EXPECT_TRUE(folder.outputs().empty()) << airportLine;
        EXPECT_EQ(folder.read("EDDF.ssa"), Text(lines)) << "the input stays: " << airportLine;
    }
}

TEST(ConvertFile, ReportsAProcedureFileThatCannotBeWritten) {
    Folder folder;
    std::filesystem::create_directory(folder.folder.path() / "sid" / "EDDF.txt");
    EXPECT_EQ(folder.convert(Text(FsnavLines({kSid1, kSid2, kStar1, kStar2}))),
              FileOutcome::CannotWrite);
    EXPECT_TRUE(std::filesystem::is_directory(folder.folder.path() / "sid" / "EDDF.txt"));
    EXPECT_EQ(folder.read("star/EDDF.txt"), kExpectedStars);
}

TEST(ConvertFile, SkipsAnAirportWithAReadOnlyFileAndLeavesBothFiles) {
    Folder folder;
    const auto sid = folder.folder.write("sid/EDDF.txt", "P|OLD|25C| |0|0|\r\n");
    const auto star = folder.folder.write("star/EDDF.txt", "P|OLD|07L| |0|0|\r\n");
    testing::SetReadOnly(star, true);
    std::vector<std::filesystem::path> notWritten;
    ConversionObserver observer;
    observer.notWritten = [&](const std::filesystem::path& file) { notWritten.push_back(file); };
    folder.folder.write("EDDF.ssa", Text(FsnavLines({kSid1, kStar1})));
    EXPECT_EQ(ConvertFile(folder.folder.path(), "EDDF.ssa", observer), FileOutcome::ReadOnly);
    EXPECT_EQ(notWritten, std::vector<std::filesystem::path>{star});
    EXPECT_TRUE(IsReadOnly(star));
    testing::SetReadOnly(star, false);
    EXPECT_EQ(folder.read("sid/EDDF.txt"), "P|OLD|25C| |0|0|\r\n");
    EXPECT_EQ(folder.read("star/EDDF.txt"), "P|OLD|07L| |0|0|\r\n");
}

TEST(ConvertFile, ReportsMissingAndUnreadableFiles) {
    Folder folder;
    EXPECT_EQ(ConvertFile(folder.folder.path(), "MISSING.ssa"), FileOutcome::CannotRead);
    std::filesystem::create_directory(folder.folder.path() / "FOLDER.ssa");
    EXPECT_EQ(ConvertFile(folder.folder.path(), "FOLDER.ssa"), FileOutcome::CannotRead);
    EXPECT_TRUE(folder.outputs().empty());
}

TEST(ConvertFile, ReportsTheFileTheAirportAndEveryProcedureAndPoint) {
    Folder folder;
    folder.folder.write("EDDF.ssa", Text(FsnavLines({kSid1, kSid2, kStar1, kStar2})));
    std::vector<std::string> events;
    ConversionObserver observer;
    observer.fileStarted = [&](std::string_view name) {
        events.push_back("file " + std::string(name));
    };
    observer.airportStarted = [&](std::string_view code) {
        events.push_back("airport " + std::string(code));
    };
    std::size_t lines = 0;
    observer.betweenLines = [&] { ++lines; };
    EXPECT_EQ(ConvertFile(folder.folder.path(), "EDDF.ssa", observer), FileOutcome::Converted);
    EXPECT_EQ(events, (std::vector<std::string>{"file EDDF.ssa", "airport EDDF"}));
    // Four procedures, the points after each SID's runway point, and every STAR point.
    EXPECT_EQ(lines, 4u + (3u + 1u) + (3u + 2u));

    // An excluded airport is named too, so that the window shows the airport of this file.
    Lines excluded = FsnavLines({kSid1, kStar1});
    excluded[1] = "K=ZUGY";
    folder.folder.write("ZUGY.ssa", Text(excluded));
    events.clear();
    EXPECT_EQ(ConvertFile(folder.folder.path(), "ZUGY.ssa", observer),
              FileOutcome::ExcludedAirport);
    EXPECT_EQ(events, (std::vector<std::string>{"file ZUGY.ssa", "airport ZUGY"}));
}

}  // namespace
}  // namespace vantrel

// The airport catalogue built from the file names of the sid and star folders, and quick search.
#include "airport_catalogue.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace vantrel {
namespace {

using testing::TempFolder;
using Codes = std::vector<std::string>;

TempFolder FolderWith(const std::vector<std::string>& files) {
    TempFolder folder;
    for (const auto& file : files) {
        folder.write(file, "\r\n");
    }
    return folder;
}

TEST(LoadAirportList, ListsSidAirportsThenAirportsWithOnlyStars) {
    const TempFolder folder = FolderWith(
        {"sid/LHBP.txt", "sid/EGLL.txt", "star/LHBP.txt", "star/LFPG.txt", "star/EGLL.txt"});
    EXPECT_EQ(LoadAirportList(folder.path()), (Codes{"EGLL", "LHBP", "LFPG"}));
}

TEST(LoadAirportList, TakesEveryNamedFileAsTheFoldersHoldThem) {
    const TempFolder folder = FolderWith({
        "sid/EGLL.txt",
        "sid/EGLL.tmp",     // a left-over temporary file is a second entry
        "sid/README",       // no extension: nothing
        "sid/egll.txt",     // lower case stays lower case, sorted without case
        "sid/A.B.txt",      // the code ends at the first dot
        "sid/.hidden.txt",  // hidden files are not listed
        "star/EGLL.txt",
        "star/README",
        "star/KJFK.txt",
        "star/ZZZZ.tmp",
    });
    std::filesystem::create_directories(folder.path() / "sid" / "FOLDER.txt");
    // EGLL.tmp, EGLL.txt and egll.txt sort together, letter case ignored. Where file names ignore
    // letter case (Windows), egll.txt is EGLL.txt written again.
    const bool namesKeepCase = !std::filesystem::equivalent(folder.path() / "sid" / "EGLL.txt",
                                                            folder.path() / "sid" / "egll.txt");
    EXPECT_EQ(LoadAirportList(folder.path()),
              namesKeepCase ? (Codes{"A", "EGLL", "EGLL", "egll", "KJFK", "ZZZZ"})
                            : (Codes{"A", "EGLL", "EGLL", "KJFK", "ZZZZ"}));
}

TEST(LoadAirportList, MissingFoldersGiveWhatTheOtherHolds) {
    std::vector<std::filesystem::path> unreadable;
    CatalogueObserver observer;
    observer.folderUnreadable = [&](const std::filesystem::path& folder) {
        unreadable.push_back(folder);
    };
    EXPECT_TRUE(LoadAirportList(FolderWith({}).path(), observer).empty());
    EXPECT_EQ(LoadAirportList(FolderWith({"star/LOWW.txt"}).path(), observer), (Codes{"LOWW"}));
    EXPECT_EQ(LoadAirportList(FolderWith({"sid/LOWW.txt"}).path(), observer), (Codes{"LOWW"}));
    EXPECT_TRUE(unreadable.empty());

    // A file in the place of a folder is reported.
    const TempFolder folder = FolderWith({"sid", "star/LOWW.txt"});
    EXPECT_EQ(LoadAirportList(folder.path(), observer), (Codes{"LOWW"}));
    EXPECT_EQ(unreadable, std::vector<std::filesystem::path>{folder.path() / "sid"});
}

TEST(LoadAirportList, ReportsOneStepPerStarFile) {
    const TempFolder folder =
        FolderWith({"sid/EGLL.txt", "star/EGLL.txt", "star/LFPG.txt", "star/README"});
    std::size_t announced = 0, steps = 0, pumps = 0;
    CatalogueObserver observer;
    observer.starPassBegins = [&](std::size_t files) { announced = files; };
    observer.starFileDone = [&] { ++steps; };
    observer.betweenFiles = [&] { ++pumps; };
    EXPECT_EQ(LoadAirportList(folder.path(), observer), (Codes{"EGLL", "LFPG"}));
    EXPECT_EQ(announced, 3u);
    EXPECT_EQ(steps, 3u);
    EXPECT_GE(pumps, 4u);
}

TEST(FindAirport, FindsTheFirstCodeHoldingTheTextInUpperCase) {
    const Codes codes = {"EGLL", "LHBP", "egll", "LFPG"};
    const struct {
        const char* text;
        int index;
    } cases[] = {{"GL", 0}, {"gl", 0}, {"hb", 1}, {"", 0}, {"PG", 3}, {"egll", 0}, {"XX", -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(FindAirport(codes, c.text), c.index) << c.text;
    }
    // Only the search text is converted: a lower-case code is not found by its own name.
    EXPECT_EQ(FindAirport({"egll"}, "egll"), -1);
    EXPECT_EQ(FindAirport({}, ""), -1);
}

}  // namespace
}  // namespace vantrel

// SearchNavData over small navigation files: the cache pass, the two scanning passes, duplicate
// removal, the error results, and the cache left whole by a failed search.
#include "nav_search.h"

#include <gtest/gtest.h>

#include "search_cache.h"
#include "temp_folder.h"

namespace vantrel {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using Records = std::vector<std::string>;

const char* const kWaypoints =
    "ABETI|46720000|18880000|LH\r\n"
    "TORNO|47539776|18292444|LH\r\n"
    "ABETI|46720000|18880000|LH\r\n"
    "BADOV|47100000|19500000\r\n"
    "KOVEK|47000000|19000000|LH\r\n";
const char* const kNavaids =
    "BKS|BEKESCSABA|112.20|1|1|130|46672222|21160000|300|LH\r\n"
    "KOVEK|KOVEK NDB|387.0|2|0|40|47000000|19000000|300|LH\r\n"
    "KOVEK|OTHER|387.0||0|40|48000000|20000000|300|HA\r\n";

const char* const kKovekIntersection = "KOVEK|47000000|19000000|LH   -   [INTERSECTION]";
const char* const kKovekNdb = "KOVEK|47000000|19000000|KOVEK NDB - LH   -   [NDB]";
const char* const kOtherNdb = "KOVEK|48000000|20000000|OTHER - HA   -   [NDB]";
const char* const kAbeti = "ABETI|46720000|18880000|LH   -   [INTERSECTION]";

std::string CacheLines(const Records& records) {
    std::string bytes;
    for (const auto& record : records) {
        bytes += record + "\r\n";
    }
    return bytes;
}

struct NavFolder {
    TempFolder folder;
    NavFolder(const char* waypoints = kWaypoints, const char* navaids = kNavaids) {
        if (waypoints) {
            folder.write("waypoints.txt", waypoints);
        }
        if (navaids) {
            folder.write("navaids.txt", navaids);
        }
    }
    NavSearchResult search(std::string_view identifier) const {
        return SearchNavData(folder.path(), identifier);
    }
    std::filesystem::path cache() const { return CachePath(folder.path()); }
};

TEST(SearchNavData, FirstSearchScansBothFilesAndCachesWhatItFound) {
    NavFolder nav;
    const NavSearchResult result = nav.search("KOVEK");
    EXPECT_EQ(result.error, NavSearchError::None);
    // The NDB at the intersection's coordinates replaces it in the list; the cache keeps both.
    EXPECT_EQ(result.records, (Records{kKovekNdb, kOtherNdb}));
    EXPECT_EQ(ReadBytes(nav.cache()), CacheLines({kKovekIntersection, kKovekNdb, kOtherNdb}));

    // Answered from the cache alone now, even without the navigation files.
    std::filesystem::remove(nav.folder.path() / "waypoints.txt");
    std::filesystem::remove(nav.folder.path() / "navaids.txt");
    const NavSearchResult cached = nav.search("KOVEK");
    EXPECT_EQ(cached.error, NavSearchError::None);
    EXPECT_EQ(cached.records, (Records{kKovekNdb, kOtherNdb}));
    EXPECT_EQ(ReadBytes(nav.cache()), CacheLines({kKovekIntersection, kKovekNdb, kOtherNdb}));
}

// The navigation data come from other programs: line feeds alone end their lines too.
std::string WithLineEnd(std::string text, const std::string& end) {
    for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += end.size()) {
        text.replace(at, 2, end);
    }
    return text;
}

TEST(SearchNavData, ReadsNavigationFilesWithAnyLineEndsAndCachesWithCrLf) {
    const std::string waypoints = kWaypoints;
    const std::string navaids = kNavaids;
    const struct {
        const char* what;
        std::string waypoints;
        std::string navaids;
    } files[] = {
        // Found nothing, and said nothing.
        {"line feeds alone", WithLineEnd(waypoints, "\n"), WithLineEnd(navaids, "\n")},
        {"CR alone", WithLineEnd(waypoints, "\r"), WithLineEnd(navaids, "\r")},
        // Gave KOVEK's intersection as one record holding the line after it too.
        {"one line feed alone among CR LF lines",
         "ABETI|46720000|18880000|LH\r\nKOVEK|47000000|19000000|LH\nBADOV|47100000|19500000\r\n",
         "BKS|BEKESCSABA|112.20|1|1|130|46672222|21160000|300|LH\n" + navaids.substr(56)},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.what);
        TempFolder folder;
        folder.write("waypoints.txt", f.waypoints);
        folder.write("navaids.txt", f.navaids);
        const NavSearchResult result = SearchNavData(folder.path(), "KOVEK");
        EXPECT_EQ(result.error, NavSearchError::None);
        EXPECT_EQ(result.records, (Records{kKovekNdb, kOtherNdb}));
        EXPECT_EQ(ReadBytes(CachePath(folder.path())),
                  CacheLines({kKovekIntersection, kKovekNdb, kOtherNdb}));
        EXPECT_EQ(SearchNavData(folder.path(), "KOVEK").records, (Records{kKovekNdb, kOtherNdb}));
    }
    // A cache whose lines end with line feeds alone, edited elsewhere, is read line by line.
    TempFolder folder;
    folder.write("cache.dat", WithLineEnd(CacheLines({kAbeti, kKovekNdb, kOtherNdb}), "\n"));
    EXPECT_EQ(SearchNavData(folder.path(), "KOVEK").records, (Records{kKovekNdb, kOtherNdb}));
}

TEST(SearchNavData, DuplicateLinesCollapseOnlyInACachedSearch) {
    NavFolder nav;
    EXPECT_EQ(nav.search("ABETI").records, (Records{kAbeti, kAbeti}));
    EXPECT_EQ(nav.search("ABETI").records, (Records{kAbeti}));
    EXPECT_EQ(ReadBytes(nav.cache()), CacheLines({kAbeti, kAbeti}));
}

TEST(SearchNavData, CacheIsCreatedByTheFirstScanEvenWhenNothingIsFound) {
    NavFolder nav;
    const NavSearchResult result = nav.search("NOWHERE");
    EXPECT_EQ(result.error, NavSearchError::None);
    EXPECT_TRUE(result.records.empty());
    ASSERT_TRUE(std::filesystem::exists(nav.cache()));
    EXPECT_EQ(ReadBytes(nav.cache()), "");

    // Records of later searches follow one another.
    nav.search("TORNO");
    nav.search("BKS");
    EXPECT_EQ(ReadBytes(nav.cache()),
              CacheLines({"TORNO|47539776|18292444|LH   -   [INTERSECTION]",
                          "BKS|46672222|21160000|BEKESCSABA - LH   -   [VOR]"}));
}

TEST(SearchNavData, MatchesField0Exactly) {
    NavFolder nav;
    for (const char* identifier : {"abeti", "ABETI ", " ABETI", "ABET", "ABETI|46720000", ""}) {
        const NavSearchResult result = nav.search(identifier);
        EXPECT_EQ(result.error, NavSearchError::None) << identifier;
        EXPECT_TRUE(result.records.empty()) << identifier;
    }
    EXPECT_EQ(ReadBytes(nav.cache()), "");
}

TEST(SearchNavData, CachePassStopsQuietlyAtAnUnreadableLine) {
    struct Case {
        const char* cache;
        Records records;
    };
    const Case cases[] = {
        // A matching record without coordinates ends the pass after what it found.
        {"KOVEK|1|2|A\r\nKOVEK|3\r\nKOVEK|5|6|C\r\n", {"KOVEK|1|2|A"}},
        // An empty line too.
        {"KOVEK|1|2|A\r\n\r\nKOVEK|5|6|C\r\n", {"KOVEK|1|2|A"}},
        // A non-matching line needs no coordinates; a later record replaces one at its place.
        {"X\r\nKOVEK|1|2|A\r\nKOVEK|1|2|B\r\nKOVEK|1|3|C\r\n", {"KOVEK|1|2|B", "KOVEK|1|3|C"}},
    };
    for (const Case& c : cases) {
        NavFolder nav(nullptr, nullptr);
        nav.folder.write("cache.dat", c.cache);
        const NavSearchResult result = nav.search("KOVEK");
        EXPECT_EQ(result.error, NavSearchError::None) << c.cache;
        EXPECT_EQ(result.records, c.records) << c.cache;
    }
    // Nothing found before the stop: the search scans the navigation files.
    NavFolder nav;
    nav.folder.write("cache.dat", "\r\nKOVEK|1|2|A\r\n");
    EXPECT_EQ(nav.search("KOVEK").records, (Records{kKovekNdb, kOtherNdb}));
}

TEST(SearchNavData, FailedSearchKeepsItsLinesAndLeavesTheCacheAsItWas) {
    struct Case {
        const char* name;
        const char* waypoints;  // null: no file
        const char* navaids;
        NavSearchError error;
        Records records;
    };
    const Case cases[] = {
        {"no waypoints file", nullptr, kNavaids, NavSearchError::Waypoints, {}},
        {"empty waypoints line",
         "KOVEK|47000000|19000000|LH\r\n\r\nKOVEK|1|2\r\n",
         kNavaids,
         NavSearchError::Waypoints,
         {kKovekIntersection}},
        {"no navaids file", kWaypoints, nullptr, NavSearchError::Navaids, {kKovekIntersection}},
        {"empty navaids line",
         kWaypoints,
         "\r\nKOVEK|A|1|1|1|1|1|1|1|LH\r\n",
         NavSearchError::Navaids,
         {kKovekIntersection}},
        {"short matching navaid",
         kWaypoints,
         "KOVEK|A|1|1|1|1|1|1|1\r\n",
         NavSearchError::Navaids,
         {kKovekIntersection}},
        {"listed line without coordinates",
         "KOVEK|47000000\r\n",
         kNavaids,
         NavSearchError::Navaids,
         {"KOVEK|47000000   -   [INTERSECTION]"}},
    };
    for (const Case& c : cases) {
        for (bool cacheExists : {false, true}) {
            NavFolder nav(c.waypoints, c.navaids);
            const std::string former = "ABETI|1|2|X\r\n";
            if (cacheExists) {
                nav.folder.write("cache.dat", former);
            }
            const NavSearchResult result = nav.search("KOVEK");
            EXPECT_EQ(result.error, c.error) << c.name;
            EXPECT_EQ(result.records, c.records) << c.name;
            EXPECT_EQ(std::filesystem::exists(nav.cache()), cacheExists) << c.name;
            if (cacheExists) {
                EXPECT_EQ(ReadBytes(nav.cache()), former) << c.name;
            }
        }
    }
}

TEST(SearchNavData, ANonMatchingShortNavaidLineIsNoError) {
    NavFolder nav(kWaypoints, "BKS|BEKESCSABA\r\nKOVEK|KOVEK NDB|387.0|2|0|40|1|2|300|LH");
    const NavSearchResult result = nav.search("KOVEK");
    EXPECT_EQ(result.error, NavSearchError::None);
    EXPECT_EQ(result.records,
              (Records{kKovekIntersection, "KOVEK|1|2|KOVEK NDB - LH   -   [NDB]"}));
}

TEST(SearchNavData, ObserverSeesEveryChangeAsItHappens) {
    NavFolder nav;
    Records shown;
    int batches = 0;
    NavSearchObserver observer;
    observer.added = [&shown](const std::string& record) { shown.push_back(record); };
    observer.removed = [&shown](std::size_t index) {
        shown.erase(shown.begin() + static_cast<std::ptrdiff_t>(index));
    };
    observer.betweenLines = [&batches] { ++batches; };

    // A long waypoints file, so that the scan reports batches of lines.
    std::string waypoints = kWaypoints;
    for (int i = 0; i < 5000; ++i) {
        waypoints += 'W';
        waypoints += std::to_string(i);
        waypoints += "|1|2|XX\r\n";
    }
    nav.folder.write("waypoints.txt", waypoints);
    Records seenAtFirstRemoval;
    observer.removed = [&](std::size_t index) {
        if (seenAtFirstRemoval.empty()) {
            seenAtFirstRemoval = shown;
        }
        shown.erase(shown.begin() + static_cast<std::ptrdiff_t>(index));
    };
    const NavSearchResult result = SearchNavData(nav.folder.path(), "KOVEK", observer);
    EXPECT_EQ(seenAtFirstRemoval, (Records{kKovekIntersection}));
    EXPECT_EQ(shown, result.records);
    EXPECT_GE(batches, 4);
}

TEST(SearchNavData, ACacheThatCannotBeWrittenIsNamed) {
    NavFolder nav;
    std::filesystem::create_directories(nav.cache() / "inside");
    const NavSearchResult result = nav.search("KOVEK");
    EXPECT_EQ(result.error, NavSearchError::Cache);
    EXPECT_TRUE(result.records.empty());
    EXPECT_TRUE(std::filesystem::is_directory(nav.cache() / "inside"));
    EXPECT_EQ(NavSearchErrorText(NavSearchError::Cache),
              "Error with opening or writing the search cache file CACHE.DAT");

    // Nor can a folder in the cache's place be emptied.
    EXPECT_FALSE(EmptySearchCache(nav.folder.path()));
    EXPECT_TRUE(std::filesystem::is_directory(nav.cache() / "inside"));
}

TEST(EmptySearchCache, DeletesTheCacheAndIgnoresAMissingOne) {
    NavFolder nav;
    nav.search("KOVEK");
    ASSERT_TRUE(std::filesystem::exists(nav.cache()));
    EXPECT_TRUE(EmptySearchCache(nav.folder.path()));
    EXPECT_FALSE(std::filesystem::exists(nav.cache()));
    EXPECT_TRUE(EmptySearchCache(nav.folder.path()));
    EXPECT_FALSE(std::filesystem::exists(nav.cache()));
    // The next search scans again and finds the navaids.
    EXPECT_EQ(nav.search("KOVEK").records, (Records{kKovekNdb, kOtherNdb}));
}

TEST(NavSearchErrorText, NamesTheFile) {
    EXPECT_EQ(NavSearchErrorText(NavSearchError::Waypoints),
              "Error with opening or reading information from WAYPOINTS.TXT");
    EXPECT_EQ(NavSearchErrorText(NavSearchError::Navaids),
              "Error with opening or reading information from NAVAIDS.TXT");
}

}  // namespace
}  // namespace vantrel

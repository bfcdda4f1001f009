// Waypoint finder over world-size navigation data: 300,000 waypoints and 12,000 navaids in the
// shapes of vasFMC's files, identifiers repeated across regions as in the real data. Prints, all
// measured in this run: a search that scans the files and the same search from the editor window
// against one sequential scan of the same two files by grep -F for the same identifier, with the
// ratio of each to grep (goals: within 1.5 for the search, within 2 from the window); a search
// answered from a cache of 10,000 records (goal: under 5 ms); the process's peak memory (goal:
// under 64 MB); and the longest gap between processed event batches in the window during its
// search (goal: under 50 ms).
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include "editor_window.h"
#include "goals.h"
#include "launcher_window.h"
#include "measure.h"
#include "nav_search.h"
#include "scripted_prompts.h"
#include "search_cache.h"

extern char** environ;

namespace {

using namespace vantrel::bench;

constexpr int kWaypoints = 300000;
constexpr int kNavaids = 12000;
constexpr int kCacheRecords = 10000;
constexpr int kRuns = 7;
constexpr Goal kScanGoal{"scan_to_grep_ratio", 1.5, ""};
constexpr Goal kWindowGoal{"window_to_grep_ratio", 2, ""};
constexpr Goal kCacheGoal{"cache_search_ms", 5, "ms"};
constexpr Goal kMemoryGoal{"peak_memory_mb", 64, "MB"};
constexpr Goal kGapGoal{"longest_gap_ms", 50, "ms"};
// Found twice in waypoints.txt and twice in navaids.txt, once at a waypoint's place.
constexpr const char* kIdentifier = "KOVEK";

const char* const kRegions[] = {"LH", "LO", "ED", "LF", "EG", "K1", "K2", "K3", "K4", "RJ",
                                "ZB", "YM", "SB", "FA", "UU", "CY", "LE", "LI", "EP", "LK"};

std::string Letters(std::mt19937& random, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += static_cast<char>('A' + random() % 26);
    }
    return text;
}

// Degrees times 1,000,000, sometimes with the leading zero that the data carries.
std::string Coordinate(std::mt19937& random, int maxDegrees) {
    const long value = static_cast<long>(random() % (2L * maxDegrees * 1000000)) -
                       static_cast<long>(maxDegrees) * 1000000;
    char text[24];
    std::snprintf(text, sizeof text, random() % 8 == 0 ? "%08ld" : "%ld", value);
    return text;
}

struct NavData {
    std::uintmax_t bytes = 0;
};

NavData WriteNavData(const std::filesystem::path& folder) {
    std::mt19937 random(20261209);
    NavData data;
    std::string waypoints;
    // A fifth of the identifiers come again in other regions.
    std::vector<std::string> names;
    for (int i = 0; i < kWaypoints; ++i) {
        std::string name = i % 5 == 4 && !names.empty() ? names[random() % names.size()]
                                                        : Letters(random, random() % 6 ? 5 : 3);
        if (name == kIdentifier) {
            name = "KOVEX";
        }
        names.push_back(name);
        waypoints += name + "|" + Coordinate(random, 90) + "|" + Coordinate(random, 180) + "|" +
                     kRegions[random() % std::size(kRegions)] + "\r\n";
        if (i == kWaypoints / 3) {
            waypoints += std::string(kIdentifier) + "|47000000|19000000|LH\r\n";
        } else if (i == 2 * kWaypoints / 3) {
            waypoints += std::string(kIdentifier) + "|-33950000|151180000|YM\r\n";
        }
    }
    std::string navaids;
    for (int i = 0; i < kNavaids; ++i) {
        const bool vor = random() % 3 == 0;
        std::string ident = Letters(random, vor ? 3 : 2 + random() % 2);
        char frequency[16];
        std::snprintf(
            frequency, sizeof frequency, vor ? "%d.%02d" : "%d.0",
            vor ? 108 + static_cast<int>(random() % 10) : 190 + static_cast<int>(random() % 1500),
            static_cast<int>(random() % 20) * 5);
        navaids += ident + "|" + Letters(random, 4 + random() % 9) + " " + Letters(random, 4) +
                   "|" + frequency + "|" + (vor ? "1" : std::to_string(random() % 3 + 2)) + "|" +
                   (vor ? "1" : "0") + "|" + std::to_string(25 + random() % 130) + "|" +
                   Coordinate(random, 90) + "|" + Coordinate(random, 180) + "|" +
                   std::to_string(random() % 4000) + "|" +
                   kRegions[random() % std::size(kRegions)] + "\r\n";
        if (i == kNavaids / 2) {
            navaids +=
                std::string(kIdentifier) + "|KOVEK NDB|387.0|2|0|40|47000000|19000000|300|LH\r\n";
            navaids +=
                std::string(kIdentifier) + "|KOVEK|112.30|1|1|130|60100000|25000000|40|EF\r\n";
        }
    }
    std::ofstream(folder / "waypoints.txt", std::ios::binary) << waypoints;
    std::ofstream(folder / "navaids.txt", std::ios::binary) << navaids;
    data.bytes = waypoints.size() + navaids.size();
    return data;
}

// A cache of earlier searches, the identifier's records among them.
void WriteCache(const std::filesystem::path& folder) {
    std::mt19937 random(7);
    std::string cache;
    for (int i = 0; i < kCacheRecords; ++i) {
        cache += Letters(random, 5) + "|" + Coordinate(random, 90) + "|" + Coordinate(random, 180) +
                 "|LH   -   [INTERSECTION]\r\n";
        if (i == kCacheRecords / 2) {
            cache += std::string(kIdentifier) + "|47000000|19000000|LH   -   [INTERSECTION]\r\n" +
                     kIdentifier + "|47000000|19000000|KOVEK NDB - LH   -   [NDB]\r\n";
        }
    }
    std::ofstream(vantrel::CachePath(folder), std::ios::binary) << cache;
}

// Runs grep -F over the two files with its output discarded; true when it found a line.
bool Grep(const std::filesystem::path& folder) {
    const std::string waypoints = (folder / "waypoints.txt").string();
    const std::string navaids = (folder / "navaids.txt").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    char grep[] = "grep", fixed[] = "-F", end[] = "--";
    std::string identifier = kIdentifier;
    char* argv[] = {grep,
                    fixed,
                    end,
                    identifier.data(),
                    const_cast<char*>(waypoints.c_str()),
                    const_cast<char*>(navaids.c_str()),
                    nullptr};
    pid_t child = 0;
    int status = 1;
    if (posix_spawnp(&child, "grep", &actions, nullptr, argv, environ) == 0) {
        waitpid(child, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
    return status == 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Figures figures(argc, argv);
    const auto folder = std::filesystem::temp_directory_path() / "vantrel-finder-bench";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const NavData data = WriteNavData(folder);

    vantrel::ScriptedPrompts prompts;
    vantrel::AppContext context{folder, prompts};
    vantrel::LauncherWindow launcher(context);
    launcher.show();
    launcher.Command1_Click();
    vantrel::EditorWindow* editor = launcher.editor();
    auto* box = editor->findChild<QComboBox*>("Combo1");
    auto* results = editor->findChild<QListWidget*>("List4");
    box->setEditText(kIdentifier);
    QApplication::processEvents();

    Times grep, scan, window, cached;
    bool grepFound = true;
    std::size_t found = 0;
    qint64 longestGap = 0;
    for (int run = 0; run < kRuns; ++run) {
        Measure(grep, RUSAGE_CHILDREN, [&] { grepFound &= Grep(folder); });
        vantrel::EmptySearchCache(folder);
        Measure(scan, RUSAGE_SELF,
                [&] { found = vantrel::SearchNavData(folder, kIdentifier).records.size(); });
        vantrel::EmptySearchCache(folder);
        Measure(window, RUSAGE_SELF, [&] { editor->Command1_Click(); });
        longestGap = std::max(longestGap, editor->searchLongestGapMs());
    }
    const int listed = results->count();
    WriteCache(folder);
    std::size_t foundInCache = 0;
    for (int run = 0; run < kRuns; ++run) {
        Measure(cached, RUSAGE_SELF,
                [&] { foundInCache = vantrel::SearchNavData(folder, kIdentifier).records.size(); });
    }

    const double grepMs = Median(grep.wall);
    std::printf("finder: %d waypoints, %d navaids, %.1f MB; %s found %zu times (%d listed)\n",
                kWaypoints, kNavaids, static_cast<double>(data.bytes) / 1e6, kIdentifier, found,
                listed);
    std::printf("                                        elapsed      processor   ratio\n");
    std::printf("  grep -F, both files (baseline):   %8.2f ms  %8.2f ms\n", grepMs,
                Median(grep.cpu));
    const auto row = [&](const char* what, const Times& times, const Goal& goal) {
        const double ms = Median(times.wall), ratio = ms / grepMs;
        std::printf("  %-32s %8.2f ms  %8.2f ms  %6.2f (%s)\n", what, ms, Median(times.cpu), ratio,
                    figures.check(goal, ratio).c_str());
    };
    row("search scanning the files:", scan, kScanGoal);
    row("the same from the editor window:", window, kWindowGoal);
    const double cachedMs = Median(cached.wall);
    std::printf("  search from a %d-record cache: %8.2f ms (%s), %zu found\n", kCacheRecords,
                cachedMs, figures.check(kCacheGoal, cachedMs).c_str(), foundInCache);
    const double peakMb = PeakMemoryMb();
    std::printf("  peak memory of the process:       %8.1f MB (%s)\n", peakMb,
                figures.check(kMemoryGoal, peakMb).c_str());
    const auto gap = static_cast<double>(longestGap);
    std::printf("  longest gap between event batches: %6.0f ms (%s)\n", gap,
                figures.check(kGapGoal, gap).c_str());
    std::printf("  (times are medians of %d runs)\n", kRuns);
    figures.print();
    std::filesystem::remove_all(folder);
    return grepFound && found == 3 && listed == 3 && foundInCache == 1 ? 0 : 1;
}

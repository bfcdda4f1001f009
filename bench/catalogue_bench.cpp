// Airport catalogue of a world-size program folder: 12,000 SID files and 11,000 STAR files, 1,000
// of them for airports without SIDs. Prints the core scan time, the time until the editor window
// shows the filled list, and the longest gap between two processed event batches during the scan
// (goal: under 50 ms).
#include <QApplication>
#include <QListWidget>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "airport_catalogue.h"
#include "editor_window.h"
#include "generated_codes.h"
#include "goals.h"
#include "launcher_window.h"
#include "measure.h"
#include "scripted_prompts.h"

namespace {

using namespace vantrel::bench;

constexpr int kScans = 5;
constexpr Goal kGapGoal{"longest_gap_ms", 50, "ms"};

void Touch(const std::filesystem::path& file) {
    std::ofstream out(file, std::ios::binary);
    out << "\r\nP|ABC1A|27L| |0|0|\r\n";
}

std::filesystem::path MakeProgramFolder() {
    const auto folder = std::filesystem::temp_directory_path() / "vantrel-catalogue-bench";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "sid");
    std::filesystem::create_directories(folder / "star");
    constexpr int kSidAirports = 12000, kStarsOfSidAirports = 10000, kStarOnlyAirports = 1000;
    for (int i = 0; i < kSidAirports; ++i) {
        Touch(folder / "sid" / (GeneratedAirportCode(i) + ".txt"));
    }
    for (int i = 0; i < kStarsOfSidAirports; ++i) {
        Touch(folder / "star" / (GeneratedAirportCode(i) + ".txt"));
    }
    for (int i = 0; i < kStarOnlyAirports; ++i) {
        Touch(folder / "star" / (GeneratedAirportCode(kSidAirports + i) + ".txt"));
    }
    return folder;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Figures figures(argc, argv);
    const auto folder = MakeProgramFolder();

    std::vector<double> scans;
    std::size_t airports = 0;
    for (int run = 0; run < kScans; ++run) {
        const auto start = Clock::now();
        airports = vantrel::LoadAirportList(folder).size();
        scans.push_back(MillisecondsSince(start));
    }

    vantrel::ScriptedPrompts prompts;
    vantrel::AppContext context{folder, prompts};
    vantrel::LauncherWindow launcher(context);
    launcher.show();
    QApplication::processEvents();
    const auto start = Clock::now();
    launcher.Command1_Click();
    vantrel::EditorWindow* editor = launcher.editor();
    QApplication::processEvents();
    const double untilShown = MillisecondsSince(start);
    const int listed = editor->findChild<QListWidget*>("List1")->count();

    std::printf("catalogue: %zu airports (%d listed in the window)\n", airports, listed);
    std::printf("  core scan:                       %8.1f ms (median of %d, best %.1f ms)\n",
                Median(scans), kScans, *std::min_element(scans.begin(), scans.end()));
    std::printf("  editor window shown with list:   %8.1f ms\n", untilShown);
    const auto gap = static_cast<double>(editor->loadLongestGapMs());
    std::printf("  longest gap between event batches: %6.0f ms (%s)\n", gap,
                figures.check(kGapGoal, gap).c_str());
    figures.print();
    std::filesystem::remove_all(folder);
    return listed == 13000 ? 0 : 1;
}

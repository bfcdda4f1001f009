// Airport catalogue of a world-size program folder: 12,000 SID files and 11,000 STAR files, 1,000
// of them for airports without SIDs. Prints the core scan time, the time until the editor window
// shows the filled list, and the longest gap between two processed event batches during the scan.
#include <QApplication>
#include <QListWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "airport_catalogue.h"
#include "editor_window.h"
#include "generated_codes.h"
#include "launcher_window.h"
#include "scripted_prompts.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

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
    const auto folder = MakeProgramFolder();

    std::vector<double> scans;
    std::size_t airports = 0;
    for (int run = 0; run < 5; ++run) {
        const auto start = Clock::now();
        airports = vantrel::LoadAirportList(folder).size();
        scans.push_back(MillisecondsSince(start));
    }
    std::sort(scans.begin(), scans.end());

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
    std::printf("  core scan:                       %8.1f ms (median of 5, best %.1f ms)\n",
                scans[scans.size() / 2], scans.front());
    std::printf("  editor window shown with list:   %8.1f ms\n", untilShown);
    std::printf("  longest gap between event batches: %6lld ms (goal: under 50 ms)\n",
                static_cast<long long>(editor->loadLongestGapMs()));
    std::filesystem::remove_all(folder);
    return listed == 13000 ? 0 : 1;
}

// FSNavigator conversion of 1,000 generated SID/STAR files of realistic size (4 to 30 SIDs and
// as many STARs of 3 to 9 points each). Prints, all measured in this run and alternating: runs
// of the converter that create the procedure files against cat of the inputs plus cp creating as
// many files of the same sizes; runs that replace the files against cp over as many existing
// files; and the ratio of each to its baseline (goal: within 2). Processor times are printed too,
// as elapsed times vary with the load of a shared machine.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "convert_folder.h"
#include "copy_baselines.h"
#include "generated_codes.h"
#include "goals.h"
#include "measure.h"
#include "times_table.h"

namespace {

using namespace vantrel::bench;

constexpr int kFiles = 1000;
constexpr int kRuns = 9;
constexpr Goal kFirstRunGoal{"first_run_ratio", 2, ""};
constexpr Goal kLaterRunsGoal{"later_runs_ratio", 2, ""};

std::string Coordinate(std::mt19937& random, int degrees) {
    char text[32];
    std::snprintf(text, sizeof text, "%d.%06d", degrees, static_cast<int>(random() % 1000000));
    return text;
}

std::string Point(std::mt19937& random, int number, char type, const std::string& ident) {
    char prefix[8];
    std::snprintf(prefix, sizeof prefix, "%02d=", number);
    return std::string(prefix) + type + ":" + ident + ":" + Coordinate(random, 50) + ":" +
           Coordinate(random, 8) + ":" + std::to_string(random() % 12 * 1000) + ":" +
           (random() % 10 == 0 ? "1" : "0") + "\r\n";
}

std::string FsnavFile(std::mt19937& random, const std::string& code) {
    std::string text = "[Airport]\r\nK=" + code + "\r\n";
    const int sids = 4 + static_cast<int>(random() % 27);
    for (int s = 1; s <= sids; ++s) {
        char header[40];
        std::snprintf(header, sizeof header, "[Sid%03d]\r\nN=SID%02d %dA\r\n", s, s, s % 9);
        text += header;
        text += Point(random, 1, 'R', "25C");
        const int points = 3 + static_cast<int>(random() % 7);
        for (int p = 2; p <= points; ++p) {
            text += Point(random, p, 'W', "FIX" + std::to_string(p));
        }
        text += "\r\n";
    }
    const int stars = 4 + static_cast<int>(random() % 27);
    for (int s = 1; s <= stars; ++s) {
        char header[40];
        std::snprintf(header, sizeof header, "[Star%03d]\r\nN=STAR%02d %dB\r\n", s, s, s % 9);
        text += header;
        const int points = 3 + static_cast<int>(random() % 7);
        for (int p = 1; p < points; ++p) {
            text += Point(random, p, 'V', "NAV" + std::to_string(p));
        }
        text += Point(random, points, 'R', "7L");
        text += "\r\n";
    }
    return text + "[EOF]\r\n";
}

}  // namespace

int main(int argc, char* argv[]) {
    Figures figures(argc, argv);
    const auto base = std::filesystem::temp_directory_path() / "vantrel-converter-bench";
    std::filesystem::remove_all(base);
    const auto folder = base / "program";
    std::filesystem::create_directories(folder);
    std::mt19937 random(20240101);
    std::vector<std::string> names;
    std::uintmax_t bytes = 0;
    const auto writingStart = Clock::now();
    for (int i = 0; i < kFiles; ++i) {
        names.push_back(GeneratedAirportCode(i) + ".ssa");
        const std::string text = FsnavFile(random, GeneratedAirportCode(i));
        std::ofstream(folder / names.back(), std::ios::binary) << text;
        bytes += text.size();
    }
    const double writingMs = MillisecondsSince(writingStart);

    std::size_t converted = 0;
    const auto convert = [&] { converted = vantrel::ConvertFolder(folder, names).converted; };
    // A first run makes the files that the baselines copy.
    convert();
    const std::size_t written = CountProcedureFiles(folder);
    const CopyBaselines baselines(
        "cd " + ShellQuoted(folder.string()) + " && cat -- *.ssa > /dev/null", folder, base);
    // Each round measures, one after the other: cp creating the files, a run creating them in
    // the emptied folders, cp over the files, and a run replacing them.
    Times creating, first, replacing, later;
    bool baselineFailed = false;
    for (int run = 0; run < kRuns; ++run) {
        baselineFailed |= !baselines.measureCreating(creating);
        for (const char* kind : {"sid", "star"}) {
            std::filesystem::remove_all(folder / kind);
        }
        Measure(first, RUSAGE_SELF, convert);
        baselineFailed |= !baselines.measureReplacing(replacing);
        Measure(later, RUSAGE_SELF, convert);
    }

    std::printf("converter: %d FSNavigator files, %.1f MB, %zu converted, %zu procedure files\n",
                kFiles, static_cast<double>(bytes) / 1e6, converted, written);
    PrintTimesHeader();
    PrintBaselineRow("cat + cp creating the files (baseline):", creating);
    PrintRatioRow(figures, "runs creating the files:", first, creating, kFirstRunGoal);
    std::printf("    (for comparison: generating and writing the %d input files took %.1f ms)\n",
                kFiles, writingMs);
    PrintBaselineRow("cp over the files (baseline):", replacing);
    PrintRatioRow(figures, "runs replacing them:", later, replacing, kLaterRunsGoal);
    std::printf("  (times are medians of %d runs)\n", kRuns);
    figures.print();
    std::filesystem::remove_all(base);
    return !baselineFailed && converted == static_cast<std::size_t>(kFiles) ? 0 : 1;
}

// FSNavigator conversion of 1,000 generated SID/STAR files of realistic size (4 to 30 SIDs and
// as many STARs of 3 to 9 points each). Prints the time of the converter's run over them, first
// creating the procedure files and then replacing them, against reading the same files once with
// cat, and the ratio of each to that baseline (goal: within 3 times). Processor times are printed
// too, as elapsed times vary with the load of a shared machine.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "convert_folder.h"
#include "generated_codes.h"
#include "measure.h"

namespace {

using namespace vantrel::bench;

constexpr int kFiles = 1000;
constexpr int kRuns = 9;

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

int main() {
    const auto folder = std::filesystem::temp_directory_path() / "vantrel-converter-bench";
    std::filesystem::remove_all(folder);
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

    const std::string cat = "cd '" + folder.string() + "' && cat -- *.ssa > /dev/null";
    // The first run creates the procedure files, the later ones replace them.
    Times catTimes, firstTimes, convertTimes;
    std::size_t converted = 0;
    bool catFailed = false;
    for (int run = 0; run <= kRuns; ++run) {
        Measure(catTimes, RUSAGE_CHILDREN, [&] { catFailed |= std::system(cat.c_str()) != 0; });
        Measure(run == 0 ? firstTimes : convertTimes, RUSAGE_SELF,
                [&] { converted = vantrel::ConvertFolder(folder, names).converted; });
    }
    const double catMs = Median(catTimes.wall), catCpu = Median(catTimes.cpu);
    std::printf("converter: %d FSNavigator files, %.1f MB, %zu converted\n", kFiles,
                static_cast<double>(bytes) / 1e6, converted);
    std::printf("                                         elapsed       processor   ratio\n");
    std::printf("  cat to /dev/null (baseline, median): %8.1f ms  %8.1f ms\n", catMs, catCpu);
    const auto row = [&](const char* what, double ms, double cpu) {
        std::printf("  %-36s %8.1f ms  %8.1f ms  %6.2f (goal: within 3)\n", what, ms, cpu,
                    ms / catMs);
    };
    row("first run, creating the files:", firstTimes.wall[0], firstTimes.cpu[0]);
    std::printf("    (for comparison: generating and writing the %d input files took %.1f ms)\n",
                kFiles, writingMs);
    row("later runs, replacing them (median):", Median(convertTimes.wall),
        Median(convertTimes.cpu));
    std::filesystem::remove_all(folder);
    return !catFailed && converted == static_cast<std::size_t>(kFiles) ? 0 : 1;
}

// ARINC 424 import of a generated file the size of the FAA's CIFP (FAACIFP18): about 90 MB of
// records, 3,500 airports with SIDs, STARs and approaches, their terminal waypoints, runways and
// reference points, and 60,000 enroute waypoints, 3,000 VORs and 2,000 NDBs. Prints, all measured
// in this run: cat of the file plus cp of as many files as the import writes (the baseline), the
// import's first run creating the procedure files and its later runs replacing them, with their
// ratios to the baseline (goal: within 3), the process's peak memory (goal: under 256 MB), and the
// longest gap between processed event batches in the converter window during its import (goal:
// under 50 ms).
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "arinc_import.h"
#include "converter_window.h"
#include "generated_codes.h"
#include "launcher_window.h"
#include "measure.h"
#include "scripted_prompts.h"

namespace {

using namespace vantrel::bench;

constexpr int kAirports = 3500;
constexpr int kEnrouteWaypoints = 60000;
constexpr int kVors = 3000;
constexpr int kNdbs = 2000;
constexpr int kTerminalWaypoints = 20;
constexpr int kRuns = 3;
const char* const kRunways[] = {"RW04L", "RW04R", "RW13", "RW22L", "RW22R", "RW31"};

// A name of `letters` letters for the index, unique among the indexes below 26^letters.
std::string Name(int index, int letters) {
    std::string name(letters, 'A');
    for (int i = letters - 1; i >= 0; --i) {
        name[i] = static_cast<char>('A' + index % 26);
        index /= 26;
    }
    return name;
}

class Generator {
  public:
    explicit Generator(std::ofstream& out) : out_(out) {}

    // Writes a record of 132 columns with the fields at their first columns, and CR LF.
    void record(std::initializer_list<std::pair<std::size_t, std::string_view>> fields) {
        std::string line(132, ' ');
        line.replace(0, 4, "SUSA");
        for (const auto& [column, text] : fields) {
            line.replace(column - 1, text.size(), text);
        }
        line += "\r\n";
        out_ << line;
        bytes += line.size();
    }

    std::string latitude() {
        char text[16];
        std::snprintf(text, sizeof text, "N%02d%02d%04d", 25 + static_cast<int>(random_() % 24),
                      static_cast<int>(random_() % 60), static_cast<int>(random_() % 6000));
        return text;
    }
    std::string longitude() {
        char text[16];
        std::snprintf(text, sizeof text, "W%03d%02d%04d", 70 + static_cast<int>(random_() % 50),
                      static_cast<int>(random_() % 60), static_cast<int>(random_() % 6000));
        return text;
    }
    int pick(int count) { return static_cast<int>(random_() % count); }

    std::uintmax_t bytes = 0;

  private:
    std::ofstream& out_;
    std::mt19937 random_{20261210};
};

struct LegSpec {
    std::string fix;
    std::string_view record;  // ICAO code, section and subsection of the fix's record
    std::string_view path;
};

void Procedure(Generator& g, const std::string& airport, char subsection, const std::string& id,
               char routeType, std::string_view transition, const std::vector<LegSpec>& legs) {
    const std::string sub(1, subsection), type(1, routeType);
    for (std::size_t i = 0; i < legs.size(); ++i) {
        char sequence[8];
        std::snprintf(sequence, sizeof sequence, "%03zu", (i + 1) * 10);
        g.record({{5, "P"},
                  {7, airport},
                  {11, "K6"},
                  {13, sub},
                  {14, id},
                  {20, type},
                  {21, transition},
                  {27, sequence},
                  {30, legs[i].fix},
                  {35, legs[i].record},
                  {39, "0"},
                  {40, "E   "},
                  {48, legs[i].path},
                  {51, "R"},
                  {83, "04500"}});
    }
}

std::uintmax_t WriteFile(const std::filesystem::path& file) {
    std::ofstream out(file, std::ios::binary);
    Generator g(out);
    g.record({{1, "HDR01FAACIFP18      001P013203754310  10-DEC-202612:00:00"}});
    for (int i = 0; i < kVors; ++i) {
        g.record({{5, "D "},
                  {14, "V" + Name(i, 3)},
                  {20, "K6"},
                  {22, "0"},
                  {23, "11370"},
                  {28, "VDHW "},
                  {33, g.latitude()},
                  {42, g.longitude()}});
    }
    for (int i = 0; i < kNdbs; ++i) {
        g.record({{5, "DB"},
                  {14, "N" + Name(i, 3)},
                  {20, "K6"},
                  {22, "0"},
                  {23, "03320"},
                  {28, "HW   "},
                  {33, g.latitude()},
                  {42, g.longitude()}});
    }
    for (int i = 0; i < kEnrouteWaypoints; ++i) {
        g.record({{5, "EA"},
                  {7, "ENRT"},
                  {11, "K6"},
                  {14, "E" + Name(i, 4)},
                  {20, "K6"},
                  {22, "0"},
                  {27, "W  "},
                  {33, g.latitude()},
                  {42, g.longitude()}});
    }
    for (int a = 0; a < kAirports; ++a) {
        const std::string airport = GeneratedAirportCode(a);
        g.record({{5, "P"},
                  {7, airport},
                  {11, "K6"},
                  {13, "A"},
                  {22, "0"},
                  {33, g.latitude()},
                  {42, g.longitude()}});
        for (int t = 0; t < kTerminalWaypoints; ++t) {
            g.record({{5, "P"},
                      {7, airport},
                      {11, "K6"},
                      {13, "C"},
                      {14, "T" + Name(t, 4)},
                      {20, "K6"},
                      {22, "0"},
                      {33, g.latitude()},
                      {42, g.longitude()}});
        }
        const auto terminal = [&] {
            return LegSpec{"T" + Name(g.pick(kTerminalWaypoints), 4), "K6PC", "TF"};
        };
        const auto enroute = [&] {
            return LegSpec{"E" + Name(g.pick(kEnrouteWaypoints), 4), "K6EA", "TF"};
        };
        const auto vor = [&] { return LegSpec{"V" + Name(g.pick(kVors), 3), "K6D ", "TF"}; };
        const auto ndb = [&] { return LegSpec{"N" + Name(g.pick(kNdbs), 3), "K6DB", "TF"}; };
        for (int s = 0; s < 3; ++s) {
            const std::string id = "D" + Name(a * 3 + s, 4).substr(1) + std::to_string(s + 1);
            for (const char* runway : {"RW04B", "RW13", "RW22L"}) {
                Procedure(g, airport, 'D', id, '4', runway,
                          {{"", "    ", "CA"}, terminal(), terminal(), terminal()});
            }
            const LegSpec last = vor();
            Procedure(g, airport, 'D', id, '5', "", {terminal(), enroute(), last});
            for (int e = 0; e < 2; ++e) {
                LegSpec first = last;
                first.path = "IF";
                Procedure(g, airport, 'D', id, '6', "E" + Name(e, 4), {first, enroute(), ndb()});
            }
        }
        for (int s = 0; s < 3; ++s) {
            const std::string id = "A" + Name(a * 3 + s, 4).substr(1) + std::to_string(s + 1);
            for (int e = 0; e < 2; ++e) {
                Procedure(g, airport, 'E', id, '4', "E" + Name(e + 2, 4),
                          {enroute(), enroute(), ndb()});
            }
            Procedure(g, airport, 'E', id, '5', "", {ndb(), terminal(), vor()});
            for (const char* runway : {"RW13", "RW22L", "RW31"}) {
                Procedure(g, airport, 'E', id, '6', runway,
                          {terminal(), terminal(), terminal(), {"", "    ", "VM"}});
            }
        }
        for (int p = 0; p < 2; ++p) {
            std::vector<LegSpec> legs;
            for (int l = 0; l < 12; ++l) {
                legs.push_back(terminal());
            }
            Procedure(g, airport, 'F', p == 0 ? "I04L" : "R22R", p == 0 ? 'I' : 'R', "", legs);
        }
        for (const char* runway : kRunways) {
            g.record({{5, "P"},
                      {7, airport},
                      {11, "K6"},
                      {13, "G"},
                      {14, runway},
                      {22, "0"},
                      {23, "12000"},
                      {33, g.latitude()},
                      {42, g.longitude()}});
        }
    }
    return g.bytes;
}

long PeakMemoryKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

std::size_t CountFiles(const std::filesystem::path& folder) {
    std::size_t files = 0;
    for (const char* kind : {"sid", "star"}) {
        for ([[maybe_unused]] const auto& entry :
             std::filesystem::directory_iterator(folder / kind)) {
            ++files;
        }
    }
    return files;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const auto base = std::filesystem::temp_directory_path() / "vantrel-arinc-bench";
    std::filesystem::remove_all(base);
    const auto folder = base / "program";
    std::filesystem::create_directories(folder);
    const auto input = base / "FAACIFP18";
    const std::uintmax_t bytes = WriteFile(input);
    const long generatedKb = PeakMemoryKb();

    vantrel::ImportOptions options;
    options.replace = true;
    Times first, later;
    vantrel::ImportReport report;
    Measure(first, RUSAGE_SELF, [&] { report = vantrel::ImportArinc(folder, input, options); });
    const std::size_t files = CountFiles(folder);
    const long importKb = PeakMemoryKb();

    // The baseline reads the file once and copies as many files as the import writes.
    const std::string baseline =
        "cat '" + input.string() + "' > /dev/null && rm -rf '" + (base / "copy").string() +
        "' && mkdir '" + (base / "copy").string() + "' && cp -R '" + (folder / "sid").string() +
        "' '" + (folder / "star").string() + "' '" + (base / "copy").string() + "'";
    Times cat;
    bool baselineFailed = false;
    for (int run = 0; run < kRuns; ++run) {
        Measure(cat, RUSAGE_CHILDREN,
                [&] { baselineFailed |= std::system(baseline.c_str()) != 0; });
        Measure(later, RUSAGE_SELF, [&] { report = vantrel::ImportArinc(folder, input, options); });
    }

    vantrel::ScriptedPrompts prompts;
    vantrel::AppContext context{folder, prompts};
    vantrel::LauncherWindow launcher(context);
    launcher.show();
    launcher.Command2_Click();
    vantrel::ConverterWindow* window = launcher.converter();
    QApplication::processEvents();
    prompts.answerOpenFile(QString::fromStdString(input.string()));
    prompts.answerInput("ALL");
    prompts.answerMessage(vantrel::PromptAnswer::Yes);
    Times windowTimes;
    Measure(windowTimes, RUSAGE_SELF, [&] { window->Command3_Click(); });

    const double baselineMs = Median(cat.wall);
    std::printf(
        "arinc import: %.1f MB of records, %d airports; %zu airports and %zu procedures "
        "written, %zu files\n",
        static_cast<double>(bytes) / 1e6, kAirports, report.airportsWritten,
        report.proceduresWritten, files);
    std::printf("                                         elapsed      processor   ratio\n");
    std::printf("  cat of the file + cp of %zu files:  %8.1f ms  %8.1f ms\n", files, baselineMs,
                Median(cat.cpu));
    const auto row = [&](const char* what, double ms, double cpu) {
        std::printf("  %-36s %8.1f ms  %8.1f ms  %6.2f (goal: within 3)\n", what, ms, cpu,
                    ms / baselineMs);
    };
    row("first import, creating the files:", first.wall[0], first.cpu[0]);
    row("later imports, replacing (median):", Median(later.wall), Median(later.cpu));
    row("the same from the converter window:", windowTimes.wall[0], windowTimes.cpu[0]);
    std::printf(
        "  peak memory of the process:        %8.1f MB (goal: under 256 MB; %.1f MB "
        "after generating the file, %.1f MB after the first import)\n",
        static_cast<double>(PeakMemoryKb()) / 1024, static_cast<double>(generatedKb) / 1024,
        static_cast<double>(importKb) / 1024);
    std::printf("  longest gap between event batches:  %6lld ms (goal: under 50 ms)\n",
                static_cast<long long>(window->importLongestGapMs()));
    std::printf("  (baseline and later imports are medians of %d runs)\n", kRuns);
    std::filesystem::remove_all(base);
    return !baselineFailed && report.fileRead && !report.skippedAnything() &&
                   report.airportsWritten == static_cast<std::size_t>(kAirports)
               ? 0
               : 1;
}

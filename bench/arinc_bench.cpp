// ARINC 424 import of a generated file the size of the FAA's CIFP (FAACIFP18): about 90 MB of
// records, 3,500 airports with SIDs, STARs and approaches, their terminal waypoints, runways and
// reference points, and 60,000 enroute waypoints, 3,000 VORs and 2,000 NDBs. Prints, all measured
// in this run and alternating: imports that create the procedure files against cat of the file
// plus cp creating as many files of the same sizes; imports that replace the files, from the core
// and from the converter window, against cp over as many existing files; the ratio of each to its
// baseline (goal: within 2), the process's peak memory (goal: under 256 MB), and the longest gap
// between processed event batches in the converter window during an import, the median over the
// runs (goal: under 50 ms).
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
#include "copy_baselines.h"
#include "generated_codes.h"
#include "goals.h"
#include "launcher_window.h"
#include "measure.h"
#include "scripted_prompts.h"
#include "times_table.h"

namespace {

using namespace vantrel::bench;

constexpr int kAirports = 3500;
constexpr int kEnrouteWaypoints = 60000;
constexpr int kVors = 3000;
constexpr int kNdbs = 2000;
constexpr int kTerminalWaypoints = 20;
constexpr int kRuns = 3;
constexpr Goal kFirstRunGoal{"first_run_ratio", 2, ""};
constexpr Goal kLaterRunsGoal{"later_runs_ratio", 2, ""};
constexpr Goal kWindowRunGoal{"window_run_ratio", 2, ""};
constexpr Goal kMemoryGoal{"peak_memory_mb", 256, "MB"};
constexpr Goal kGapGoal{"longest_gap_ms", 50, "ms"};
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

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Figures figures(argc, argv);
    const auto base = std::filesystem::temp_directory_path() / "vantrel-arinc-bench";
    std::filesystem::remove_all(base);
    const auto folder = base / "program";
    std::filesystem::create_directories(folder);
    const auto input = base / "FAACIFP18";
    const std::uintmax_t bytes = WriteFile(input);
    const double generatedMb = PeakMemoryMb();

    vantrel::ImportOptions options;
    options.replace = true;
    vantrel::ImportReport report;
    const auto import = [&] { report = vantrel::ImportArinc(folder, input, options); };
    // A first import makes the files that the baselines copy.
    import();
    const std::size_t files = CountProcedureFiles(folder);
    const double importMb = PeakMemoryMb();
    const CopyBaselines baselines("cat " + ShellQuoted(input.string()) + " > /dev/null", folder,
                                  base);

    vantrel::ScriptedPrompts prompts;
    vantrel::AppContext context{folder, prompts};
    vantrel::LauncherWindow launcher(context);
    launcher.show();
    launcher.Command2_Click();
    vantrel::ConverterWindow* window = launcher.converter();
    QApplication::processEvents();

    // Each round measures, one after the other: cp creating the files, an import creating them
    // in the emptied folders, cp over the files, an import replacing them, cp over the files
    // again, and an import from the converter window, which replaces them too. Every import
    // that replaces files thus follows a baseline, as a replacing run that follows another one
    // waits for the disk writes that the first one started.
    Times creating, first, replacing, later, windowTimes;
    bool baselineFailed = false;
    std::vector<double> longestGaps;
    for (int run = 0; run < kRuns; ++run) {
        baselineFailed |= !baselines.measureCreating(creating);
        for (const char* kind : {"sid", "star"}) {
            std::filesystem::remove_all(folder / kind);
        }
        Measure(first, RUSAGE_SELF, import);
        baselineFailed |= !baselines.measureReplacing(replacing);
        Measure(later, RUSAGE_SELF, import);
        baselineFailed |= !baselines.measureReplacing(replacing);
        prompts.answerOpenFile(QString::fromStdString(input.string()));
        prompts.answerInput("ALL");
        prompts.answerMessage(vantrel::PromptAnswer::Yes);
        Measure(windowTimes, RUSAGE_SELF, [&] { window->Command3_Click(); });
        longestGaps.push_back(static_cast<double>(window->importLongestGapMs()));
    }

    std::printf(
        "arinc import: %.1f MB of records, %d airports; %zu airports and %zu procedures "
        "written, %zu files\n",
        static_cast<double>(bytes) / 1e6, kAirports, report.airportsWritten,
        report.proceduresWritten, files);
    PrintTimesHeader();
    PrintBaselineRow("cat + cp creating the files (baseline):", creating);
    PrintRatioRow(figures, "imports creating the files:", first, creating, kFirstRunGoal);
    PrintBaselineRow("cp over the files (baseline):", replacing);
    PrintRatioRow(figures, "imports replacing them:", later, replacing, kLaterRunsGoal);
    PrintRatioRow(figures, "the same from the converter window:", windowTimes, replacing,
                  kWindowRunGoal);
    const double peakMb = PeakMemoryMb();
    std::printf(
        "  %-40s %8.1f MB (%s; %.1f MB after generating the file, %.1f MB after the first "
        "import)\n",
        "peak memory of the process:", peakMb, figures.check(kMemoryGoal, peakMb).c_str(),
        generatedMb, importMb);
    // A single write that waits for the disk stops the window for its whole length: the median
    // over the runs tells the window's own pace.
    const double gap = Median(longestGaps);
    std::printf("  %-40s %8.0f ms (%s)\n", "longest gap between event batches:", gap,
                figures.check(kGapGoal, gap).c_str());
    std::printf("  (times are medians of %d runs)\n", kRuns);
    figures.print();
    std::filesystem::remove_all(base);
    return !baselineFailed && report.fileRead && !report.skippedAnything() &&
                   report.airportsWritten == static_cast<std::size_t>(kAirports)
               ? 0
               : 1;
}

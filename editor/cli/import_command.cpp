// vantrel-cli import [--replace] [--no-transitions] FILE [AIRPORT...]: the ARINC 424 import of
// the converter window, with its report.
#include <iostream>
#include <string>
#include <vector>

#include "airport_edits.h"
#include "arinc_import.h"
#include "commands.h"
#include "exit_status.h"
#include "import_report_text.h"
#include "progress_line.h"
#include "usage.h"

namespace vantrel::cli {

int RunImport(const CommandLine& line, const std::filesystem::path& programFolder) {
    if (line.arguments.empty()) {
        return WrongUsage("import", "no ARINC 424 file given");
    }
    const std::filesystem::path file = line.arguments.front();
    ImportOptions options;
    options.airports.assign(line.arguments.begin() + 1, line.arguments.end());
    for (const std::string& airport : options.airports) {
        // A named code becomes a path: it must not lead out of the sid and star folders.
        if (const auto unsafe = UnsafeFileNamePart(airport); unsafe || airport.empty()) {
            return WrongUsage("import", "\"" + airport + "\" is not an airport code" +
                                            (unsafe ? ": it holds " + *unsafe : std::string()));
        }
    }
    options.replace = line.replace;
    options.enrouteTransitions = !line.noTransitions;

    ProgressLine progress;
    ImportObserver observer;
    observer.reading = [&](std::uintmax_t read, std::uintmax_t size) {
        progress.show("reading " + file.filename().string() + ": " +
                      std::to_string(size == 0 ? 100 : read * 100 / size) + "%");
    };
    observer.writing = [&](std::string_view airport, std::size_t done, std::size_t airports) {
        if (!airport.empty()) {
            progress.show(done + 1, airports, airport);
        }
    };
    const ImportReport report = ImportArinc(programFolder, file, options, observer);
    progress.clear();

    const std::vector<std::string> lines = ImportReportLines(report, programFolder, file.string());
    if (!report.fileRead || !report.recordsFound) {
        PrintError("import", lines.front());
        return kError;
    }
    for (const std::string& text : lines) {
        std::cout << text << '\n';
    }
    std::cout.flush();
    return report.skippedAnything() ? kFindings : kSuccess;
}

}  // namespace vantrel::cli

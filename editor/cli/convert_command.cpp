// vantrel-cli convert [NAME...]: the FSNavigator conversion of the converter window, with its
// report of skipped files.
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "conversion_report_text.h"
#include "convert_folder.h"
#include "exit_status.h"
#include "folder_listing.h"
#include "progress_line.h"
#include "usage.h"

namespace vantrel::cli {

int RunConvert(const CommandLine& line, const std::filesystem::path& programFolder) {
    for (const std::string& name : line.arguments) {
        // The files are read from the program folder, as the converter window lists them.
        if (name.empty() || name.find_first_of("/\\") != std::string::npos) {
            return WrongUsage("convert",
                              "\"" + name + "\" is not a file name in the program folder");
        }
    }
    const std::vector<std::string> names =
        line.arguments.empty() ? OrdinaryFileNames(programFolder) : line.arguments;

    ProgressLine progress;
    std::size_t done = 0;
    std::string current;
    ConversionObserver observer;
    observer.fileStarted = [&](std::string_view name) {
        current = name;
        progress.show(done + 1, names.size(), current);
    };
    observer.airportStarted = [&](std::string_view code) {
        progress.show(done + 1, names.size(), current + " (" + std::string(code) + ")");
    };
    observer.nameDone = [&] { ++done; };
    const ConversionReport report = ConvertFolder(programFolder, names, observer);
    progress.clear();

    std::cout << ConversionSummary(report) << '\n';
    for (const SkippedFile& skipped : report.skipped) {
        std::cout << SkippedFileLine(skipped, programFolder) << '\n';
    }
    return report.skipped.empty() ? kSuccess : kFindings;
}

}  // namespace vantrel::cli

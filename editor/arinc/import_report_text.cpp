#include "import_report_text.h"

namespace vantrel {
namespace {

std::string Count(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// The codes separated by commas, the first ten of them.
std::string CodeList(const std::vector<std::string>& codes) {
    constexpr std::size_t kShown = 10;
    std::string list;
    for (std::size_t i = 0; i < codes.size() && i < kShown; ++i) {
        list += (i == 0 ? "" : ", ") + codes[i];
    }
    if (codes.size() > kShown) {
        list += " and " + std::to_string(codes.size() - kShown) + " more";
    }
    return list;
}

}  // namespace

std::vector<std::string> ImportReportLines(const ImportReport& report,
                                           const std::filesystem::path& programFolder,
                                           const std::string& fileName) {
    if (!report.fileRead) {
        return {fileName + " cannot be read."};
    }
    if (!report.recordsFound) {
        return {fileName + " holds no ARINC 424 procedure or fix records."};
    }
    std::vector<std::string> lines;
    lines.push_back(Count(report.airportsWritten, "airport", "airports") + " written with " +
                    Count(report.proceduresWritten, "procedure", "procedures") + ".");
    if (!report.airportsWithFiles.empty()) {
        const std::size_t count = report.airportsWithFiles.size();
        lines.push_back(Count(count, "airport", "airports") + " skipped, as " +
                        (count == 1 ? "it has" : "they have") +
                        " procedure files: " + CodeList(report.airportsWithFiles));
    }
    if (report.proceduresSkipped > 0) {
        lines.push_back(Count(report.proceduresSkipped, "procedure", "procedures") + " skipped:");
        lines.insert(lines.end(), report.skipReasons.begin(), report.skipReasons.end());
        if (report.proceduresSkipped > report.skipReasons.size()) {
            lines.push_back("... and " +
                            std::to_string(report.proceduresSkipped - report.skipReasons.size()) +
                            " more");
        }
    }
    if (!report.airportsNotInFile.empty()) {
        lines.push_back("Not in the file with SIDs or STARs: " +
                        CodeList(report.airportsNotInFile));
    }
    for (const std::filesystem::path& file : report.notWritten) {
        lines.push_back(file.lexically_relative(programFolder).generic_string() +
                        " cannot be written");
    }
    return lines;
}

}  // namespace vantrel

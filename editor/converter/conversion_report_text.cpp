#include "conversion_report_text.h"

namespace vantrel {
namespace {

std::string Files(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " file" : " files");
}

}  // namespace

std::string ConversionSummary(const ConversionReport& report) {
    std::string summary = Files(report.converted) + " converted";
    if (report.skipped.empty()) {
        return summary + ".";
    }
    return summary + ", " + Files(report.skipped.size()) + " skipped:";
}

std::string SkippedFileLine(const SkippedFile& skipped,
                            const std::filesystem::path& programFolder) {
    if (skipped.reason == FileOutcome::NoRunwayPoint) {
        return skipped.fileName + ": STAR " + skipped.starWithoutRunway + " has no runway point";
    }
    if (skipped.notWritten.empty()) {
        return skipped.fileName + ": " + std::string(OutcomeText(skipped.reason));
    }
    std::string files;
    for (const std::filesystem::path& file : skipped.notWritten) {
        files +=
            (files.empty() ? "" : ", ") + file.lexically_relative(programFolder).generic_string();
    }
    if (skipped.reason == FileOutcome::ReadOnly) {
        return skipped.fileName + ": " + files +
               (skipped.notWritten.size() == 1 ? " is read-only" : " are read-only");
    }
    return skipped.fileName + ": " + files + " cannot be written";
}

}  // namespace vantrel

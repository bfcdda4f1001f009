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

std::string SkippedFileLine(const SkippedFile& skipped) {
    return skipped.fileName + ": " + std::string(OutcomeText(skipped.reason));
}

}  // namespace vantrel

#include "convert_folder.h"

#include "convert_file.h"
#include "procedure_kind.h"

namespace vantrel {

ConversionReport ConvertFolder(const std::filesystem::path& programFolder,
                               const std::vector<std::string>& fileNames,
                               const ConversionObserver& observer) {
    for (const ProcedureKind kind : {ProcedureKind::Sid, ProcedureKind::Star}) {
        // A folder that exists already, or cannot be made, is no reason to stop: every file
        // then reports whether its procedures could be written.
        std::error_code ignored;
        std::filesystem::create_directory(programFolder / FolderName(kind), ignored);
    }
    ConversionReport report;
    std::vector<std::filesystem::path> notWritten;
    std::string starWithoutRunway;
    ConversionObserver perFile = observer;
    perFile.notWritten = [&notWritten, &observer](const std::filesystem::path& file) {
        notWritten.push_back(file);
        if (observer.notWritten) {
            observer.notWritten(file);
        }
    };
    perFile.runwayPointMissing = [&starWithoutRunway, &observer](std::string_view star) {
        starWithoutRunway = star;
        if (observer.runwayPointMissing) {
            observer.runwayPointMissing(star);
        }
    };
    for (const std::string& name : fileNames) {
        if (name.find(".ss") != std::string::npos) {
            notWritten.clear();
            starWithoutRunway.clear();
            const FileOutcome outcome = ConvertFile(programFolder, name, perFile);
            if (outcome == FileOutcome::Converted) {
                ++report.converted;
            } else {
                report.skipped.push_back({name, outcome, notWritten, starWithoutRunway});
            }
        }
        if (observer.nameDone) {
            observer.nameDone();
        }
    }
    return report;
}

}  // namespace vantrel

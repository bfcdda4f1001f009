// One conversion run over the file names of the program folder: every name that contains ".ss"
// is an FSNavigator SID/STAR file to convert.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "conversion_observer.h"
#include "file_outcome.h"

namespace vantrel {

struct SkippedFile {
    std::string fileName;
    FileOutcome reason;
    std::vector<std::filesystem::path> notWritten;  // files that cannot be written or are read-only
    std::string starWithoutRunway = {};             // the STAR that has no runway point

    bool operator==(const SkippedFile&) const = default;
};

struct ConversionReport {
    std::size_t converted = 0;
    std::vector<SkippedFile> skipped;  // in the order of the names
};

// Creates the sid and star folders under the program folder, then converts the listed files in
// order; a later file of the same airport replaces what an earlier one wrote.
ConversionReport ConvertFolder(const std::filesystem::path& programFolder,
                               const std::vector<std::string>& fileNames,
                               const ConversionObserver& observer = {});

}  // namespace vantrel

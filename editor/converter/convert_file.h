// The conversion of one FSNavigator SID/STAR file of the program folder into the SID file and the
// STAR file of its airport.
#pragma once

#include <filesystem>
#include <string_view>

#include "conversion_observer.h"
#include "file_outcome.h"

namespace vantrel {

// Reads the file named `fileName` in the program folder with two independent line readers: reader
// A walks the SID sections and then the STAR sections; reader B runs ahead through each STAR's
// section for its runway, which stands after its other points. The sid and star folders must
// exist. Both procedure files of the airport are replaced only when the file has been read to its
// "[EOF]" line and every STAR has its runway point; a kind without procedures leaves no file of
// that kind. The observer hears of the airport once its code is known to be usable, an excluded
// airport included.
FileOutcome ConvertFile(const std::filesystem::path& programFolder, std::string_view fileName,
                        const ConversionObserver& observer = {});

}  // namespace vantrel

// The report of an ARINC 424 import as lines of text, the same in the converter window and on
// the command line: a summary, then what was skipped and why.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "arinc_import.h"

namespace vantrel {

// "FAACIFP18 cannot be read." for a file that cannot be read, "waypoints.txt holds no ARINC 424
// procedure or fix records." for one without such records; else the summary "2 airports
// written with 14 procedures.", then as far as they apply: "1 airport skipped, as it has
// procedure files: KJFK", "3 procedures skipped:" followed by the first reasons (and
// "... and 5 more"), "Not in the file with SIDs or STARs: KXYZ", and "sid/KJFK.txt cannot be
// written" with the files named relative to the program folder.
std::vector<std::string> ImportReportLines(const ImportReport& report,
                                           const std::filesystem::path& programFolder,
                                           const std::string& fileName);

}  // namespace vantrel

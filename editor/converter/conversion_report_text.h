// The report of a conversion run as text, the same in the converter window and on the command
// line: a summary, then one line per skipped file with its reason.
#pragma once

#include <filesystem>
#include <string>

#include "convert_folder.h"

namespace vantrel {

// "1 file converted." when nothing was skipped, else "1 file converted, 2 files skipped:".
std::string ConversionSummary(const ConversionReport& report);

// "A.ssa: the file ends before its [EOF] line", "A.ssa: STAR ROLIS1A has no runway point", or,
// when procedure files could not be written, "A.ssa: sid/EDDF.txt, star/EDDF.txt cannot be
// written" with the files named relative to the program folder.
std::string SkippedFileLine(const SkippedFile& skipped, const std::filesystem::path& programFolder);

}  // namespace vantrel

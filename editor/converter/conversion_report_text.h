// The report of a conversion run as text, the same in the converter window and on the command
// line: a summary, then one line per skipped file with its reason.
#pragma once

#include <string>

#include "convert_folder.h"

namespace vantrel {

// "1 file converted." when nothing was skipped, else "1 file converted, 2 files skipped:".
std::string ConversionSummary(const ConversionReport& report);

// "A.ssa: the file ends before its [EOF] line".
std::string SkippedFileLine(const SkippedFile& skipped);

}  // namespace vantrel

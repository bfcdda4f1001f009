// Repair of procedure files whose lines end with a line feed alone, which the line reader sees as
// one long line: every line feed becomes CR LF. A file that needs no change is never rewritten.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "procedure_kind.h"

namespace vantrel {

enum class RepairOutcome {
    NoFile,        // no file with exactly the name CODE.txt, letter case included
    FileCorrect,   // no line feed to convert; the file is untouched
    FileModified,  // the file was replaced by its repaired copy
    Failed,        // the repaired copy could not be written or put in place; the file is untouched
    ReadOnly,      // the file is read-only (see IsReadOnly) and is not repaired
};

RepairOutcome RepairSeparators(const std::filesystem::path& programFolder, ProcedureKind kind,
                               std::string_view airport);

// The line that reports the outcome for the airport's file of that kind, as the fixing report
// shows it: "There are SIDs for this airport and the file is successfully modified.", ...; a
// failure names the file.
std::string RepairReportLine(RepairOutcome outcome, ProcedureKind kind, std::string_view airport);

}  // namespace vantrel

// The checks of a procedure file's text: what vasFMC would misread, or what the editor cannot
// reach. Lines are numbered from 1 as a text editor shows them, a line ending at CR LF, at CR or
// at LF alone, so the numbers stay right after the line ends are repaired.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

enum class FindingKind {
    AirportCode,      // the airport code cannot safely name a file (a finding at line 1)
    LineEnds,         // a line ending other than CR LF
    HeaderFields,     // a header whose non-empty fields are not six
    LegFields,        // a leg whose fields are not nineteen
    NoEmptyLine,      // a procedure's block runs on into the next header
    Coordinate,       // a leg coordinate that is not coordinate text, or out of range
    SeparatorInName,  // a "|" inside a name, or an "@" inside a procedure name or runway
    SameEntry,        // a second procedure with the same name and runway
};

struct Finding {
    std::size_t line = 0;
    FindingKind kind = FindingKind::AirportCode;
    std::string message;

    bool operator==(const Finding&) const = default;
};

// The findings of the text, ordered by line; those of one line in the order of the kinds above.
// Foreign line ends are reported once per kind of line end, at the first such line, with the
// number of lines that have it.
std::vector<Finding> CheckProcedureText(std::string_view text);

// Why a leg's latitude or longitude is not usable: it must be an optional minus sign and digits,
// degrees times 1,000,000, within +-90 or +-180 degrees. Empty when it is usable.
std::string CoordinateProblem(std::string_view text, bool latitude);

}  // namespace vantrel

// How the conversion of one FSNavigator file ended, with the short reason shown for a skipped one.
#pragma once

#include <string_view>

namespace vantrel {

enum class FileOutcome {
    Converted,
    CannotRead,           // the file cannot be opened or read
    EndsEarly,            // the file ends before its "[EOF]" line: it was cut off or is foreign
    NoRunwayPoint,        // a STAR has no runway point ("=R:") in its section
    ExcludedAirport,      // the airport is never converted
    UnusableAirportCode,  // the airport code cannot name a procedure file
    CannotWrite,          // a procedure file cannot be written
    ReadOnly,             // a procedure file of the airport is read-only and is left as it is
};

std::string_view OutcomeText(FileOutcome outcome);

}  // namespace vantrel

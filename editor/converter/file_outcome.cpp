#include "file_outcome.h"

namespace vantrel {

std::string_view OutcomeText(FileOutcome outcome) {
    switch (outcome) {
        case FileOutcome::Converted:
            return "converted";
        case FileOutcome::CannotRead:
            return "the file cannot be read";
        case FileOutcome::EndsEarly:
            return "the file ends before its [EOF] line";
        case FileOutcome::NoRunwayPoint:
            return "a STAR has no runway point";
        case FileOutcome::ExcludedAirport:
            return "airport ZUGY is not converted";
        case FileOutcome::UnusableAirportCode:
            return "the airport code cannot be a file name";
        case FileOutcome::CannotWrite:
            return "the procedure files cannot be written";
        case FileOutcome::ReadOnly:
            return "a procedure file is read-only";
    }
    return {};
}

}  // namespace vantrel

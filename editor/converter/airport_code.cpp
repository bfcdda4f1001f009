#include "airport_code.h"

#include "airport_edits.h"
#include "records.h"

namespace vantrel {

std::string AirportCode(std::string_view airportLine) {
    const std::size_t equals = airportLine.find('=');
    if (equals != std::string_view::npos) {
        airportLine.remove_prefix(equals + 1);
    }
    return std::string(TrimBlanks(airportLine));
}

bool IsUsableAirportCode(std::string_view code) {
    return !code.empty() && !UnsafeFileNamePart(code);
}

}  // namespace vantrel

#include "airport_code.h"

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
    if (code.empty() || code.find("..") != std::string_view::npos) {
        return false;
    }
    for (const char c : code) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F ||
            std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) {
            return false;
        }
    }
    return true;
}

}  // namespace vantrel

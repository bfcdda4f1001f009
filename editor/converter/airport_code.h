// The airport code of an FSNavigator file and whether it can name a procedure file.
#pragma once

#include <string>
#include <string_view>

namespace vantrel {

// The text after the first "=" of the airport line (the whole line without one), with leading and
// trailing blanks removed.
std::string AirportCode(std::string_view airportLine);

// The code becomes a file name in the sid and star folders: it must not be empty, leave those
// folders, or hold characters that file names cannot hold.
bool IsUsableAirportCode(std::string_view code);

// FSNavigator files of this airport are never converted.
inline constexpr std::string_view kExcludedAirport = "ZUGY";

}  // namespace vantrel

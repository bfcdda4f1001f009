// ARINC 424 records for the tests, laid out column by column as the format's tables give them:
// 132 columns, blank where a test gives no field.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantrel::testing {

// A standard record of the USA area with the fields placed at their first columns.
inline std::string ArincRecord(
    const std::vector<std::pair<std::size_t, std::string_view>>& fields) {
    std::string line(132, ' ');
    line.replace(0, 4, "SUSA");
    for (const auto& [column, text] : fields) {
        line.replace(column - 1, text.size(), text);
    }
    return line;
}

// A SID ('D') or STAR ('E') record of an airport in region K6.
struct Leg {
    char subsection;
    std::string_view airport;
    std::string_view identifier;
    char routeType;
    std::string_view transition;
    std::string_view sequence;
    std::string_view fix;
    std::string_view fixRecord;  // ICAO code, section and subsection: "K6EA", "K6PC", "K6D "
    std::string_view pathTerminator;
    char continuation = '0';
};

inline std::string ProcedureLine(const Leg& leg) {
    const std::string subsection(1, leg.subsection), routeType(1, leg.routeType),
        continuation(1, leg.continuation);
    return ArincRecord({{5, "P"},
                        {7, leg.airport},
                        {11, "K6"},
                        {13, subsection},
                        {14, leg.identifier},
                        {20, routeType},
                        {21, leg.transition},
                        {27, leg.sequence},
                        {30, leg.fix},
                        {35, leg.fixRecord},
                        {39, continuation},
                        {48, leg.pathTerminator}});
}

// Fix records: `section` is the two columns 5-6 ("EA", "D ", "DB"), or "P" and the subsection
// in column 13 for the airport's own fixes.
inline std::string EnrouteWaypoint(std::string_view ident, std::string_view region,
                                   std::string_view latitude, std::string_view longitude) {
    return ArincRecord({{5, "EA"},
                        {7, "ENRT"},
                        {11, region},
                        {14, ident},
                        {20, region},
                        {22, "0"},
                        {27, "W  "},
                        {33, latitude},
                        {42, longitude}});
}

inline std::string VhfNavaid(std::string_view ident, std::string_view latitude,
                             std::string_view longitude, std::string_view dmeLatitude = {},
                             std::string_view dmeLongitude = {}) {
    return ArincRecord({{5, "D "},
                        {14, ident},
                        {20, "K6"},
                        {22, "0"},
                        {23, "11370"},
                        {28, "VDHW "},
                        {33, latitude},
                        {42, longitude},
                        {52, ident},
                        {56, dmeLatitude},
                        {65, dmeLongitude}});
}

inline std::string Ndb(std::string_view ident, std::string_view latitude,
                       std::string_view longitude) {
    return ArincRecord({{5, "DB"},
                        {14, ident},
                        {20, "K6"},
                        {22, "0"},
                        {23, "03320"},
                        {28, "HW   "},
                        {33, latitude},
                        {42, longitude}});
}

inline std::string AirportFix(char subsection, std::string_view airport, std::string_view ident,
                              std::string_view latitude, std::string_view longitude) {
    const std::string sub(1, subsection);
    return ArincRecord({{5, "P"},
                        {7, airport},
                        {11, "K6"},
                        {13, sub},
                        {14, ident},
                        {20, subsection == 'G' ? "  " : "K6"},
                        {22, "0"},
                        {33, latitude},
                        {42, longitude}});
}

inline std::string Lines(const std::vector<std::string>& lines, std::string_view end = "\r\n") {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += end;
    }
    return text;
}

}  // namespace vantrel::testing

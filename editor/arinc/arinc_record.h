// The fields of single ARINC 424 records that the import reads. Columns are numbered from 1, as
// in the format's tables; every record is 132 columns long.
//   airport SID (P, subsection D in column 13) and STAR (E) records: airport 7-10, identifier
//   14-19, route type 20, transition 21-25, sequence 27-29, fix 30-34, the fix's ICAO code
//   35-36 and its section and subsection 37-38, continuation number 39, path and terminator
//   48-49;
//   fix records: enroute waypoints (EA in 5-6), VHF navaids (D and a blank), NDBs (DB), and the
//   airport's terminal waypoints (PC: P in 5 and C in 13), terminal NDBs (PN), runways (PG) and
//   reference point (PA): identifier from 14, ICAO code 20-21 (11-12 for PG and PA),
//   continuation number 22, latitude 33-41 and longitude 42-51.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "procedure_kind.h"

namespace vantrel {

inline constexpr std::size_t kArincRecordLength = 132;

// Columns `first` to `last` of the line, as far as the line reaches.
inline std::string_view Columns(std::string_view line, std::size_t first, std::size_t last) {
    if (first > line.size()) {
        return {};
    }
    return line.substr(first - 1, last - first + 1);
}

// The text without its trailing blanks.
inline std::string_view TrimTrailingBlanks(std::string_view text) {
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

// SID or STAR for an airport SID or STAR record (standard or tailored); none for any other line.
std::optional<ProcedureKind> ProcedureRecordKind(std::string_view line);

// The airport of an airport-section record, trailing blanks removed.
std::string_view RecordAirport(std::string_view line);

// A primary record carries 0 or 1 as its continuation number; continuation records carry 2 to
// 9 or a letter.
bool IsContinuationNumber(char number);

// One SID or STAR record, with the trailing blanks of its texts removed.
struct ProcedureRecord {
    std::string_view airport;
    std::string_view identifier;
    char routeType = ' ';
    std::string_view transition;
    int sequence = 0;
    std::string_view fix;
    std::string_view fixRegion;   // the fix's ICAO code
    std::string_view fixSection;  // the section and subsection of the fix's record, two columns
    char continuation = '0';
    std::string_view pathTerminator;
};

struct ReadProcedure {
    ProcedureRecord record;
    std::string problem;  // why the record cannot be used; empty when it can
};

// Reads the fields of a SID or STAR record (see ProcedureRecordKind). The texts view the line.
ReadProcedure ReadProcedureRecord(std::string_view line);

// The path and terminator of a leg that ends at or starts from its fix, which the leg then gives.
bool LegGivesFix(std::string_view pathTerminator);
// Any path and terminator the format defines.
bool IsKnownPathTerminator(std::string_view pathTerminator);

// The section and subsection ("EA", "D ", "DB", "PC", "PN", "PG", "PA") of a fix record, in the
// form in which a leg's columns 37-38 name it; none for any other line.
std::optional<std::string_view> FixRecordSection(std::string_view line);

// The key by which a leg finds its fix's record: the section and subsection, the ICAO code in
// two columns, the identifier in five and, for fixes of the airport section, the airport.
std::string FixKey(std::string_view section, std::string_view region, std::string_view ident,
                   std::string_view airport);

// The identifier part of such a key, without its padding.
inline std::string_view FixKeyIdentifier(std::string_view key) {
    return TrimTrailingBlanks(key.substr(std::min<std::size_t>(key.size(), 4), 5));
}

struct FixRecord {
    std::string key;
    char continuation = '0';
    std::string_view latitude;
    std::string_view longitude;
    std::string_view runway;  // for runway records: the designator without "RW" ("04L")
};

// Reads the key and the coordinate columns of a fix record (see FixRecordSection). A VHF navaid
// without VOR coordinates gives its DME's.
FixRecord ReadFixRecord(std::string_view line, std::string_view section);

// Whether the text can stand in a procedure file as a name: no "|" or "@", no control character.
bool FitsProcedureFile(std::string_view text);

}  // namespace vantrel

#include "arinc_record.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace vantrel {
namespace {

char Column(std::string_view line, std::size_t column) {
    return column <= line.size() ? line[column - 1] : ' ';
}

bool IsRecordType(char type) {
    return type == 'S' || type == 'T';  // standard and tailored records
}

bool IsAirportSection(std::string_view line) {
    return IsRecordType(Column(line, 1)) && Column(line, 5) == 'P' && Column(line, 6) == ' ';
}

constexpr std::array<std::string_view, 14> kFixLegs = {"IF", "TF", "CF", "DF", "RF", "AF", "HF",
                                                       "HA", "HM", "FA", "FC", "FD", "FM", "PI"};
constexpr std::array<std::string_view, 9> kLegsWithoutFix = {"CA", "CD", "CI", "CR", "VA",
                                                             "VD", "VI", "VM", "VR"};

// A text of two characters as one number, so that a list of them is searched by comparing
// numbers.
constexpr unsigned TwoCharacters(std::string_view text) {
    return static_cast<unsigned char>(text[0]) << 8 | static_cast<unsigned char>(text[1]);
}

template <std::size_t N>
bool OneOf(const std::array<std::string_view, N>& texts, std::string_view text) {
    if (text.size() != 2) {
        return false;
    }
    const unsigned wanted = TwoCharacters(text);
    for (const std::string_view candidate : texts) {
        if (TwoCharacters(candidate) == wanted) {
            return true;
        }
    }
    return false;
}

std::optional<int> Sequence(std::string_view digits) {
    if (digits.size() != 3) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::optional<ProcedureKind> ProcedureRecordKind(std::string_view line) {
    if (!IsAirportSection(line)) {
        return std::nullopt;
    }
    switch (Column(line, 13)) {
        case 'D':
            return ProcedureKind::Sid;
        case 'E':
            return ProcedureKind::Star;
        default:
            return std::nullopt;
    }
}

std::string_view RecordAirport(std::string_view line) {
    return TrimTrailingBlanks(Columns(line, 7, 10));
}

bool IsContinuationNumber(char number) {
    return (number >= '2' && number <= '9') || (number >= 'A' && number <= 'Z');
}

ReadProcedure ReadProcedureRecord(std::string_view line) {
    ReadProcedure read;
    ProcedureRecord& record = read.record;
    record.airport = RecordAirport(line);
    record.identifier = TrimTrailingBlanks(Columns(line, 14, 19));
    record.routeType = Column(line, 20);
    record.transition = TrimTrailingBlanks(Columns(line, 21, 25));
    record.fix = TrimTrailingBlanks(Columns(line, 30, 34));
    record.fixRegion = Columns(line, 35, 36);
    record.fixSection = Columns(line, 37, 38);
    record.continuation = Column(line, 39);
    record.pathTerminator = Columns(line, 48, 49);
    const auto sequence = Sequence(Columns(line, 27, 29));
    record.sequence = sequence.value_or(0);

    if (line.size() < kArincRecordLength) {
        read.problem = "the record is shorter than 132 columns";
    } else if (record.identifier.empty()) {
        read.problem = "the record has no procedure identifier";
    } else if (!FitsProcedureFile(record.identifier) || !FitsProcedureFile(record.transition) ||
               !FitsProcedureFile(record.fix)) {
        read.problem = "its identifiers hold a character that procedure files cannot hold";
    } else if (!sequence) {
        read.problem =
            "the sequence number \"" + std::string(Columns(line, 27, 29)) + "\" is not a number";
    } else if (!IsKnownPathTerminator(record.pathTerminator)) {
        read.problem =
            "the path and terminator \"" + std::string(record.pathTerminator) + "\" is not known";
    }
    return read;
}

bool LegGivesFix(std::string_view pathTerminator) {
    return OneOf(kFixLegs, pathTerminator);
}

bool IsKnownPathTerminator(std::string_view pathTerminator) {
    return LegGivesFix(pathTerminator) || OneOf(kLegsWithoutFix, pathTerminator);
}

std::optional<std::string_view> FixRecordSection(std::string_view line) {
    if (!IsRecordType(Column(line, 1))) {
        return std::nullopt;
    }
    const std::string_view section = Columns(line, 5, 6);
    if (section == "EA" || section == "D " || section == "DB") {
        return section;
    }
    if (section == "P ") {
        switch (Column(line, 13)) {
            case 'A':
                return "PA";
            case 'C':
                return "PC";
            case 'G':
                return "PG";
            case 'N':
                return "PN";
            default:
                break;
        }
    }
    return std::nullopt;
}

std::string FixKey(std::string_view section, std::string_view region, std::string_view ident,
                   std::string_view airport) {
    // Fields of fixed width, so that the key of a fix of the airport section, up to thirteen
    // characters, needs no memory of its own. It is made in one piece, as every leg and every fix
    // record of a file makes one.
    const std::size_t regionWidth = std::max<std::size_t>(region.size(), 2);
    const std::size_t identWidth = std::max<std::size_t>(ident.size(), 5);
    const bool airportSection = section.starts_with('P');
    std::string key(
        section.size() + regionWidth + identWidth + (airportSection ? airport.size() : 0), ' ');
    char* at = key.data();
    at = std::copy(section.begin(), section.end(), at);
    std::copy(region.begin(), region.end(), at);
    at += regionWidth;
    std::copy(ident.begin(), ident.end(), at);
    at += identWidth;
    if (airportSection) {
        std::copy(airport.begin(), airport.end(), at);
    }
    return key;
}

FixRecord ReadFixRecord(std::string_view line, std::string_view section) {
    FixRecord record;
    const std::string_view airport = RecordAirport(line);
    std::string_view ident, region;
    if (section == "PA") {
        ident = airport;
        region = Columns(line, 11, 12);
    } else if (section == "PG") {
        ident = TrimTrailingBlanks(Columns(line, 14, 18));
        region = Columns(line, 11, 12);
        record.runway = ident.starts_with("RW") ? ident.substr(2) : ident;
    } else {
        // Navaids have identifiers of up to four characters, waypoints of up to five.
        const bool navaid = section == "D " || section == "DB" || section == "PN";
        ident = TrimTrailingBlanks(Columns(line, 14, navaid ? 17 : 18));
        region = Columns(line, 20, 21);
    }
    record.key = FixKey(section, region, ident, airport);
    record.continuation = Column(line, 22);
    record.latitude = Columns(line, 33, 41);
    record.longitude = Columns(line, 42, 51);
    if (section == "D " && TrimTrailingBlanks(record.latitude).empty()) {
        record.latitude = Columns(line, 56, 64);
        record.longitude = Columns(line, 65, 74);
    }
    return record;
}

bool FitsProcedureFile(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (byte < 0x20 || byte == 0x7F || c == '|' || c == '@') {
            return false;
        }
    }
    return true;
}

}  // namespace vantrel

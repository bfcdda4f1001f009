#include "procedure_reader.h"

#include "procedure_entry.h"
#include "records.h"

namespace vantrel {
namespace {

bool IsHeaderOf(std::string_view line, const EntryParts& target) {
    if (!IsRecord(line)) {
        return false;
    }
    const auto fields = SplitFields(line);
    return fields.size() >= 3 && fields[0] == "P" && TrimBlanks(fields[1]) == target.name &&
           TrimBlanks(fields[2]) == target.runway;
}

ReadStatus StatusOf(const LineReader& reader) {
    if (!reader.isOpen()) {
        return reader.missing() ? ReadStatus::Missing : ReadStatus::Failed;
    }
    return reader.failed() ? ReadStatus::Failed : ReadStatus::Read;
}

}  // namespace

std::vector<std::string> ReadProcedureList(const std::filesystem::path& file) {
    ReadStatus ignored;
    return ReadProcedureList(file, ignored);
}

std::vector<std::string> ReadProcedureList(const std::filesystem::path& file, ReadStatus& status) {
    std::vector<std::string> entries;
    LineReader reader(file);
    std::string line;
    while (reader.next(line)) {
        if (!IsRecord(line)) {
            continue;
        }
        const auto fields = SplitFields(line);
        if (fields[0] == "P") {
            if (fields.size() < 3) {
                break;
            }
            entries.push_back(EntryText(fields[1], fields[2]));
        }
        if (line.find(kEndMarker) != std::string::npos) {
            break;
        }
    }
    status = StatusOf(reader);
    return entries;
}

std::optional<std::string> FindProcedureHeader(
    LineReader& reader, std::string_view entry, int occurrence,
    const std::function<void(const std::string&)>& passed) {
    const EntryParts target = SplitEntry(entry);
    int matches = 0;
    std::string line;
    while (reader.next(line)) {
        if (IsHeaderOf(line, target) && ++matches == occurrence) {
            return line;
        }
        if (passed) {
            passed(line);
        }
    }
    return std::nullopt;
}

std::vector<LegRow> ReadLegs(const std::filesystem::path& file, std::string_view entry,
                             int occurrence) {
    ReadStatus ignored;
    return ReadLegs(file, entry, occurrence, ignored);
}

std::vector<LegRow> ReadLegs(const std::filesystem::path& file, std::string_view entry,
                             int occurrence, ReadStatus& status) {
    std::vector<LegRow> legs;
    LineReader reader(file);
    if (!reader.isOpen() || !FindProcedureHeader(reader, entry, occurrence)) {
        status = StatusOf(reader);
        return legs;
    }
    std::string line;
    while (reader.next(line) && IsRecord(line)) {
        const auto fields = SplitFields(line);
        if (fields[0] != "S") {
            continue;
        }
        LegRow leg{std::string(fields[1]), fields.size() > 2 ? std::string(fields[2]) : "",
                   fields.size() > 3 ? std::string(fields[3]) : ""};
        legs.push_back(std::move(leg));
        if (fields.size() < 4) {
            break;
        }
    }
    status = StatusOf(reader);
    return legs;
}

}  // namespace vantrel

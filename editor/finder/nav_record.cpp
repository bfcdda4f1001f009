#include "nav_record.h"

namespace vantrel {

std::optional<Coordinates> RecordCoordinates(std::string_view line) {
    const std::size_t first = line.find('|');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t second = line.find('|', first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t third = line.find('|', second + 1);
    return Coordinates{
        line.substr(first + 1, second - first - 1),
        line.substr(second + 1,
                    third == std::string_view::npos ? std::string_view::npos : third - second - 1)};
}

std::string IntersectionRecord(std::string_view waypointLine) {
    std::string record(waypointLine);
    record += kIntersectionTag;
    return record;
}

std::string NavaidRecord(const std::vector<std::string_view>& fields) {
    std::string record(fields[0]);
    record.append("|").append(fields[kNavaidLatitude]);
    record.append("|").append(fields[kNavaidLongitude]);
    record.append("|").append(fields[kNavaidName]);
    record.append(" - ").append(fields[kNavaidCountry]);
    record.append(fields[kNavaidKind] == "1" ? kVorTag : kNdbTag);
    return record;
}

std::optional<LegRow> LegFromNavRecord(std::string_view record) {
    const std::optional<Coordinates> at = RecordCoordinates(record);
    if (!at) {
        return std::nullopt;
    }
    return LegRow{std::string(record.substr(0, record.find('|'))), std::string(at->latitude),
                  std::string(at->longitude)};
}

}  // namespace vantrel

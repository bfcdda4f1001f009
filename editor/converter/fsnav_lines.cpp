#include "fsnav_lines.h"

#include <vector>

namespace vantrel {
namespace {

std::string_view AfterFirst(std::string_view line, char separator) {
    const std::size_t at = line.find(separator);
    return at == std::string_view::npos ? line : line.substr(at + 1);
}

std::string Without(std::string_view text, char removed) {
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text) {
        if (c != removed) {
            kept += c;
        }
    }
    return kept;
}

std::vector<std::string_view> SplitAtColons(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t colon = line.find(':');
        fields.push_back(line.substr(0, colon));
        if (colon == std::string_view::npos) {
            return fields;
        }
        line.remove_prefix(colon + 1);
    }
}

}  // namespace

std::string ProcedureName(std::string_view nameLine) {
    return Without(AfterFirst(nameLine, '='), ' ');
}

std::string NormaliseRunway(std::string_view designator) {
    std::size_t zeros = designator.size() == 1 ? 1 : 0;
    if (designator.size() + zeros == 2 &&
        designator.find_first_of("LRC") != std::string_view::npos) {
        ++zeros;
    }
    std::string runway(zeros, '0');
    runway += designator;
    return runway;
}

std::string RunwayOf(std::string_view runwayLine) {
    const std::string_view designator = AfterFirst(runwayLine, ':');
    return NormaliseRunway(designator.substr(0, designator.find(':')));
}

std::optional<LegRow> PointLeg(std::string_view pointLine) {
    const auto fields = SplitAtColons(pointLine);
    if (fields.size() < 4 || (fields.size() > 5 && fields[5] == "1")) {
        return std::nullopt;
    }
    return LegRow{std::string(fields[1]), Without(fields[2], '.'), Without(fields[3], '.')};
}

}  // namespace vantrel

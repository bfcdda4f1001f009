#include "records.h"

#include <initializer_list>

namespace vantrel {

bool IsRecord(std::string_view line) {
    return line.find('|') != std::string_view::npos;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = line.find('|', start);
        if (bar == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, bar - start));
        start = bar + 1;
    }
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string HeaderRecord(std::string_view name, std::string_view runway) {
    std::string line;
    AppendHeaderRecord(line, name, runway);
    return line;
}

std::string LegRecord(const LegRow& leg) {
    std::string line;
    AppendLegRecord(line, leg);
    return line;
}

namespace {

// Appends the pieces with room made for all of them at once.
void AppendPieces(std::string& text, std::initializer_list<std::string_view> pieces) {
    std::size_t size = text.size();
    for (const std::string_view piece : pieces) {
        size += piece.size();
    }
    text.reserve(size);
    for (const std::string_view piece : pieces) {
        text.append(piece);
    }
}

}  // namespace

void AppendHeaderRecord(std::string& text, std::string_view name, std::string_view runway) {
    AppendPieces(text, {"P|", name, "|", runway, "| |0|0|"});
}

void AppendLegRecord(std::string& text, const LegRow& leg) {
    AppendPieces(text, {"S|", leg.name, "|", leg.latitude, "|", leg.longitude,
                        "| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0"});
}

}  // namespace vantrel

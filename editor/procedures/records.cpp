#include "records.h"

#include <cstring>

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

// The records are written in place, with room made once: an import writes hundreds of
// thousands of them.
char* Put(char* at, std::string_view text) {
    // An empty view may have no data at all, which memcpy must not be given.
    if (!text.empty()) {
        std::memcpy(at, text.data(), text.size());
    }
    return at + text.size();
}

// Made with the size known where it is compiled, so that the copy needs no call.
template <std::size_t N>
char* Put(char* at, const char (&literal)[N]) {
    std::memcpy(at, literal, N - 1);
    return at + N - 1;
}

char* MakeRoom(std::string& text, std::size_t size) {
    const std::size_t start = text.size();
    text.resize(start + size);
    return text.data() + start;
}

constexpr char kHeaderTail[] = "| |0|0|";
constexpr char kLegTail[] = "| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0";

}  // namespace

void AppendHeaderRecord(std::string& text, std::string_view name, std::string_view runway) {
    char* at = MakeRoom(text, 2 + name.size() + 1 + runway.size() + sizeof kHeaderTail - 1);
    at = Put(Put(Put(Put(at, "P|"), name), "|"), runway);
    Put(at, kHeaderTail);
}

void AppendLegRecord(std::string& text, const LegRow& leg) {
    AppendLegRecord(text, leg.name, leg.latitude, leg.longitude);
}

void AppendLegRecord(std::string& text, std::string_view name, std::string_view latitude,
                     std::string_view longitude) {
    char* at = MakeRoom(
        text, 2 + name.size() + 1 + latitude.size() + 1 + longitude.size() + sizeof kLegTail - 1);
    at = Put(Put(Put(Put(Put(Put(at, "S|"), name), "|"), latitude), "|"), longitude);
    Put(at, kLegTail);
}

}  // namespace vantrel

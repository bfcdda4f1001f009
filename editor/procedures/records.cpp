#include "records.h"

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
    std::string line = "P|";
    line += name;
    line += '|';
    line += runway;
    line += "| |0|0|";
    return line;
}

std::string LegRecord(const LegRow& leg) {
    std::string line = "S|";
    line += leg.name;
    line += '|';
    line += leg.latitude;
    line += '|';
    line += leg.longitude;
    line += "| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0";
    return line;
}

}  // namespace vantrel

#include "procedure_entry.h"

#include "records.h"

namespace vantrel {

std::string EntryText(std::string_view name, std::string_view runway) {
    std::string entry(name);
    entry += " @ ";
    entry += runway;
    return entry;
}

EntryParts SplitEntry(std::string_view entry) {
    const std::size_t at = entry.find('@');
    if (at == std::string_view::npos) {
        return {TrimBlanks(entry), {}};
    }
    return {TrimBlanks(entry.substr(0, at)), TrimBlanks(entry.substr(at + 1))};
}

int OccurrenceNumber(const std::vector<std::string>& entries, std::size_t index) {
    const EntryParts selected = SplitEntry(entries.at(index));
    int count = 0;
    for (std::size_t i = 0; i <= index; ++i) {
        const EntryParts parts = SplitEntry(entries[i]);
        if (parts.name == selected.name && parts.runway == selected.runway) {
            ++count;
        }
    }
    return count;
}

}  // namespace vantrel

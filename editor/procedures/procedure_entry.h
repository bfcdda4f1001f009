// The text that stands for a procedure in the SID and STAR lists ("ABC1A @ 27L") and the
// occurrence number that tells equal entries apart.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

std::string EntryText(std::string_view name, std::string_view runway);

// Name and runway parts of an entry: split at its first "@", blanks around each part removed.
struct EntryParts {
    std::string_view name;
    std::string_view runway;
};
EntryParts SplitEntry(std::string_view entry);

// For the entry at `index` of a procedure list: how many entries from the top down to it
// (itself included) stand for a procedure with the same trimmed name and runway. The k-th
// header with that name and runway in the file is the selected procedure's. At least 1.
int OccurrenceNumber(const std::vector<std::string>& entries, std::size_t index);

}  // namespace vantrel

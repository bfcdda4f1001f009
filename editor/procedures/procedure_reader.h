// Readers of a procedure file: the list of its procedures, the lookup of one procedure's header,
// and the legs of one procedure. A missing file reads as a file without procedures.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "leg_row.h"
#include "text_lines.h"

namespace vantrel {

// How a reader fared: a missing file is an ordinary state and reads as a file without procedures;
// a file that exists but cannot be opened or read to the end of what is needed has Failed, and
// what was read before the failure is the result.
enum class ReadStatus { Read, Missing, Failed };

// The entries ("NAME @ RUNWAY") of the file's headers in file order. Reading ends after a record
// line that holds the end marker, at a header with fewer than three fields, or at a read error;
// what was found until then is the result.
std::vector<std::string> ReadProcedureList(const std::filesystem::path& file);
std::vector<std::string> ReadProcedureList(const std::filesystem::path& file, ReadStatus& status);

// Reads lines until the occurrence-th header whose trimmed name and runway fields equal the
// entry's parts, and returns that header line; every line read before it goes to `passed`.
// No value when the file ends first.
std::optional<std::string> FindProcedureHeader(
    LineReader& reader, std::string_view entry, int occurrence,
    const std::function<void(const std::string&)>& passed = {});

// The legs of the selected procedure: the leg records that follow its header, up to the first
// line without "|". Empty when the file or the procedure is missing.
std::vector<LegRow> ReadLegs(const std::filesystem::path& file, std::string_view entry,
                             int occurrence);
std::vector<LegRow> ReadLegs(const std::filesystem::path& file, std::string_view entry,
                             int occurrence, ReadStatus& status);

}  // namespace vantrel

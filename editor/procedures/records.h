// Record lines of the procedure files: splitting into fields and the two record writers.
//   header: P|name|runway| |0|0|
//   leg:    S|fix|latitude|longitude| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "leg_row.h"

namespace vantrel {

// A line is a record when it holds at least one "|"; its fields are the texts between them.
bool IsRecord(std::string_view line);
std::vector<std::string_view> SplitFields(std::string_view line);

// Removes leading and trailing blanks (spaces only, as the files use them).
std::string_view TrimBlanks(std::string_view text);

std::string HeaderRecord(std::string_view name, std::string_view runway);
std::string LegRecord(const LegRow& leg);
// The same records appended to a text, for writers that build a whole file.
void AppendHeaderRecord(std::string& text, std::string_view name, std::string_view runway);
void AppendLegRecord(std::string& text, const LegRow& leg);
void AppendLegRecord(std::string& text, std::string_view name, std::string_view latitude,
                     std::string_view longitude);

// The text that marks the end of the records in files written by other programs.
inline constexpr std::string_view kEndMarker = "ENDOFFILE";

}  // namespace vantrel

// Whether a procedure file holds a line feed without a CR in front of it. The line reader ends no
// line there, so such a file reads as fewer, longer lines than it holds: the edits refuse to
// rewrite it until "Fix Selected" has repaired its line ends, and the editor window tells so.
#pragma once

#include <filesystem>
#include <string_view>

namespace vantrel {

bool HoldsBareLineFeed(std::string_view bytes);

// The same for a file's bytes; false when the file is missing or cannot be read.
bool FileHoldsBareLineFeed(const std::filesystem::path& file);

}  // namespace vantrel

// Adding and deleting an airport. An airport exists as a row of the airport list and as its two
// procedure files; its code is used as a file name, so a code that could address a file outside
// the sid and star folders is refused before it is used.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// The row text for a typed airport code: the text upper-cased, blanks kept. No file is touched.
std::string AddAirport(std::string_view typed);

// Deletes the airport's SID file and STAR file where they exist; a missing file is passed over.
// Returns what stands at the files' places and could not be deleted; a folder standing there is
// not deleted.
std::vector<std::filesystem::path> DeleteAirport(const std::filesystem::path& programFolder,
                                                 std::string_view airport);

// The first part of `code` that a file name of its own cannot hold, as a text to show the user:
// "/", "\", "..", one of : * ? " < > |, or "a control character". No value for a safe code.
std::optional<std::string> UnsafeFileNamePart(std::string_view code);

}  // namespace vantrel

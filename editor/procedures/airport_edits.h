// Adding and deleting an airport. An airport exists as a row of the airport list and as its two
// procedure files; its code is used as a file name, so a code that could address a file outside
// the sid and star folders is refused before it is used.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace vantrel {

// The row text for a typed airport code: the text upper-cased, blanks kept. No file is touched.
std::string AddAirport(std::string_view typed);

// Why a file was left as it was: the file, and the reason in the system's words or ours.
struct FileRefusal {
    std::filesystem::path file;
    std::string reason;
};

// Deletes the airport's SID file and STAR file, all or nothing; a missing file is passed over.
// Each file is first moved aside to a name of its own beside it (".del"), and only when every
// move has succeeded are the moved files deleted. When one cannot be moved (a folder stands at
// its place, another program holds it open) or is read-only, the files already moved are put back
// and the refusal is returned: both files are then as they were.
std::optional<FileRefusal> DeleteAirport(const std::filesystem::path& programFolder,
                                         std::string_view airport);

// The system's text for an error, without the line end or full stop that some systems add.
std::string ReasonText(const std::error_code& error);

// The first part of `code` that a file name of its own cannot hold, as a text to show the user:
// "/", "\", "..", one of : * ? " < > |, or "a control character". No value for a safe code.
std::optional<std::string> UnsafeFileNamePart(std::string_view code);

}  // namespace vantrel

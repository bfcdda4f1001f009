// The text of an INI file as lines that keep their own line ends, so that a change to one key
// writes every other byte back as it was, and the lookups the profile functions share.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ini_text {

struct Line {
    std::string text;  // without the line end
    std::string end;   // "\r\n", "\n" or "" for a last line without one
};

using Lines = std::vector<Line>;

// The file's lines; nullopt when it cannot be read: missing, or something else than a readable
// file stands there, a folder say.
std::optional<Lines> load(const char* path);

// The lines a change starts from: none for a missing file; nullopt when something that cannot be
// read stands there, which a change must not replace. Windows' functions fail there too.
std::optional<Lines> load_for_change(const char* path);

// Writes the lines to a file beside `path` and renames it over `path`; that file is removed
// again when the rename fails.
bool store(const char* path, const Lines& lines);

std::string_view trim(std::string_view text);

// The name inside "[...]" when the line is a section header: a "[" first, a "]" later.
std::optional<std::string_view> section_name(std::string_view line);

// The name before "=" when the line is a key line.
std::optional<std::string_view> key_name(std::string_view line);

// The text after "=", trimmed, without one pair of matching enclosing quotes.
std::string_view key_value(std::string_view line);

// The index of the header line of the first section called `section`.
std::optional<std::size_t> find_section(const Lines& lines, std::string_view section);

// The index past the last line of the section whose header is at `header`.
std::size_t section_end(const Lines& lines, std::size_t header);

// The index of the first line of the section at `header` that sets `key`.
std::optional<std::size_t> find_key(const Lines& lines, std::size_t header, std::string_view key);

}  // namespace ini_text

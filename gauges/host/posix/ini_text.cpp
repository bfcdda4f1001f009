// INI file lines: loading, storing and the section and key lookups.
#include "ini_text.h"

#include "ascii_case.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace ini_text {
namespace {

// The file's bytes; nullopt when it cannot be opened or read. Read through stdio, which reports a
// folder opened in the file's place as a read error rather than throwing.
std::optional<std::string> read_bytes(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return std::nullopt;
    }
    std::string content;
    char chunk[4096];
    std::size_t read;
    while ((read = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        content.append(chunk, read);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return std::nullopt;
    }
    return content;
}

}  // namespace

std::optional<Lines> load(const char* path) {
    const std::optional<std::string> bytes = read_bytes(path);
    if (!bytes) {
        return std::nullopt;
    }
    const std::string& content = *bytes;
    Lines lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t feed = content.find('\n', start);
        if (feed == std::string::npos) {
            lines.push_back({content.substr(start), ""});
            break;
        }
        std::size_t text_end = feed;
        if (text_end > start && content[text_end - 1] == '\r') {
            --text_end;
        }
        lines.push_back({content.substr(start, text_end - start),
                         content.substr(text_end, feed + 1 - text_end)});
        start = feed + 1;
    }
    return lines;
}

std::optional<Lines> load_for_change(const char* path) {
    if (auto lines = load(path)) {
        return lines;
    }
    std::error_code error;
    const bool present = std::filesystem::exists(std::filesystem::symlink_status(path, error));
    return present ? std::nullopt : std::optional<Lines>(Lines{});
}

bool store(const char* path, const Lines& lines) {
    const std::string temporary = std::string(path) + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file) {
            return false;  // something else of that name, a folder say, is not touched
        }
        for (const Line& line : lines) {
            file << line.text << line.end;
        }
        file.flush();
        if (!file) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

std::string_view trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<std::string_view> section_name(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    line.remove_prefix(1);
    // A line that opens a bracket without closing it is no header, as on Windows.
    const std::size_t close = line.rfind(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return trim(line.substr(0, close));
}

std::optional<std::string_view> key_name(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || section_name(line)) {
        return std::nullopt;
    }
    return trim(line.substr(0, equals));
}

std::string_view key_value(std::string_view line) {
    std::string_view value = trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

std::optional<std::size_t> find_section(const Lines& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = section_name(lines[i].text);
        if (name && same_name_ignoring_case(*name, trim(section))) {
            return i;
        }
    }
    return std::nullopt;
}

std::size_t section_end(const Lines& lines, std::size_t header) {
    std::size_t i = header + 1;
    while (i < lines.size() && !section_name(lines[i].text)) {
        ++i;
    }
    return i;
}

std::optional<std::size_t> find_key(const Lines& lines, std::size_t header, std::string_view key) {
    const std::size_t end = section_end(lines, header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const auto name = key_name(lines[i].text);
        if (name && same_name_ignoring_case(*name, trim(key))) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace ini_text

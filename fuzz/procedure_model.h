// An independent model of a procedure file for the rewrite targets: its lines as the editor reads
// them, the block of the selected procedure, and the bytes a rewrite must leave. The targets
// compare the code's result with it, so a rewrite that touches a line outside its block is found.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "procedure_entry.h"
#include "procedure_reader.h"

namespace vantrel::fuzz {

// A line ends at CR or at CR LF; a line feed alone does not end one.
inline std::vector<std::string> ModelLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t cr = bytes.find('\r', start);
        if (cr == std::string_view::npos) {
            lines.emplace_back(bytes.substr(start));
            break;
        }
        lines.emplace_back(bytes.substr(start, cr - start));
        start = cr + 1;
        if (start < bytes.size() && bytes[start] == '\n') {
            ++start;
        }
    }
    return lines;
}

// Whether a line feed stands without a CR before it: the edits leave such a file untouched.
inline bool ModelHoldsBareLineFeed(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) {
            return true;
        }
    }
    return false;
}

// Every line followed by CR LF, as the editor writes files.
inline std::string ModelBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

inline std::string_view ModelTrim(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

// The fields of a line between its "|" characters.
inline std::vector<std::string_view> ModelFields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t bar = line.find('|');
        fields.push_back(line.substr(0, bar));
        if (bar == std::string_view::npos) {
            return fields;
        }
        line.remove_prefix(bar + 1);
    }
}

// The selected procedure: lines [header, end) of the file, the header first. The block ends
// before the next line that begins with "P|" or holds "ENDOFFILE", or at the end of the file.
struct ModelBlock {
    std::size_t header;
    std::size_t end;
};

inline std::optional<ModelBlock> FindModelBlock(const std::vector<std::string>& lines,
                                                std::string_view entry, int occurrence) {
    const std::size_t at = entry.find('@');
    const std::string_view name = ModelTrim(entry.substr(0, at));
    const std::string_view runway =
        at == std::string_view::npos ? std::string_view() : ModelTrim(entry.substr(at + 1));
    int matches = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find('|') == std::string::npos) {
            continue;
        }
        const auto fields = ModelFields(lines[i]);
        if (fields.size() < 3 || fields[0] != "P" || ModelTrim(fields[1]) != name ||
            ModelTrim(fields[2]) != runway || ++matches != occurrence) {
            continue;
        }
        std::size_t end = i + 1;
        while (end < lines.size() && !lines[end].starts_with("P|") &&
               lines[end].find("ENDOFFILE") == std::string::npos) {
            ++end;
        }
        return ModelBlock{i, end};
    }
    return std::nullopt;
}

// The procedure a rewrite target works on. A selector of digits picks an entry of the file's
// procedure list, as the editor's lists do; any other selector is taken as an entry text, so
// entries the list would never show are tried too.
struct Selection {
    std::string entry;
    int occurrence = 1;
};

inline Selection SelectProcedure(const std::filesystem::path& file, std::string_view selector) {
    const bool digits = !selector.empty() && selector.size() <= 6 &&
                        selector.find_first_not_of("0123456789") == std::string_view::npos;
    if (digits) {
        const std::vector<std::string> entries = ReadProcedureList(file);
        if (!entries.empty()) {
            const std::size_t index = std::stoul(std::string(selector)) % entries.size();
            return {entries[index], OccurrenceNumber(entries, index)};
        }
    }
    return {std::string(selector), 1};
}

// The lines before the block, `middle` in its place, and the lines from its end on.
inline std::vector<std::string> ModelReplaceBlock(const std::vector<std::string>& lines,
                                                  const ModelBlock& block,
                                                  const std::vector<std::string>& middle) {
    std::vector<std::string> result(lines.begin(),
                                    lines.begin() + static_cast<std::ptrdiff_t>(block.header));
    result.insert(result.end(), middle.begin(), middle.end());
    result.insert(result.end(), lines.begin() + static_cast<std::ptrdiff_t>(block.end),
                  lines.end());
    return result;
}

}  // namespace vantrel::fuzz

// GetPrivateProfileStringA, GetPrivateProfileIntA and WritePrivateProfileStringA over INI files:
// sections and keys matched without regard to case, values trimmed and unquoted, defaults for
// missing files and keys, returned text cut to the caller's buffer.
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "ini_text.h"
#include "win32_functions.h"

namespace {

std::optional<std::string> lookup(LPCSTR section, LPCSTR key, LPCSTR path) {
    if (section == nullptr || key == nullptr || path == nullptr) {
        return std::nullopt;
    }
    const auto lines = ini_text::load(path);
    if (!lines) {
        return std::nullopt;
    }
    const auto header = ini_text::find_section(*lines, section);
    if (!header) {
        return std::nullopt;
    }
    const auto line = ini_text::find_key(*lines, *header, key);
    if (!line) {
        return std::nullopt;
    }
    return std::string(ini_text::key_value((*lines)[*line].text));
}

// The last line of the section at `header` that is not blank, so a new key goes before the blank
// lines that separate it from the next section.
std::size_t after_last_filled_line(const ini_text::Lines& lines, std::size_t header) {
    std::size_t end = ini_text::section_end(lines, header);
    while (end > header + 1 && ini_text::trim(lines[end - 1].text).empty()) {
        --end;
    }
    return end;
}

// A number as Windows reads it from a profile: an optional sign, then decimal digits, or the digits
// of base 16, 8 or 2 after "0x", "0o" or "0b"; the first other character ends it.
UINT profile_number(const char* text) {
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') {
        ++text;
    }
    UINT base = 10;
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'o' || text[1] == 'b')) {
        base = text[1] == 'x' ? 16 : text[1] == 'o' ? 8 : 2;
        text += 2;
    }
    UINT number = 0;
    for (;; ++text) {
        UINT digit = base;
        if (*text >= '0' && *text <= '9') {
            digit = static_cast<UINT>(*text - '0');
        } else if (*text >= 'a' && *text <= 'f') {
            digit = static_cast<UINT>(*text - 'a' + 10);
        } else if (*text >= 'A' && *text <= 'F') {
            digit = static_cast<UINT>(*text - 'A' + 10);
        }
        if (digit >= base) {
            break;
        }
        number = number * base + digit;
    }
    return negative ? 0u - number : number;
}

// A key or value as Windows writes it: without the blanks before it.
std::string written(const char* text) {
    std::string_view view(text);
    while (!view.empty() && (view.front() == ' ' || view.front() == '\t')) {
        view.remove_prefix(1);
    }
    return std::string(view);
}

void end_last_line(ini_text::Lines& lines) {
    if (!lines.empty() && lines.back().end.empty()) {
        lines.back().end = "\r\n";
    }
}

}  // namespace

extern "C" DWORD WINAPI GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName,
                                                 LPCSTR lpDefault, LPSTR lpReturnedString,
                                                 DWORD nSize, LPCSTR lpFileName) {
    if (lpReturnedString == nullptr || nSize == 0) {
        return 0;
    }
    std::string text;
    if (auto value = lookup(lpAppName, lpKeyName, lpFileName)) {
        text = std::move(*value);
    } else if (lpDefault != nullptr) {
        text = lpDefault;
        while (!text.empty() && text.back() == ' ') {
            text.pop_back();
        }
    }
    const std::size_t length = text.size() < nSize - 1 ? text.size() : nSize - 1;
    std::memcpy(lpReturnedString, text.data(), length);
    lpReturnedString[length] = '\0';
    return static_cast<DWORD>(length);
}

extern "C" UINT WINAPI GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault,
                                             LPCSTR lpFileName) {
    const auto value = lookup(lpAppName, lpKeyName, lpFileName);
    if (!value || value->empty()) {
        return static_cast<UINT>(nDefault);
    }
    return profile_number(value->c_str());
}

extern "C" BOOL WINAPI WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName,
                                                  LPCSTR lpString, LPCSTR lpFileName) {
    if (lpAppName == nullptr || lpFileName == nullptr) {
        return FALSE;
    }
    std::optional<ini_text::Lines> loaded = ini_text::load_for_change(lpFileName);
    if (!loaded) {
        return FALSE;
    }
    ini_text::Lines& lines = *loaded;
    const auto header = ini_text::find_section(lines, lpAppName);
    if (lpKeyName == nullptr) {  // removes the whole section
        if (header) {
            lines.erase(lines.begin() + static_cast<long>(*header),
                        lines.begin() + static_cast<long>(ini_text::section_end(lines, *header)));
        }
        return ini_text::store(lpFileName, lines) ? TRUE : FALSE;
    }
    if (!header) {
        if (lpString == nullptr) {
            return TRUE;  // nothing to remove
        }
        end_last_line(lines);
        lines.push_back({std::string("[") + lpAppName + "]", "\r\n"});
        lines.push_back({written(lpKeyName) + "=" + written(lpString), "\r\n"});
        return ini_text::store(lpFileName, lines) ? TRUE : FALSE;
    }
    const auto key = ini_text::find_key(lines, *header, lpKeyName);
    if (key) {
        if (lpString == nullptr) {
            lines.erase(lines.begin() + static_cast<long>(*key));
        } else {
            ini_text::Line& line = lines[*key];
            line.text = std::string(*ini_text::key_name(line.text)) + "=" + written(lpString);
        }
    } else if (lpString != nullptr) {
        const std::size_t at = after_last_filled_line(lines, *header);
        if (at == lines.size()) {
            end_last_line(lines);
        }
        lines.insert(lines.begin() + static_cast<long>(at),
                     {written(lpKeyName) + "=" + written(lpString), "\r\n"});
    }
    return ini_text::store(lpFileName, lines) ? TRUE : FALSE;
}

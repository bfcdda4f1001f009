#include "bare_line_feed.h"

#include <optional>
#include <string>

#include "text_lines.h"

namespace vantrel {

bool HoldsBareLineFeed(std::string_view bytes) {
    for (std::size_t at = bytes.find('\n'); at != std::string_view::npos;
         at = bytes.find('\n', at + 1)) {
        if (at == 0 || bytes[at - 1] != '\r') {
            return true;
        }
    }
    return false;
}

bool FileHoldsBareLineFeed(const std::filesystem::path& file) {
    const std::optional<std::string> bytes = ReadFileBytes(file);
    return bytes && HoldsBareLineFeed(*bytes);
}

}  // namespace vantrel

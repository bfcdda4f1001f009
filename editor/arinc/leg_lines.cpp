#include "leg_lines.h"

#include "records.h"

namespace vantrel {

void LegLines::add(std::string_view name, std::string_view latitude, std::string_view longitude) {
    const std::size_t start = text_.size();
    AppendLegRecord(text_, name, latitude, longitude);
    text_ += "\r\n";
    const std::string_view lines = text_;
    if (start > 0 && lines.substr(start) == lines.substr(lastLineStart_, start - lastLineStart_)) {
        text_.resize(start);
        return;
    }
    lastLineStart_ = start;
}

std::string_view LegLines::linesAfter(std::string_view previousLine) const {
    const std::string_view lines = text_;
    if (lines.empty()) {
        return lines;
    }
    const std::size_t firstLineEnd = lines.find("\r\n") + 2;
    return lines.substr(0, firstLineEnd) == previousLine ? lines.substr(firstLineEnd) : lines;
}

void LegLines::append(const LegLines& other) {
    const std::string_view lines = other.linesAfter(lastLine());
    if (lines.empty()) {
        return;
    }
    // The other's last line ends what is added.
    lastLineStart_ = text_.size() + lines.size() - other.lastLine().size();
    text_ += lines;
}

void LegLines::clear() {
    text_.clear();
    lastLineStart_ = 0;
}

}  // namespace vantrel

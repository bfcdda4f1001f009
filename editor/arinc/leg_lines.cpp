#include "leg_lines.h"

#include "records.h"

namespace vantrel {

std::string_view LegLines::lastLine() const {
    return std::string_view(text_).substr(lastLineStart_);
}

void LegLines::add(const LegRow& leg) {
    const std::size_t start = text_.size();
    AppendLegRecord(text_, leg);
    text_ += "\r\n";
    const std::string_view lines = text_;
    if (start > 0 && lines.substr(start) == lines.substr(lastLineStart_, start - lastLineStart_)) {
        text_.resize(start);
        return;
    }
    lastLineStart_ = start;
}

void LegLines::append(const LegLines& other) {
    std::string_view lines = other.text_;
    if (lines.empty()) {
        return;
    }
    const std::size_t firstLineEnd = lines.find("\r\n") + 2;
    std::size_t otherLastStart = other.lastLineStart_;
    if (!empty() && lines.substr(0, firstLineEnd) == lastLine()) {
        if (firstLineEnd == lines.size()) {
            return;
        }
        lines.remove_prefix(firstLineEnd);
        otherLastStart -= firstLineEnd;
    }
    lastLineStart_ = text_.size() + otherLastStart;
    text_ += lines;
}

void LegLines::clear() {
    text_.clear();
    lastLineStart_ = 0;
}

}  // namespace vantrel

// The legs of a route or a procedure as the leg record lines of a procedure file, each ended with
// CR LF: a route's lines are made once and joined into every procedure that flies the route. The
// same fix twice in a row, where one route ends and the next begins, or a hold at the fix just
// reached, is one leg.
#pragma once

#include <string>
#include <string_view>

namespace vantrel {

class LegLines {
  public:
    // Adds the leg's line unless the last line is the same.
    void add(std::string_view name, std::string_view latitude, std::string_view longitude);
    // Adds the other's lines, but its first when it is the same as the last line here.
    void append(const LegLines& other);
    void clear();

    bool empty() const { return text_.empty(); }
    const std::string& text() const { return text_; }
    std::string_view lastLine() const { return std::string_view(text_).substr(lastLineStart_); }
    // The lines to write after `previousLine`: all of them, but the first when it is the same.
    std::string_view linesAfter(std::string_view previousLine) const;

  private:
    std::string text_;
    std::size_t lastLineStart_ = 0;
};

}  // namespace vantrel

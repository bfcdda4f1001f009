// The progress line of long commands: one line on standard error, rewritten in place, shown only
// when standard error is a terminal, so that scripts and files get the results alone.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vantrel::cli {

class ProgressLine {
  public:
    ProgressLine();
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // Replaces the line's text with "[STEP/STEPS] TEXT".
    void show(std::size_t step, std::size_t steps, std::string_view text);
    // Replaces the line's text.
    void show(std::string_view text);
    // Removes the line, before other output or at the end.
    void clear();

  private:
    bool terminal_;
    std::size_t shown_ = 0;  // characters on the line now
};

}  // namespace vantrel::cli

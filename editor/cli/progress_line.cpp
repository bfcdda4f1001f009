#include "progress_line.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vantrel::cli {
namespace {

bool StandardErrorIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

// Long names would wrap and leave lines behind; a terminal is at least this wide.
constexpr std::size_t kWidth = 79;

}  // namespace

ProgressLine::ProgressLine() : terminal_(StandardErrorIsTerminal()) {}

ProgressLine::~ProgressLine() {
    clear();
}

void ProgressLine::show(std::size_t step, std::size_t steps, std::string_view text) {
    std::string line = "[";
    line += std::to_string(step);
    line += '/';
    line += std::to_string(steps);
    line += "] ";
    line += text;
    show(line);
}

void ProgressLine::show(std::string_view text) {
    if (!terminal_) {
        return;
    }
    text = text.substr(0, kWidth);
    std::string line = "\r";
    line += text;
    if (text.size() < shown_) {
        line.append(shown_ - text.size(), ' ');
    }
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    shown_ = text.size();
}

void ProgressLine::clear() {
    if (!terminal_ || shown_ == 0) {
        return;
    }
    std::string blank(shown_ + 2, ' ');
    blank.front() = '\r';
    blank.back() = '\r';
    std::fputs(blank.c_str(), stderr);
    std::fflush(stderr);
    shown_ = 0;
}

}  // namespace vantrel::cli

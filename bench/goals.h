// Goals of the benchmarks, each an upper bound of one figure. A benchmark's table shows each goal
// beside its figure and says when it is missed; run with --figures, the benchmark also prints one
// line per figure with a goal, "figure<TAB>name<TAB>value<TAB>limit", which scripts/bench --check
// gathers over several runs.
#pragma once

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace vantrel::bench {

struct Goal {
    const char* name;  // the figure's name in the --figures lines
    double limit;      // the largest value that meets the goal
    const char* unit;  // "ms" or "MB"; empty for a ratio to a baseline
};

class Figures {
  public:
    // Takes the benchmark's arguments: none, or --figures. Exits with a usage line on others.
    Figures(int argc, char* argv[]) : print_(argc == 2 && std::string(argv[1]) == "--figures") {
        if (argc > 1 && !print_) {
            std::fprintf(stderr, "usage: %s [--figures]\n", argv[0]);
            std::exit(2);
        }
    }

    // Records the figure and returns its goal as the table shows it: "goal: within 2" for a ratio,
    // "goal: under 50 ms" otherwise, followed by "; MISSED" when the value is above the limit.
    std::string check(const Goal& goal, double value) {
        const std::string limit = Number(goal.limit);
        lines_ +=
            std::string("figure\t") + goal.name + "\t" + Number(value, 3) + "\t" + limit + "\n";
        const std::string text =
            *goal.unit != '\0' ? "goal: under " + limit + " " + goal.unit : "goal: within " + limit;
        return text + (value > goal.limit ? "; MISSED" : "");
    }

    // With --figures, prints the line of each recorded figure.
    void print() const {
        if (print_) {
            std::fputs(lines_.c_str(), stdout);
        }
    }

  private:
    // The number with a decimal point whatever the locale, with `decimals` decimals or, without
    // them, as few digits as tell it apart.
    static std::string Number(double value, int decimals = -1) {
        char text[64];
        const auto end = decimals < 0 ? std::to_chars(text, text + sizeof text, value).ptr
                                      : std::to_chars(text, text + sizeof text, value,
                                                      std::chars_format::fixed, decimals)
                                            .ptr;
        return std::string(text, end);
    }

    bool print_;
    std::string lines_;
};

}  // namespace vantrel::bench

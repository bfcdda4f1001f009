#include "procedure_check.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <utility>

#include "records.h"

namespace vantrel {
namespace {

enum class LineEnd { CrLf, Cr, Lf, None };

struct PhysicalLine {
    std::string_view text;
    LineEnd end;
};

std::vector<PhysicalLine> SplitPhysicalLines(std::string_view text) {
    std::vector<PhysicalLine> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t stop = text.find_first_of("\r\n", start);
        if (stop == std::string_view::npos) {
            lines.push_back({text.substr(start), LineEnd::None});
            break;
        }
        LineEnd end = text[stop] == '\n' ? LineEnd::Lf : LineEnd::Cr;
        std::size_t next = stop + 1;
        if (end == LineEnd::Cr && next < text.size() && text[next] == '\n') {
            end = LineEnd::CrLf;
            ++next;
        }
        lines.push_back({text.substr(start, stop - start), end});
        start = next;
    }
    return lines;
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    quoted += text;
    quoted += '"';
    return quoted;
}

// One finding per kind of foreign line end, at its first line.
void CheckLineEnds(const std::vector<PhysicalLine>& lines, std::vector<Finding>& findings) {
    for (const auto& [end, name] : {std::pair{LineEnd::Lf, "LF"}, std::pair{LineEnd::Cr, "CR"}}) {
        std::size_t first = 0;
        std::size_t count = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].end == end) {
                first = first == 0 ? i + 1 : first;
                ++count;
            }
        }
        if (count == 0) {
            continue;
        }
        std::string message = "line ends with " + std::string(name) + " alone, not CR LF";
        if (count > 1) {
            message += " (" + std::to_string(count) + " lines of this file)";
        }
        if (end == LineEnd::Lf) {
            message += "; the editor reads such lines as one";
        }
        findings.push_back({first, FindingKind::LineEnds, std::move(message)});
    }
}

bool IsDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::size_t NonEmptyFields(const std::vector<std::string_view>& fields) {
    return static_cast<std::size_t>(
        std::count_if(fields.begin(), fields.end(), [](std::string_view f) { return !f.empty(); }));
}

// Reads the records in file order, remembering what the next header needs to know.
class RecordChecker {
  public:
    explicit RecordChecker(std::vector<Finding>& findings) : findings_(findings) {}

    void line(std::size_t number, std::string_view text) {
        if (text.find(kEndMarker) != std::string_view::npos) {
            // A block ends before the end marker: no procedure runs on past it.
            previousHeader_ = 0;
        } else if (!IsRecord(text)) {
            emptySinceHeader_ = emptySinceHeader_ || text.empty();
            return;
        }
        const std::vector<std::string_view> fields = SplitFields(text);
        if (fields[0] == "P") {
            header(number, fields);
        } else if (fields[0] == "S") {
            leg(number, fields);
        }
    }

  private:
    void add(std::size_t line, FindingKind kind, std::string message) {
        findings_.push_back({line, kind, std::move(message)});
    }

    void header(std::size_t number, const std::vector<std::string_view>& fields) {
        const std::size_t count = NonEmptyFields(fields);
        // Written as P|name|runway| |0|0|: a longer line ending so holds a "|" in its name or
        // runway.
        const bool usualEnd = fields.size() > 7 && fields[fields.size() - 4] == " " &&
                              fields[fields.size() - 3] == "0" &&
                              fields[fields.size() - 2] == "0" && fields.back().empty();
        if (count != 6 && usualEnd) {
            add(number, FindingKind::SeparatorInName,
                "header holds a \"|\" inside its procedure name or runway; it has " +
                    std::to_string(count) + " fields, not six");
        } else if (count != 6) {
            add(number, FindingKind::HeaderFields,
                "header has " + std::to_string(count) +
                    " fields (empty ones not counted), not six: P, name, runway, \" \", 0, 0");
        }
        if (previousHeader_ != 0 && !emptySinceHeader_) {
            add(number, FindingKind::NoEmptyLine,
                "no empty line between the procedure at line " + std::to_string(previousHeader_) +
                    " and this header: the editor reads this procedure's legs as part of that "
                    "one");
        }
        const std::string_view name = fields.size() > 1 ? fields[1] : std::string_view();
        const std::string_view runway = fields.size() > 2 ? fields[2] : std::string_view();
        for (const auto& [what, text] : {std::pair{"procedure name", name}, {"runway", runway}}) {
            if (text.find('@') != std::string_view::npos) {
                add(number, FindingKind::SeparatorInName,
                    std::string(what) + " " + Quoted(text) +
                        " holds \"@\", which separates the name from the runway in the editor's "
                        "lists: the editor cannot find this procedure");
            }
        }
        const auto key = std::pair{std::string(TrimBlanks(name)), std::string(TrimBlanks(runway))};
        if (const auto seen = entries_.find(key); seen != entries_.end()) {
            add(number, FindingKind::SameEntry,
                "procedure " + key.first + " @ " + key.second + " is already at line " +
                    std::to_string(seen->second) + ": two procedures with the same entry");
        } else {
            entries_.emplace(key, number);
        }
        previousHeader_ = number;
        emptySinceHeader_ = false;
    }

    void leg(std::size_t number, const std::vector<std::string_view>& fields) {
        constexpr std::size_t kLegFields = 19;
        if (fields.size() > kLegFields && !CoordinateProblem(fields[2], true).empty() &&
            CoordinateProblem(fields[fields.size() - 17], true).empty() &&
            CoordinateProblem(fields[fields.size() - 16], false).empty()) {
            // The coordinates stand further right than their place: the fix name holds "|".
            add(number, FindingKind::SeparatorInName,
                "leg holds a \"|\" inside its fix name; it has " + std::to_string(fields.size()) +
                    " fields, not nineteen");
            return;
        }
        if (fields.size() != kLegFields) {
            add(number, FindingKind::LegFields,
                "leg has " + std::to_string(fields.size()) + " fields, not nineteen");
        }
        for (const auto& [index, latitude] : {std::pair{2u, true}, std::pair{3u, false}}) {
            if (fields.size() > index) {
                std::string problem = CoordinateProblem(fields[index], latitude);
                if (!problem.empty()) {
                    add(number, FindingKind::Coordinate, std::move(problem));
                }
            }
        }
    }

    std::vector<Finding>& findings_;
    std::size_t previousHeader_ = 0;  // line of the last header of the current run, 0 for none
    bool emptySinceHeader_ = false;
    std::map<std::pair<std::string, std::string>, std::size_t> entries_;
};

}  // namespace

std::string CoordinateProblem(std::string_view text, bool latitude) {
    const char* what = latitude ? "latitude " : "longitude ";
    const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
    if (!IsDigits(digits)) {
        return what + Quoted(text) +
               " is not coordinate text: degrees times 1,000,000 as digits with an optional "
               "minus sign, like 47539776 or -0621681";
    }
    const std::string_view significant =
        digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
    const std::uint64_t limit = latitude ? 90'000'000 : 180'000'000;
    if (significant.size() > 9 ||
        std::stoull(std::string("0") + std::string(significant)) > limit) {
        return what + std::string(text) + " is out of range: -" + std::to_string(limit) + " to " +
               std::to_string(limit);
    }
    return {};
}

std::vector<Finding> CheckProcedureText(std::string_view text) {
    const std::vector<PhysicalLine> lines = SplitPhysicalLines(text);
    std::vector<Finding> findings;
    CheckLineEnds(lines, findings);
    RecordChecker records(findings);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        records.line(i + 1, lines[i].text);
    }
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return std::pair{a.line, a.kind} < std::pair{b.line, b.kind};
    });
    return findings;
}

}  // namespace vantrel

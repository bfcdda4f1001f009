// Fuzz target: ComputePbdPoint with fuzzed texts. Input: source latitude, NUL, source longitude,
// NUL, track, NUL, distance, NUL, name. A computed point is a NavRecord of the name with
// coordinate texts on the earth: latitude within 90 degrees, longitude within 180; a track or
// distance that is not wholly a number makes none.
#include <string>

#include "fuzz_support.h"
#include "pbd_point.h"

using namespace vantrel;
using namespace vantrel::fuzz;

namespace {

// A coordinate text: an optional minus sign and at least seven digits (six decimals); true when
// its value lies within `limit` degrees.
bool CoordinateWithin(std::string_view text, int limit) {
    if (text.starts_with('-')) {
        text.remove_prefix(1);
    }
    if (text.size() < 7 || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return false;
    }
    const std::string_view integer = text.substr(0, text.size() - 6);
    const std::size_t significant = integer.find_first_not_of('0');
    if (significant == std::string_view::npos) {
        return true;
    }
    if (integer.size() - significant > 3) {
        return false;
    }
    const int degrees = std::stoi(std::string(integer.substr(significant)));
    return degrees < limit || (degrees == limit && text.substr(text.size() - 6) == "000000");
}

std::size_t Digits(std::string_view text, std::size_t at) {
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        ++at;
    }
    return at;
}

// Whether the typed text, without blanks, tabs and line feeds, is
// [+-]digits[.digits][(e|E)[+-]digits].
bool TypedNumber(std::string_view typed) {
    const std::string text = Without(typed, " \t\n");
    std::size_t at = text.starts_with('+') || text.starts_with('-') ? 1 : 0;
    std::size_t end = Digits(text, at);
    if (end == at) {
        return false;
    }
    if (end < text.size() && text[end] == '.') {
        at = end + 1;
        end = Digits(text, at);
        if (end == at) {
            return false;
        }
    }
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        at = end + 1 < text.size() && (text[end + 1] == '+' || text[end + 1] == '-') ? end + 2
                                                                                     : end + 1;
        end = Digits(text, at);
        if (end == at) {
            return false;
        }
    }
    return end == text.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto parts = SplitInput(data, size, 5);
    parts.resize(5);
    const std::string_view name = parts[4];
    const PbdPoint point = ComputePbdPoint(parts[0], parts[1], parts[2], parts[3], name);
    if (point.problem == PbdProblem::TrackNotNumber) {
        Check(!TypedNumber(parts[2]), "a track that is a number is not refused");
    } else if (point.problem == PbdProblem::DistanceNotNumber) {
        Check(TypedNumber(parts[2]) && !TypedNumber(parts[3]),
              "a distance that is a number is not refused");
    } else if (point.problem == PbdProblem::None) {
        Check(TypedNumber(parts[2]) && TypedNumber(parts[3]),
              "a point is computed from numbers only");
    }
    if (point.problem != PbdProblem::None) {
        Check(point.record.empty(), "a point that cannot be computed has no record");
        return 0;
    }
    std::string_view record = point.record;
    Check(record.starts_with(std::string(name) + "|"), "the record begins with the name");
    record.remove_prefix(name.size() + 1);
    const std::size_t bar = record.find('|');
    Check(bar != std::string_view::npos && CoordinateWithin(record.substr(0, bar), 90),
          "the latitude is a coordinate text within 90 degrees");
    record.remove_prefix(bar + 1);
    const std::size_t tag = record.find(kPbdTag);
    Check(tag != std::string_view::npos && tag > 0 && record[tag - 1] == '|' &&
              CoordinateWithin(record.substr(0, tag - 1), 180),
          "the longitude is a coordinate text within 180 degrees");
    Check(record.substr(tag) ==
              std::string(kPbdTag) + std::string(parts[2]) + " DIST: " + std::string(parts[3]),
          "the record ends with the track and distance as typed");
    return 0;
}

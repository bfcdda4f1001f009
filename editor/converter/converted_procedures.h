// The procedure file of one kind that a conversion builds for an airport. It is kept in memory
// until the input file has been read to its end, so that an input that ends early leaves the
// existing procedure files as they were.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "leg_row.h"

namespace vantrel {

class ConvertedProcedures {
  public:
    void addHeader(std::string_view name, std::string_view runway);
    void addLeg(const LegRow& leg);
    // Leg records already made into lines, each ended with CR LF.
    void addLegLines(std::string_view lines) { text_ += lines; }
    // Two empty lines close every procedure.
    void endProcedure();
    // Leaves no procedure, keeping the memory for the next file.
    void clear() {
        text_.clear();
        procedures_ = 0;
    }

    std::size_t procedures() const { return procedures_; }
    // The file's bytes, every line ended with CR LF.
    const std::string& text() const { return text_; }

  private:
    std::string text_;
    std::size_t procedures_ = 0;
};

// Makes `target` hold the procedures, or deletes it when there are none, as an airport without
// procedures of a kind has no file of that kind. False when the file cannot be written; a file
// that could be opened but not completely written is deleted.
bool StoreProcedures(const ConvertedProcedures& procedures, const std::filesystem::path& target);

}  // namespace vantrel

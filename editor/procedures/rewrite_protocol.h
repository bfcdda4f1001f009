// The one way every change to a procedure file is made: the lines before the selected procedure
// are copied to a ".tmp" file beside it, an operation writes what takes the procedure's place,
// the rest of the file is copied unchanged, and the ".tmp" file then replaces the procedure file
// in one atomic rename. A rewrite that cannot be completed leaves the procedure file untouched and
// removes the ".tmp" file it made. A file that holds a line feed without a CR before it is never
// rewritten: it would be written back as it reads, as fewer, longer lines.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text_lines.h"

namespace vantrel {

enum class RewriteStatus {
    Done,
    FileMissing,        // the procedure file cannot be opened
    ProcedureNotFound,  // the file ends before the selected procedure's header
    FileError,          // reading, writing or replacing the file failed
    BareLineFeed,       // the file holds a line feed without a CR before it; it is untouched
    ReadOnly,           // the file is read-only (see IsReadOnly); it is untouched
};

// The selected procedure's block as the operation sees it: the header line and the lines that
// follow it, up to the next header line or end-marker line.
class ProcedureBlock {
  public:
    ProcedureBlock(LineReader& reader, std::string header);

    const std::string& header() const { return header_; }
    // True when no line at all follows the header.
    bool headerEndsFile();
    // Reads the rest of the block and drops it.
    void dropRest();
    // The line that ended the block, if read, followed by every remaining line of the file.
    void copyTail(LineWriter& out);

  private:
    bool peek();

    LineReader& reader_;
    std::string header_;
    std::optional<std::string> pending_;
    bool endOfFile_ = false;
};

using BlockOperation = std::function<void(ProcedureBlock& block, LineWriter& out)>;

RewriteStatus RewriteProcedure(const std::filesystem::path& file, std::string_view entry,
                               int occurrence, const BlockOperation& operation);

// Replaces the file, in the same way, by its bytes as they are followed by the lines, each ending
// with CR LF. A last line without a line end is first completed with CR LF, so that the first new
// line stands on a line of its own. A missing file counts as empty; its folder must exist. Done,
// BareLineFeed, ReadOnly or FileError.
RewriteStatus AppendLines(const std::filesystem::path& file, const std::vector<std::string>& lines);

// Puts `replacement` in the place of `target` in one step, so that a crash at any moment leaves
// either the old or the new file whole.
bool ReplaceFile(const std::filesystem::path& replacement, const std::filesystem::path& target);

}  // namespace vantrel

#include "rewrite_protocol.h"

#include "bare_line_feed.h"
#include "procedure_file.h"
#include "procedure_reader.h"
#include "records.h"

namespace vantrel {
namespace {

bool EndsBlock(std::string_view line) {
    return line.starts_with("P|") || line.find(kEndMarker) != std::string_view::npos;
}

}  // namespace

ProcedureBlock::ProcedureBlock(LineReader& reader, std::string header)
    : reader_(reader), header_(std::move(header)) {}

bool ProcedureBlock::peek() {
    if (!pending_ && !endOfFile_) {
        std::string line;
        if (reader_.next(line)) {
            pending_ = std::move(line);
        } else {
            endOfFile_ = true;
        }
    }
    return pending_.has_value();
}

bool ProcedureBlock::headerEndsFile() {
    return !peek();
}

void ProcedureBlock::dropRest() {
    while (peek() && !EndsBlock(*pending_)) {
        pending_.reset();
    }
}

void ProcedureBlock::copyTail(LineWriter& out) {
    if (pending_) {
        out.write(*pending_);
        pending_.reset();
    }
    if (endOfFile_) {
        return;
    }
    std::string line;
    while (reader_.next(line)) {
        out.write(line);
    }
    endOfFile_ = true;
}

namespace {

// Writes the new content of `file` into `temporary`; both files are closed on return.
// `temporaryMade` tells whether the temporary file was created (or emptied) here.
RewriteStatus WriteRewrittenCopy(const std::filesystem::path& file,
                                 const std::filesystem::path& temporary, std::string_view entry,
                                 int occurrence, const BlockOperation& operation,
                                 bool& temporaryMade) {
    LineReader reader(file);
    if (!reader.isOpen()) {
        return RewriteStatus::FileMissing;
    }
    LineWriter out(temporary, LineWriter::Mode::Truncate);
    if (!out.isOpen()) {
        return RewriteStatus::FileError;
    }
    temporaryMade = true;
    RewriteStatus status = RewriteStatus::Done;
    auto header = FindProcedureHeader(reader, entry, occurrence,
                                      [&out](const std::string& line) { out.write(line); });
    if (!header) {
        status = reader.failed() ? RewriteStatus::FileError : RewriteStatus::ProcedureNotFound;
    } else {
        ProcedureBlock block(reader, std::move(*header));
        operation(block, out);
        block.copyTail(out);
        if (reader.failed()) {
            status = RewriteStatus::FileError;
        }
    }
    if (!out.close() && status == RewriteStatus::Done) {
        status = RewriteStatus::FileError;
    }
    return status;
}

// Writes the bytes of `file` followed by the lines into `temporary`, which is closed on return.
RewriteStatus WriteExtendedCopy(const std::filesystem::path& file,
                                const std::filesystem::path& temporary,
                                const std::vector<std::string>& lines, bool& temporaryMade) {
    const std::optional<std::string> bytes = ReadFileBytes(file);
    if (!bytes) {
        return RewriteStatus::FileError;
    }
    if (HoldsBareLineFeed(*bytes)) {
        return RewriteStatus::BareLineFeed;
    }
    LineWriter out(temporary, LineWriter::Mode::Truncate);
    if (!out.isOpen()) {
        return RewriteStatus::FileError;
    }
    temporaryMade = true;
    out.writeBytes(*bytes);
    if (!bytes->empty() && bytes->back() != '\r' && bytes->back() != '\n') {
        out.writeBytes("\r\n");
    }
    for (const std::string& line : lines) {
        out.write(line);
    }
    return out.close() ? RewriteStatus::Done : RewriteStatus::FileError;
}

// Puts the temporary file in the place of `file` when the copy is complete, and otherwise removes
// it if it was made here: something else of that name, a folder say, is not touched.
RewriteStatus Finish(RewriteStatus status, const std::filesystem::path& temporary,
                     bool temporaryMade, const std::filesystem::path& file) {
    if (status == RewriteStatus::Done && !ReplaceFile(temporary, file)) {
        status = RewriteStatus::FileError;
    }
    if (status != RewriteStatus::Done && temporaryMade) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
    }
    return status;
}

}  // namespace

RewriteStatus RewriteProcedure(const std::filesystem::path& file, std::string_view entry,
                               int occurrence, const BlockOperation& operation) {
    if (IsReadOnly(file)) {
        return RewriteStatus::ReadOnly;
    }
    if (FileHoldsBareLineFeed(file)) {
        return RewriteStatus::BareLineFeed;
    }
    const std::filesystem::path temporary = SiblingWithExtension(file, ".tmp");
    bool temporaryMade = false;
    const RewriteStatus status =
        WriteRewrittenCopy(file, temporary, entry, occurrence, operation, temporaryMade);
    return Finish(status, temporary, temporaryMade, file);
}

RewriteStatus AppendLines(const std::filesystem::path& file,
                          const std::vector<std::string>& lines) {
    if (IsReadOnly(file)) {
        return RewriteStatus::ReadOnly;
    }
    const std::filesystem::path temporary = SiblingWithExtension(file, ".tmp");
    bool temporaryMade = false;
    const RewriteStatus status = WriteExtendedCopy(file, temporary, lines, temporaryMade);
    return Finish(status, temporary, temporaryMade, file);
}

bool ReplaceFile(const std::filesystem::path& replacement, const std::filesystem::path& target) {
    std::error_code error;
    std::filesystem::rename(replacement, target, error);
    return !error;
}

}  // namespace vantrel

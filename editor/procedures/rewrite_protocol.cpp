#include "rewrite_protocol.h"

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
RewriteStatus WriteRewrittenCopy(const std::filesystem::path& file,
                                 const std::filesystem::path& temporary, std::string_view entry,
                                 int occurrence, const BlockOperation& operation) {
    LineReader reader(file);
    if (!reader.isOpen()) {
        return RewriteStatus::FileMissing;
    }
    LineWriter out(temporary, LineWriter::Mode::Truncate);
    if (!out.isOpen()) {
        return RewriteStatus::FileError;
    }
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

}  // namespace

RewriteStatus RewriteProcedure(const std::filesystem::path& file, std::string_view entry,
                               int occurrence, const BlockOperation& operation) {
    const std::filesystem::path temporary = SiblingWithExtension(file, ".tmp");
    RewriteStatus status = WriteRewrittenCopy(file, temporary, entry, occurrence, operation);
    if (status == RewriteStatus::Done && !ReplaceFile(temporary, file)) {
        status = RewriteStatus::FileError;
    }
    if (status != RewriteStatus::Done && status != RewriteStatus::FileMissing) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
    }
    return status;
}

bool ReplaceFile(const std::filesystem::path& replacement, const std::filesystem::path& target) {
    std::error_code error;
    std::filesystem::rename(replacement, target, error);
    return !error;
}

}  // namespace vantrel

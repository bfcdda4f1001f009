#include "text_lines.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vantrel {
namespace {

constexpr std::size_t kReadChunk = 1 << 16;

std::FILE* OpenFile(const std::filesystem::path& file, const char* mode) {
#ifdef _WIN32
    std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(file.c_str(), wideMode.c_str());
#else
    return std::fopen(file.c_str(), mode);
#endif
}

// Pushes the file's data from the system's caches to the disk, so that a file that is renamed
// over another one afterwards is complete even after a power failure.
bool SyncToDisk(std::FILE* file) {
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

}  // namespace

LineReader::LineReader(const std::filesystem::path& file, Ends ends)
    : ends_(ends), buffer_(std::make_unique_for_overwrite<char[]>(kChunkBytes)) {
    file_ = OpenFile(file, "rb");
    missing_ = !file_ && errno == ENOENT;
}

LineReader::~LineReader() {
    if (file_) {
        std::fclose(file_);
    }
}

bool LineReader::fill() {
    if (!file_ || failed_) {
        return false;
    }
    length_ = std::fread(buffer_.get(), 1, kChunkBytes, file_);
    position_ = 0;
    bytesRead_ += length_;
    if (length_ == 0 && std::ferror(file_)) {
        failed_ = true;
    }
    return length_ > 0;
}

bool LineReader::next(std::string& line) {
    std::string_view view;
    const bool read = next(view);
    line.assign(view);
    return read;
}

bool LineReader::nextAcrossChunks(std::string_view& line) {
    spanning_.clear();
    line = {};
    bool readAnything = false;
    for (;;) {
        if (position_ == length_ && !fill()) {
            line = spanning_;
            if (!readAnything || failed_) {
                return false;
            }
            ++lineNumber_;
            return true;
        }
        readAnything = true;
        const char* start = buffer_.get() + position_;
        const char* end = buffer_.get() + length_;
        const char* stop = findLineEnd(start, end);
        if (stop == end) {
            spanning_.append(start, end);
            position_ = length_;
            continue;
        }
        position_ = static_cast<std::size_t>(stop - buffer_.get()) + 1;
        const bool carriageReturn = *stop == '\r';
        // Most lines lie within the buffer and its next byte tells whether a line feed follows a
        // carriage return.
        if (spanning_.empty() && (position_ < length_ || !carriageReturn)) {
            line = std::string_view(start, static_cast<std::size_t>(stop - start));
        } else {
            spanning_.append(start, stop);
            if (carriageReturn && position_ == length_ && !fill()) {
                line = spanning_;
                ++lineNumber_;
                return !failed_;
            }
            line = spanning_;
        }
        // A line feed right after the carriage return belongs to the same line end.
        if (carriageReturn && buffer_[position_] == '\n') {
            ++position_;
        }
        ++lineNumber_;
        return true;
    }
}

LineWriter::LineWriter(const std::filesystem::path& file, Mode mode)
    : file_(OpenFile(file, mode == Mode::Append ? "ab" : "wb")) {}

LineWriter::~LineWriter() {
    if (file_) {
        std::fclose(file_);
    }
}

void LineWriter::write(std::string_view line) {
    writeBytes(line);
    writeBytes("\r\n");
}

void LineWriter::writeBytes(std::string_view bytes) {
    if (!file_ || std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
        failed_ = true;
    }
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file) {
    std::FILE* in = OpenFile(file, "rb");
    if (!in) {
        return errno == ENOENT ? std::optional<std::string>(std::string()) : std::nullopt;
    }
    std::string bytes;
    char chunk[kReadChunk];
    std::size_t read;
    while ((read = std::fread(chunk, 1, sizeof chunk, in)) > 0) {
        bytes.append(chunk, read);
    }
    const bool failed = std::ferror(in) != 0;
    std::fclose(in);
    return failed ? std::nullopt : std::optional<std::string>(std::move(bytes));
}

bool LineWriter::close() {
    if (!file_) {
        return false;
    }
    bool ok = !failed_ && std::fflush(file_) == 0 && SyncToDisk(file_);
    ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    return ok;
}

}  // namespace vantrel

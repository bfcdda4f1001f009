#include "record_reader.h"

namespace vantrel {
namespace {

constexpr std::size_t kReadChunk = 1 << 16;

std::FILE* OpenForReading(const std::filesystem::path& file) {
#ifdef _WIN32
    return _wfopen(file.c_str(), L"rb");
#else
    return std::fopen(file.c_str(), "rb");
#endif
}

}  // namespace

RecordReader::RecordReader(const std::filesystem::path& file)
    : file_(OpenForReading(file)), buffer_(kReadChunk) {}

RecordReader::~RecordReader() {
    if (file_) {
        std::fclose(file_);
    }
}

bool RecordReader::fill() {
    if (!file_ || failed_) {
        return false;
    }
    length_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    position_ = 0;
    bytesRead_ += length_;
    if (length_ == 0 && std::ferror(file_)) {
        failed_ = true;
    }
    return length_ > 0;
}

bool RecordReader::next(std::string_view& line) {
    spanning_.clear();
    bool readAnything = false;
    for (;;) {
        if (position_ == length_ && !fill()) {
            if (!readAnything || failed_) {
                return false;
            }
            line = spanning_;
            ++lineNumber_;
            return true;
        }
        if (lineFeedEndsCarriageReturn_) {
            // The CR LF of the last line was cut by the buffer's end.
            lineFeedEndsCarriageReturn_ = false;
            if (buffer_[position_] == '\n') {
                ++position_;
                continue;
            }
        }
        readAnything = true;
        const char* start = buffer_.data() + position_;
        const char* end = buffer_.data() + length_;
        const char* lineEnd = start;
        while (lineEnd != end && *lineEnd != '\n' && *lineEnd != '\r') {
            ++lineEnd;
        }
        if (lineEnd == end) {
            spanning_.append(start, end);
            position_ = length_;
            continue;
        }
        position_ = static_cast<std::size_t>(lineEnd - buffer_.data()) + 1;
        if (spanning_.empty()) {
            line = std::string_view(start, static_cast<std::size_t>(lineEnd - start));
        } else {
            spanning_.append(start, lineEnd);
            line = spanning_;
        }
        if (*lineEnd == '\r') {
            if (position_ == length_) {
                lineFeedEndsCarriageReturn_ = true;
            } else if (buffer_[position_] == '\n') {
                ++position_;
            }
        }
        ++lineNumber_;
        return true;
    }
}

}  // namespace vantrel

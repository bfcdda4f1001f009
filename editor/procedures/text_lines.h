// The one line reader and the one line writer of every text file the editor reads or writes.
// A line ends at CR or at CR LF; a line feed alone does not end a line, except in the files of
// other programs that the editor only reads. Every line written ends with CR LF.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "line_end_search.h"

namespace vantrel {

class LineReader {
  public:
    // The part of a file read at a time: large, as the big files read (navigation data, ARINC 424
    // files) take a system call per part.
    static constexpr std::size_t kChunkBytes = 1 << 18;

    // What ends a line: CR or CR LF, as in the files the editor writes; or, for files of other
    // programs that are only read (navigation data, ARINC 424 files), a line feed alone as well.
    enum class Ends { CrOrCrLf, AlsoLineFeed };
    explicit LineReader(const std::filesystem::path& file, Ends ends = Ends::CrOrCrLf);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // True when the file could not be opened because it does not exist.
    bool missing() const { return missing_; }
    // Reads the next line without its line end; false at the end of the file or on a read error.
    bool next(std::string& line);
    // The same without a copy: the view stays valid until the next call.
    bool next(std::string_view& line);
    // True when reading stopped because of an error rather than the end of the file.
    bool failed() const { return failed_; }
    // The number of the line last returned, from 1, as a text editor counts lines.
    std::size_t lineNumber() const { return lineNumber_; }
    std::uintmax_t bytesRead() const { return bytesRead_; }

  private:
    bool fill();
    // The first line-end byte in [start, end), or `end`.
    const char* findLineEnd(const char* start, const char* end) const;
    // The next line when it reaches the end of the buffer: it is read on from the next chunk.
    bool nextAcrossChunks(std::string_view& line);

    Ends ends_;
    std::FILE* file_ = nullptr;
    std::unique_ptr<char[]> buffer_;  // kChunkBytes, not filled before a read
    std::string spanning_;            // a line that runs across two buffer fills
    std::size_t position_ = 0;
    std::size_t length_ = 0;
    std::size_t lineNumber_ = 0;
    std::uintmax_t bytesRead_ = 0;
    bool missing_ = false;
    bool failed_ = false;
};

class LineWriter {
  public:
    enum class Mode { Truncate, Append };
    LineWriter(const std::filesystem::path& file, Mode mode);
    ~LineWriter();
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // Writes the text followed by CR LF.
    void write(std::string_view line);
    // Writes the bytes as they are.
    void writeBytes(std::string_view bytes);
    // Flushes the data to the disk and closes the file; false when any write failed.
    bool close();

  private:
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

// The file's bytes as they are. A missing file reads as empty; no value when the file exists but
// cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file);

inline const char* LineReader::findLineEnd(const char* start, const char* end) const {
    if (ends_ == Ends::CrOrCrLf) {
        const void* carriageReturn =
            std::memchr(start, '\r', static_cast<std::size_t>(end - start));
        return carriageReturn ? static_cast<const char*>(carriageReturn) : end;
    }
    return FindCrOrLf(start, end);
}

// Inline for the scans of large files, which call it for every line.
inline bool LineReader::next(std::string_view& line) {
    const char* start = buffer_.get() + position_;
    const char* end = buffer_.get() + length_;
    const char* stop = findLineEnd(start, end);
    // Most lines end within the buffer with a byte after their end, which tells whether a line
    // feed follows a carriage return.
    if (end - stop < 2) {
        return nextAcrossChunks(line);
    }
    line = std::string_view(start, static_cast<std::size_t>(stop - start));
    position_ = static_cast<std::size_t>(stop - buffer_.get()) + 1;
    if (stop[0] == '\r' && stop[1] == '\n') {
        ++position_;
    }
    ++lineNumber_;
    return true;
}

}  // namespace vantrel

// The line reader of ARINC 424 files: records of 132 columns, one a line, ended by CR LF, LF or
// CR, as such files come from different systems. It counts lines and the bytes read, for the
// reasons and the progress of an import.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class RecordReader {
  public:
    explicit RecordReader(const std::filesystem::path& file);
    ~RecordReader();
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // The next line without its line end; the view stays valid until the next call. False at the
    // end of the file or on a read error.
    bool next(std::string_view& line);
    // The number of the line last returned, from 1, as a text editor counts lines.
    std::size_t lineNumber() const { return lineNumber_; }
    std::uintmax_t bytesRead() const { return bytesRead_; }
    // True when reading stopped because of an error rather than the end of the file.
    bool failed() const { return failed_; }

  private:
    bool fill();

    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    std::string spanning_;  // a line that runs across two buffer fills
    std::size_t position_ = 0;
    std::size_t length_ = 0;
    std::size_t lineNumber_ = 0;
    std::uintmax_t bytesRead_ = 0;
    bool lineFeedEndsCarriageReturn_ = false;  // the last line ended with CR at a buffer's end
    bool failed_ = false;
};

}  // namespace vantrel

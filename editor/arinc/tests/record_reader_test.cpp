// The record reader: CR LF, LF and CR line ends, mixed in one file and cut by the buffer's end,
// a last line without an end, line numbers and bytes read.
#include "record_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temp_folder.h"

namespace vantrel {
namespace {

using testing::TempFolder;
using Lines = std::vector<std::string>;

Lines ReadAll(const std::string& bytes, std::vector<std::size_t>* numbers = nullptr) {
    TempFolder folder;
    const auto file = folder.write("FAACIFP18", bytes);
    RecordReader reader(file);
    EXPECT_TRUE(reader.isOpen());
    Lines lines;
    std::string_view line;
    while (reader.next(line)) {
        lines.emplace_back(line);
        if (numbers) {
            numbers->push_back(reader.lineNumber());
        }
    }
    EXPECT_FALSE(reader.failed());
    EXPECT_EQ(reader.bytesRead(), bytes.size());
    return lines;
}

TEST(RecordReader, EndsLinesAtCrLfLfOrCr) {
    struct Case {
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"A\r\nB\r\n", {"A", "B"}},
        {"A\nB\n", {"A", "B"}},
        {"A\rB\r", {"A", "B"}},
        {"A\r\nB\nC\rD", {"A", "B", "C", "D"}},
        {"A\n\nB\r\r\nC", {"A", "", "B", "", "C"}},
        {"", {}},
        {"\r\n", {""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadAll(c.bytes), c.lines) << c.bytes;
    }
}

TEST(RecordReader, LinesAcrossTheBufferEndAndTheirNumbers) {
    // Lines of 132 columns fill the reader's 64 KiB buffer unevenly, and a CR LF falls apart at
    // its end: the line before the end has exactly as many bytes as reach to it.
    const std::string record(132, 'S');
    std::string bytes;
    Lines expected;
    const std::size_t firstPart = 65536 - 1 - 40;
    bytes += std::string(firstPart, 'X') + "\r\n" + std::string(38, 'Y') + "\r\n";
    expected.push_back(std::string(firstPart, 'X'));
    expected.push_back(std::string(38, 'Y'));
    for (int i = 0; i < 1200; ++i) {
        bytes += record + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r");
        expected.push_back(record);
    }
    ASSERT_EQ(bytes[65535], '\r');
    std::vector<std::size_t> numbers;
    EXPECT_EQ(ReadAll(bytes, &numbers), expected);
    ASSERT_EQ(numbers.size(), expected.size());
    EXPECT_EQ(numbers.front(), 1u);
    EXPECT_EQ(numbers.back(), expected.size());
}

TEST(RecordReader, AMissingFileIsNotOpen) {
    TempFolder folder;
    RecordReader reader(folder.path() / "none");
    EXPECT_FALSE(reader.isOpen());
    std::string_view line;
    EXPECT_FALSE(reader.next(line));
}

}  // namespace
}  // namespace vantrel

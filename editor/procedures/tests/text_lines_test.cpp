// Line ends as the editor reads and writes them: CR or CR LF end a line, LF alone does not, except
// in the files of other programs.
#include "text_lines.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace vantrel {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

std::vector<std::string> ReadAll(const std::filesystem::path& file,
                                 LineReader::Ends ends = LineReader::Ends::CrOrCrLf) {
    LineReader reader(file, ends);
    std::vector<std::string> lines;
    std::string line;
    while (reader.next(line)) {
        lines.push_back(line);
    }
    return lines;
}

struct LineCase {
    std::string bytes;
    std::vector<std::string> lines;
};

TEST(LineReader, EndsLinesAtCarriageReturns) {
    const std::vector<LineCase> cases = {
        {"", {}},
        {"P|A|27L| |0|0|\r\nS|X|1|2", {"P|A|27L| |0|0|", "S|X|1|2"}},
        {"a\rb\r\n", {"a", "b"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\r\n", {""}},
        {"a\r", {"a"}},
        {"a\r\r\nb", {"a", "", "b"}},
        // Line feeds alone stay inside the line.
        {"P|A|1| |0|0|\nS|B|2|3\n", {"P|A|1| |0|0|\nS|B|2|3\n"}},
        {"a\n\r\nb", {"a\n", "b"}},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        const auto file = folder.write("lines.txt", c.bytes);
        EXPECT_EQ(ReadAll(file), c.lines) << "bytes: " << c.bytes;
    }
}

TEST(LineReader, EndsLinesAtLineFeedsAloneInOtherProgramsFiles) {
    const std::vector<LineCase> cases = {
        {"ABETI|1|2|LH\nKOVEK|3|4|LH\n", {"ABETI|1|2|LH", "KOVEK|3|4|LH"}},
        {"a\r\nb\nc\r\n", {"a", "b", "c"}},
        {"a\rb\nc", {"a", "b", "c"}},
        {"a\r\n\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"A\n\nB\r\r\nC", {"A", "", "B", "", "C"}},
        {"\n", {""}},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        const auto file = folder.write("lines.txt", c.bytes);
        EXPECT_EQ(ReadAll(file, LineReader::Ends::AlsoLineFeed), c.lines) << "bytes: " << c.bytes;
    }
    // Every kind of line end on the reader's chunk boundaries.
    std::string bytes;
    std::vector<std::string> expected;
    const char* const ends[] = {"\n", "\r", "\r\n"};
    for (std::size_t i = 0; i < LineReader::kChunkBytes; ++i) {
        expected.push_back(std::string(static_cast<std::size_t>(i % 7), 'x'));
        bytes += expected.back() + ends[i % 3];
    }
    EXPECT_EQ(ReadAll(folder.write("short.txt", bytes), LineReader::Ends::AlsoLineFeed), expected);
}

TEST(LineReader, JoinsLinesAcrossItsReadChunks) {
    // A CR LF split by the reader's internal chunk boundary still ends one line.
    constexpr std::size_t chunk = LineReader::kChunkBytes;
    for (std::size_t length : {chunk - 1, chunk, chunk + 1, 3 * chunk + 7}) {
        const std::string longLine(length, 'x');
        TempFolder folder;
        const auto file = folder.write("long.txt", longLine + "\r\nnext\r\n");
        EXPECT_EQ(ReadAll(file), (std::vector<std::string>{longLine, "next"})) << length;
    }
}

TEST(LineReader, ViewsEveryLineAcrossChunkBoundaries) {
    // Short lines of every length and both line ends put each kind of line end on a boundary.
    std::string bytes;
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < LineReader::kChunkBytes; ++i) {
        expected.push_back(
            std::string(static_cast<std::size_t>(i % 7), static_cast<char>('a' + i % 26)));
        bytes += expected.back() + (i % 3 == 0 ? "\r" : "\r\n");
    }
    TempFolder folder;
    LineReader reader(folder.write("short.txt", bytes));
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.next(line)) {
        lines.emplace_back(line);
    }
    EXPECT_FALSE(reader.failed());
    EXPECT_EQ(lines, expected);
}

TEST(LineReader, CountsLinesAndBytesAcrossItsReadChunks) {
    // Records of 132 columns fill the reader's chunks unevenly, and a CR LF falls apart at the
    // first chunk's end: the line before it has exactly as many bytes as reach to it.
    constexpr std::size_t chunk = LineReader::kChunkBytes;
    const std::string record(132, 'S');
    const std::size_t firstPart = chunk - 1 - 40;
    std::string bytes = std::string(firstPart, 'X') + "\r\n" + std::string(38, 'Y') + "\r\n";
    std::vector<std::string> expected = {std::string(firstPart, 'X'), std::string(38, 'Y')};
    for (std::size_t i = 0; i < chunk / 50; ++i) {
        bytes += record + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r");
        expected.push_back(record);
    }
    ASSERT_EQ(bytes[chunk - 1], '\r');
    TempFolder folder;
    LineReader reader(folder.write("FAACIFP18", bytes), LineReader::Ends::AlsoLineFeed);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.next(line)) {
        lines.emplace_back(line);
        ASSERT_EQ(reader.lineNumber(), lines.size());
    }
    EXPECT_FALSE(reader.failed());
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(reader.bytesRead(), bytes.size());
}

TEST(LineReader, MissingFileIsNotOpenAndYieldsNothing) {
    TempFolder folder;
    LineReader reader(folder.path() / "missing.txt");
    std::string line;
    EXPECT_FALSE(reader.isOpen());
    EXPECT_FALSE(reader.next(line));
    EXPECT_FALSE(reader.failed());
}

TEST(LineWriter, EndsEveryLineWithCrLfAndAppends) {
    TempFolder folder;
    const auto file = folder.path() / "out.txt";
    {
        LineWriter out(file, LineWriter::Mode::Truncate);
        out.write("P|A|27L| |0|0|");
        out.write("");
        ASSERT_TRUE(out.close());
    }
    {
        LineWriter out(file, LineWriter::Mode::Append);
        out.write("tail");
        ASSERT_TRUE(out.close());
    }
    EXPECT_EQ(ReadBytes(file), "P|A|27L| |0|0|\r\n\r\ntail\r\n");
}

TEST(LineWriter, ReportsAFileThatCannotBeCreated) {
    TempFolder folder;
    LineWriter out(folder.path() / "no-such-folder" / "out.txt", LineWriter::Mode::Truncate);
    EXPECT_FALSE(out.isOpen());
    out.write("x");
    EXPECT_FALSE(out.close());
}

}  // namespace
}  // namespace vantrel

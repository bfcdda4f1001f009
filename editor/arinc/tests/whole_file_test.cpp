// Writing a procedure file whole: a new file and a replaced one hold exactly the bytes, a stale
// ".tmp" file does not stand in the way, and a target that cannot be written stays as it was with
// no ".tmp" file left beside it.
#include "whole_file.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace vantrel {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

bool OnlyFileIs(const std::filesystem::path& folder, const std::string& name) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names == std::vector<std::string>{name};
}

TEST(WholeFile, CreatesAndReplacesTheFileWithExactlyTheBytes) {
    TempFolder folder;
    const auto file = folder.path() / "sid" / "KXYZ.txt";
    std::filesystem::create_directories(file.parent_path());
    const std::string first = "P|A1|04L| |0|0|\r\nS|ALPHA|1|2| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0\r\n";
    ASSERT_TRUE(WriteWholeFile(file, first));
    EXPECT_EQ(ReadBytes(file), first);
    ASSERT_TRUE(WriteWholeFile(file, "P|B2|ALL| |0|0|\r\n"));
    EXPECT_EQ(ReadBytes(file), "P|B2|ALL| |0|0|\r\n");
    // A ".tmp" file left by a crash is replaced too.
    folder.write("sid/KXYZ.tmp", "left over");
    ASSERT_TRUE(WriteWholeFile(file, first));
    EXPECT_EQ(ReadBytes(file), first);
    EXPECT_TRUE(OnlyFileIs(file.parent_path(), "KXYZ.txt"));
}

TEST(WholeFile, ATargetThatCannotBeWrittenStaysAsItWas) {
    TempFolder folder;
    // A folder where the file should be.
    const auto blocked = folder.path() / "sid" / "KXYZ.txt";
    std::filesystem::create_directories(blocked);
    folder.write("sid/KXYZ.txt/inside", "kept");
    EXPECT_FALSE(WriteWholeFile(blocked, "P|A1|04L| |0|0|\r\n"));
    EXPECT_EQ(ReadBytes(blocked / "inside"), "kept");
    EXPECT_TRUE(OnlyFileIs(folder.path() / "sid", "KXYZ.txt"));
    // A folder that does not exist.
    EXPECT_FALSE(WriteWholeFile(folder.path() / "star" / "KXYZ.txt", "P|A1|04L| |0|0|\r\n"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "star"));
}

}  // namespace
}  // namespace vantrel

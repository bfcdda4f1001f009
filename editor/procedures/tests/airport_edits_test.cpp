// Airport codes: upper-casing, the refusal of codes that are not plain file names, and deletion of
// both procedure files.
#include "airport_edits.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace vantrel {
namespace {

TEST(AddAirport, UpperCasesAndKeepsBlanks) {
    EXPECT_EQ(AddAirport("lfpg"), "LFPG");
    EXPECT_EQ(AddAirport(" eGll 2"), " EGLL 2");
    EXPECT_EQ(AddAirport(""), "");
}

TEST(UnsafeFileNamePart, NamesWhatAFileNameCannotHold) {
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"EGLL", std::nullopt},
        {"", std::nullopt},
        {"LF PG", std::nullopt},
        {"A.B", std::nullopt},
        {"../EGLL", "\"..\""},
        {"SID/EGLL", "\"/\""},
        {"..\\X", "\"..\""},
        {"C:", "\":\""},
        {"A\\B", "\"\\\""},
        {"A*", "\"*\""},
        {"A?", "\"?\""},
        {"A\"", "\"\"\""},
        {"<A>", "\"<\""},
        {"A|B", "\"|\""},
        {std::string("A\tB"), "a control character"},
        {std::string("A\x7F"), "a control character"},
    };
    for (const auto& [code, expected] : cases) {
        EXPECT_EQ(UnsafeFileNamePart(code), expected) << code;
    }
}

TEST(DeleteAirport, DeletesWhicheverFilesExist) {
    testing::TempFolder folder;
    const auto sid = folder.write("sid/LHBP.txt", "\r\n");
    const auto other = folder.write("sid/LHBPX.txt", "\r\n");
    std::filesystem::create_directories(folder.path() / "star");
    EXPECT_TRUE(DeleteAirport(folder.path(), "LHBP").empty());
    EXPECT_FALSE(std::filesystem::exists(sid));
    EXPECT_TRUE(std::filesystem::exists(other));
    EXPECT_TRUE(DeleteAirport(folder.path(), "NONE").empty());
}

TEST(DeleteAirport, NamesWhatCouldNotBeDeletedAndLeavesFolders) {
    testing::TempFolder folder;
    const auto star = folder.write("star/LHBP.txt", "\r\n");
    const auto sidFolder = folder.path() / "sid" / "LHBP.txt";
    std::filesystem::create_directories(sidFolder);
    EXPECT_EQ(DeleteAirport(folder.path(), "LHBP"), std::vector<std::filesystem::path>{sidFolder});
    EXPECT_TRUE(std::filesystem::is_directory(sidFolder));
    EXPECT_FALSE(std::filesystem::exists(star));
}

}  // namespace
}  // namespace vantrel

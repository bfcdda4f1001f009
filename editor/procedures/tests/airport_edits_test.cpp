// Airport codes: upper-casing, the refusal of codes that are not plain file names, and deletion of
// both procedure files, all or nothing.
#include "airport_edits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "procedure_file.h"
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

std::vector<std::string> Names(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(DeleteAirport, DeletesWhicheverFilesExist) {
    testing::TempFolder folder;
    const auto sid = folder.write("sid/LHBP.txt", "\r\n");
    const auto other = folder.write("sid/LHBPX.txt", "\r\n");
    std::filesystem::create_directories(folder.path() / "star");
    EXPECT_EQ(DeleteAirport(folder.path(), "LHBP"), std::nullopt);
    EXPECT_EQ(Names(folder.path() / "sid"), std::vector<std::string>{"LHBPX.txt"});
    EXPECT_TRUE(Names(folder.path() / "star").empty());
    EXPECT_EQ(DeleteAirport(folder.path(), "NONE"), std::nullopt);
}

TEST(DeleteAirport, DeletesNothingWhenAFileCannotBeMovedAside) {
    // The SID file is moved aside first; the STAR file's move then fails, once because a folder
    // stands at its place and once because a folder holds the name it would move to. The SID
    // file is put back with its bytes.
    for (const char* blocked : {"star/LHBP.txt/inside", "star/LHBP.del/inside"}) {
        testing::TempFolder folder;
        const auto sid = folder.write("sid/LHBP.txt", "P|A1|13R| |0|0|\r\n");
        if (std::string_view(blocked).starts_with("star/LHBP.del")) {
            folder.write("star/LHBP.txt", "P|B2|31L| |0|0|\r\n");
        }
        folder.write(blocked, "kept");
        const std::optional<FileRefusal> refusal = DeleteAirport(folder.path(), "LHBP");
        ASSERT_TRUE(refusal) << blocked;
        EXPECT_EQ(refusal->file, folder.path() / "star" / "LHBP.txt");
        EXPECT_FALSE(refusal->reason.empty());
        EXPECT_EQ(testing::ReadBytes(sid), "P|A1|13R| |0|0|\r\n");
        EXPECT_EQ(Names(folder.path() / "sid"), std::vector<std::string>{"LHBP.txt"});
        EXPECT_EQ(testing::ReadBytes(folder.path() / blocked), "kept");
    }
}

TEST(DeleteAirport, AReadOnlyFileStopsTheWholeDeletion) {
    testing::TempFolder folder;
    const auto sid = folder.write("sid/LHBP.txt", "P|A1|13R| |0|0|\r\n");
    const auto star = folder.write("star/LHBP.txt", "P|B2|31L| |0|0|\r\n");
    testing::SetReadOnly(star, true);
    const std::optional<FileRefusal> refusal = DeleteAirport(folder.path(), "LHBP");
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->file, star);
    EXPECT_EQ(refusal->reason, "it is read-only");
    EXPECT_TRUE(IsReadOnly(star));
    testing::SetReadOnly(star, false);
    EXPECT_EQ(testing::ReadBytes(star), "P|B2|31L| |0|0|\r\n");
    EXPECT_EQ(testing::ReadBytes(sid), "P|A1|13R| |0|0|\r\n");
    EXPECT_EQ(Names(folder.path() / "sid"), std::vector<std::string>{"LHBP.txt"});
}

TEST(DeleteAirport, AFolderAtTheFilesPlaceIsNamedWithItsReason) {
    testing::TempFolder folder;
    const auto star = folder.write("star/LHBP.txt", "\r\n");
    const auto sidFolder = folder.path() / "sid" / "LHBP.txt";
    std::filesystem::create_directories(sidFolder);
    const std::optional<FileRefusal> refusal = DeleteAirport(folder.path(), "LHBP");
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->file, sidFolder);
    EXPECT_EQ(refusal->reason, "a folder stands at its place");
    EXPECT_TRUE(std::filesystem::is_directory(sidFolder));
    EXPECT_TRUE(std::filesystem::exists(star));
}

#ifdef _WIN32
TEST(DeleteAirport, AFileHeldOpenWithoutDeleteSharingStopsTheWholeDeletion) {
    testing::TempFolder folder;
    const auto sid = folder.write("sid/LHBP.txt", "\r\n");
    const auto star = folder.write("star/LHBP.txt", "P|B2|31L| |0|0|\r\n");
    // Another program holding the STAR file open, as any program that opens a file without
    // FILE_SHARE_DELETE does.
    const HANDLE held = CreateFileW(star.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const std::optional<FileRefusal> refusal = DeleteAirport(folder.path(), "LHBP");
    CloseHandle(held);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->file, star);
    EXPECT_TRUE(std::filesystem::exists(sid));
    EXPECT_EQ(testing::ReadBytes(star), "P|B2|31L| |0|0|\r\n");
    EXPECT_EQ(Names(folder.path() / "sid"), std::vector<std::string>{"LHBP.txt"});
}
#endif

TEST(ReasonText, DropsTheLineEndAndFullStopOfTheSystemsText) {
    const std::string text = ReasonText(std::make_error_code(std::errc::permission_denied));
    EXPECT_FALSE(text.empty());
    EXPECT_NE(text.back(), '.');
    EXPECT_NE(text.back(), '\n');
}

}  // namespace
}  // namespace vantrel

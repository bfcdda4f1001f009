// The profile functions against the behaviour the gauge modules rely on. Written against the
// Win32 signatures only, so the same cases run against the system's functions on Windows.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "win32_calls.h"

namespace {

namespace fs = std::filesystem;

const char* const kSample =
    "; kept by hand\r\n"
    "[Tanks]\r\n"
    "TankMainLeft = 0\r\n"
    "  TankCenter=  \"12.5\"  \r\n"
    "Single='quoted'\r\n"
    "Empty=\r\n"
    "Long=ABCDEFGHIJ\r\n"
    "Number= 42 \r\n"
    "Trailing=17abc\r\n"
    "Words=abc\r\n"
    "Hex=0x1F\r\n"
    "Octal=-0o17\r\n"
    "Binary=0b1012\r\n"
    "Capital=0X10\r\n"
    "\r\n"
    "[ LVars ]\r\n"
    "TankCenter=center_var\n"
    "[Unclosed\r\n"
    "AfterUnclosed=lvar_too\r\n"
    "[Tanks]\r\n"
    "TankMainLeft=7\r\n";

class ProfileFile : public testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("vantrel_profile_" +
                  std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        sample = (folder / "sample.ini").string();
        std::ofstream(sample, std::ios::binary) << kSample;
        missing = (folder / "missing.ini").string();
    }
    void TearDown() override { fs::remove_all(folder); }

    static std::string contents(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    fs::path folder;
    std::string sample;
    std::string missing;
};

std::string lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

struct StringCase {
    const char* what;
    bool in_missing_file;
    const char* section;
    const char* key;
    const char* fallback;
    DWORD size;
    const char* text;
};

const StringCase kStringCases[] = {
    {"missing file gives the default", true, "Tanks", "TankCenter", "dflt", 64, "dflt"},
    {"missing section gives the default", false, "Rates", "TankCenter", "10.0", 64, "10.0"},
    {"missing key gives the default", false, "Tanks", "TankTipLeft", "1", 64, "1"},
    {"null default is empty", false, "Tanks", "TankTipLeft", nullptr, 64, ""},
    {"default loses trailing blanks", false, "Tanks", "Nothing", "abc  ", 64, "abc"},
    {"section and key without regard to case", false, "tAnKs", "TANKMAINLEFT", "x", 64, "0"},
    {"blanks around the section name", false, "LVars", "TankCenter", "x", 64, "center_var"},
    {"a bracket left open starts no section", false, "LVars", "AfterUnclosed", "x", 64, "lvar_too"},
    {"a bracket left open names no section: default", false, "Unclosed", "AfterUnclosed", "x", 64,
     "x"},
    {"value trimmed and double quotes removed", false, "Tanks", "TankCenter", "x", 64, "12.5"},
    {"single quotes removed", false, "Tanks", "Single", "x", 64, "quoted"},
    {"empty value is empty, not the default", false, "Tanks", "Empty", "x", 64, ""},
    {"first of two equal sections wins", false, "Tanks", "TankMainLeft", "x", 64, "0"},
    {"value cut to the buffer", false, "Tanks", "Long", "x", 5, "ABCD"},
    {"default cut to the buffer", false, "Tanks", "Nothing", "defaultvalue", 4, "def"},
    {"one-byte buffer holds only the terminator", false, "Tanks", "Long", "x", 1, ""},
};

TEST_F(ProfileFile, GetPrivateProfileStringCases) {
    for (const StringCase& c : kStringCases) {
        SCOPED_TRACE(c.what);
        char buffer[80];
        std::fill(std::begin(buffer), std::end(buffer), '#');
        const std::string& path = c.in_missing_file ? missing : sample;
        const DWORD copied =
            GetPrivateProfileStringA(c.section, c.key, c.fallback, buffer, c.size, path.c_str());
        EXPECT_STREQ(buffer, c.text);
        EXPECT_EQ(copied, std::string(c.text).size());
        EXPECT_EQ(buffer[c.size], '#') << "wrote past the buffer";
    }
}

struct IntCase {
    const char* what;
    bool in_missing_file;
    const char* key;
    int fallback;
    UINT value;
};

const IntCase kIntCases[] = {
    {"missing file gives the default", true, "TankMainLeft", 5, 5},
    {"missing key gives the default", false, "TankTipLeft", 1, 1},
    {"zero is read as zero", false, "TankMainLeft", 5, 0},
    {"blanks around the number", false, "Number", 5, 42},
    {"digits up to the first other character", false, "Trailing", 5, 17},
    {"no digits read as zero", false, "Words", 5, 0},
    {"empty value gives the default", false, "Empty", 9, 9},
    {"key without regard to case", false, "number", 5, 42},
    {"hexadecimal after 0x", false, "Hex", 5, 31},
    {"octal after 0o, with a sign", false, "Octal", 5, 0u - 15u},
    {"binary after 0b, up to the first other digit", false, "Binary", 5, 5},
    {"0X is no prefix", false, "Capital", 5, 0},
};

TEST_F(ProfileFile, GetPrivateProfileIntCases) {
    for (const IntCase& c : kIntCases) {
        SCOPED_TRACE(c.what);
        const std::string& path = c.in_missing_file ? missing : sample;
        EXPECT_EQ(GetPrivateProfileIntA("Tanks", c.key, c.fallback, path.c_str()), c.value);
    }
}

struct WriteCase {
    const char* what;
    const char* section;
    const char* key;
    const char* value;
};

const WriteCase kWriteCases[] = {
    {"replaces a key, matched without regard to case", "tanks", "tankmainleft", "3"},
    {"adds a key to an existing section", "LVars", "TankTipLeft", "tip_var"},
    {"adds a section", "Floats", "Value_05", "0.5"},
};

TEST_F(ProfileFile, WritePrivateProfileStringKeepsEverythingElse) {
    for (const WriteCase& c : kWriteCases) {
        SCOPED_TRACE(c.what);
        std::ofstream(sample, std::ios::binary | std::ios::trunc) << kSample;
        ASSERT_TRUE(WritePrivateProfileStringA(c.section, c.key, c.value, sample.c_str()));
        char buffer[64];
        GetPrivateProfileStringA(c.section, c.key, "", buffer, sizeof buffer, sample.c_str());
        EXPECT_STREQ(buffer, c.value);
        for (const StringCase& before : kStringCases) {
            if (before.in_missing_file ||
                std::string(before.what).find("default") != std::string::npos) {
                continue;
            }
            SCOPED_TRACE(before.what);
            GetPrivateProfileStringA(before.section, before.key, "", buffer, before.size,
                                     sample.c_str());
            const bool rewritten =
                lower(before.section) == lower(c.section) && lower(before.key) == lower(c.key);
            EXPECT_STREQ(buffer, rewritten ? c.value : before.text);
        }
        EXPECT_NE(contents(sample).find("; kept by hand"), std::string::npos);
    }
}

TEST_F(ProfileFile, WritingIntoAMissingFileCreatesIt) {
    ASSERT_TRUE(WritePrivateProfileStringA("Floats", "Value_00", "0.", missing.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("Floats", "Value_01", "1.", missing.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("Floats", "Value_00", "250.", missing.c_str()));
    char buffer[16];
    GetPrivateProfileStringA("Floats", "Value_00", "", buffer, sizeof buffer, missing.c_str());
    EXPECT_STREQ(buffer, "250.");
    GetPrivateProfileStringA("Floats", "Value_01", "", buffer, sizeof buffer, missing.c_str());
    EXPECT_STREQ(buffer, "1.");
}

TEST_F(ProfileFile, WritesWithoutLeadingBlanksAndAddsSectionsWithoutBlankLines) {
    ASSERT_TRUE(WritePrivateProfileStringA("Floats", "  Value_00", " \t0.5 ", missing.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("LVars", "LVar_00", "light", missing.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("floats", "value_00", "  250.", missing.c_str()));
    EXPECT_EQ(contents(missing), "[Floats]\r\nValue_00=250.\r\n[LVars]\r\nLVar_00=light\r\n");
}

TEST_F(ProfileFile, NullValueRemovesTheKeyAndNullKeyTheSection) {
    char buffer[16];
    ASSERT_TRUE(WritePrivateProfileStringA("Tanks", "Number", nullptr, sample.c_str()));
    GetPrivateProfileStringA("Tanks", "Number", "gone", buffer, sizeof buffer, sample.c_str());
    EXPECT_STREQ(buffer, "gone");
    GetPrivateProfileStringA("Tanks", "Words", "", buffer, sizeof buffer, sample.c_str());
    EXPECT_STREQ(buffer, "abc");
    ASSERT_TRUE(WritePrivateProfileStringA("LVars", nullptr, nullptr, sample.c_str()));
    GetPrivateProfileStringA("LVars", "TankCenter", "gone", buffer, sizeof buffer, sample.c_str());
    EXPECT_STREQ(buffer, "gone");
}

TEST_F(ProfileFile, AFolderInThePlaceOfTheFileGivesDefaultsAndCannotBeWritten) {
    // Reading it aborted the gauge hosts with an uncaught "Is a directory" exception.
    const fs::path in_place = folder / "qvt_xml_config.ini";
    fs::create_directories(in_place / "inside");
    const std::string path = in_place.string();
    char buffer[16];
    EXPECT_EQ(
        GetPrivateProfileStringA("Floats", "Value_00", "0", buffer, sizeof buffer, path.c_str()),
        1u);
    EXPECT_STREQ(buffer, "0");
    EXPECT_EQ(GetPrivateProfileIntA("Tanks", "TankCenter", 7, path.c_str()), 7u);
    EXPECT_FALSE(WritePrivateProfileStringA("Floats", "Value_00", "0.5", path.c_str()));
    EXPECT_FALSE(WritePrivateProfileStringA("Floats", nullptr, nullptr, path.c_str()));
    EXPECT_TRUE(fs::is_directory(in_place / "inside"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2)
        << "nothing but the folder and the sample beside it";
}

}  // namespace

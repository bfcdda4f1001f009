// Fuzz target: the profile-file layer (GetPrivateProfileStringA, GetPrivateProfileIntA,
// WritePrivateProfileStringA) on a fuzzed INI file. Input: section, NUL, key, NUL, value, NUL, the
// file's bytes. Returned texts stay inside the caller's buffer and end with a NUL; a value written
// reads back as written when its texts are plain; a removed key or section reads as the default.
#include <algorithm>
#include <memory>
#include <string>

#include "fuzz_support.h"
#include "win32_calls.h"

using namespace vantrel::fuzz;

namespace {

constexpr const char* kDefault = "default";

bool Plain(std::string_view text, std::string_view forbidden) {
    return !text.empty() && text.find_first_of(forbidden) == std::string_view::npos &&
           text.front() != ' ' && text.front() != '\t' && text.back() != ' ' && text.back() != '\t';
}

// Reads the key into a buffer of exactly `size` bytes, so that a write past it is found.
std::string ReadKey(const std::string& path, const char* section, const char* key, DWORD size) {
    const auto buffer = std::make_unique<char[]>(size);
    const DWORD length =
        GetPrivateProfileStringA(section, key, kDefault, buffer.get(), size, path.c_str());
    Check(length < size && buffer[length] == '\0', "the text is cut to the buffer and ended");
    return std::string(buffer.get(), length);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto parts = SplitInput(data, size, 4);
    parts.resize(4);
    const std::string section(parts[0]), key(parts[1]), value(parts[2]);
    const std::string path = (FreshFolder("profile") / "fuzz.ini").string();
    WriteBytes(path, parts[3]);

    for (const DWORD bufferSize : {1u, 8u, 200u}) {
        ReadKey(path, section.c_str(), key.c_str(), bufferSize);
    }
    GetPrivateProfileIntA(section.c_str(), key.c_str(), 7, path.c_str());

    WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str());
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    if (Plain(section, "\r\n[]") && Plain(key, "\r\n=[]") && Plain(value, "\r\n") && !quoted) {
        Check(ReadKey(path, section.c_str(), key.c_str(), 4096) == value,
              "a written value reads back");
        // A file may hold a section, or a key in it, more than once; each removal takes away the
        // first, as on Windows, so one removal per section header ("[") or key line ("=") of the
        // file leaves none.
        const auto removed = [&](const char* removedKey, const char* promise) {
            const std::string text = ReadBytes(path);
            const long times = std::count(text.begin(), text.end(), removedKey ? '=' : '[');
            bool gone = false;
            for (long i = 0; i < times && !gone; ++i) {
                WritePrivateProfileStringA(section.c_str(), removedKey, nullptr, path.c_str());
                gone = ReadKey(path, section.c_str(), key.c_str(), 4096) == kDefault;
            }
            Check(gone, promise);
        };
        removed(key.c_str(), "a removed key reads as the default");
        WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str());
        removed(nullptr, "a removed section reads as the default");
    }
    return 0;
}

// What the fuzz targets share: the fuzzed input cut into parts, a private folder for the files a
// target writes, and a check that turns a broken promise into a finding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace vantrel::fuzz {

// The input cut at NUL bytes into at most `count` parts; the last part keeps any further NULs.
// Parts the input does not reach are missing from the result.
inline std::vector<std::string_view> SplitInput(const std::uint8_t* data, std::size_t size,
                                                std::size_t count) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < count) {
        const std::size_t nul = rest.find('\0');
        if (nul == std::string_view::npos) {
            break;
        }
        parts.push_back(rest.substr(0, nul));
        rest.remove_prefix(nul + 1);
    }
    parts.push_back(rest);
    return parts;
}

// The text cut at line feeds; a last line without one counts too.
inline std::vector<std::string_view> SplitAtLineFeeds(std::string_view text) {
    std::vector<std::string_view> lines;
    for (;;) {
        const std::size_t feed = text.find('\n');
        lines.push_back(text.substr(0, feed));
        if (feed == std::string_view::npos) {
            return lines;
        }
        text.remove_prefix(feed + 1);
    }
}

// The text without the characters of `removed`.
inline std::string Without(std::string_view text, std::string_view removed) {
    std::string kept;
    for (const char c : text) {
        if (removed.find(c) == std::string_view::npos) {
            kept += c;
        }
    }
    return kept;
}

// A folder of this process's own, made on first use and removed when the process ends normally.
// It lies in memory when the machine offers a memory file system, as the rewrites flush every file
// to the disk.
class FuzzFolder {
  public:
    static const std::filesystem::path& path() {
        static FuzzFolder folder;
        return folder.path_;
    }

  private:
    FuzzFolder() {
        std::error_code error;
        std::filesystem::path base = "/dev/shm";
        if (!std::filesystem::is_directory(base, error) || access(base.c_str(), W_OK) != 0) {
            base = std::filesystem::temp_directory_path();
        }
        path_ = base / ("vantrel-fuzz-" + std::to_string(getpid()));
        std::filesystem::remove_all(path_, error);
        std::filesystem::create_directories(path_);
    }
    ~FuzzFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    std::filesystem::path path_;
};

// Empties the folder below the fuzz folder (creating it) and returns it.
inline std::filesystem::path FreshFolder(std::string_view name) {
    const std::filesystem::path folder = FuzzFolder::path() / name;
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::filesystem::create_directories(folder);
    return folder;
}

inline void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A broken promise of the code under test: reported and fatal, so the fuzzer keeps the input.
inline void Check(bool holds, const char* promise) {
    if (!holds) {
        std::fprintf(stderr, "Broken promise: %s\n", promise);
        std::abort();
    }
}

}  // namespace vantrel::fuzz

// A program folder of its own for each test, removed afterwards, with helpers that write and read
// files byte for byte.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <utility>

namespace vantrel::testing {

class TempFolder {
  public:
    explicit TempFolder(
        const std::filesystem::path& base = std::filesystem::temp_directory_path()) {
        std::random_device random;
        path_ = base / ("vantrel-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        if (!path_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(path_, ignored);
        }
    }
    TempFolder(TempFolder&& other) noexcept : path_(std::exchange(other.path_, {})) {}
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes the bytes to the file below the folder, creating its parent folders.
    std::filesystem::path write(const std::filesystem::path& relative,
                                std::string_view bytes) const {
        const auto file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

  private:
    std::filesystem::path path_;
};

// Takes away or gives back every write permission of the file, as a user protects it: on Windows
// this sets or clears its read-only attribute.
inline void SetReadOnly(const std::filesystem::path& file, bool readOnly) {
    using std::filesystem::perms;
    std::filesystem::permissions(
        file, perms::owner_write | perms::group_write | perms::others_write,
        readOnly ? std::filesystem::perm_options::remove : std::filesystem::perm_options::add);
}

inline std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace vantrel::testing

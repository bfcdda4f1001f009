#include "whole_file.h"

#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>

#ifdef __linux__
#include <fcntl.h>
#include <unistd.h>
#endif

#include "procedure_file.h"
#include "rewrite_protocol.h"

namespace vantrel {
namespace {

std::FILE* OpenForWriting(const std::filesystem::path& file) {
#ifdef _WIN32
    return _wfopen(file.c_str(), L"wb");
#else
    return std::fopen(file.c_str(), "wb");
#endif
}

// Through the ".tmp" file beside the target, as on every system.
bool WriteThroughTemporary(const std::filesystem::path& target, std::string_view bytes) {
    const std::filesystem::path temporary = SiblingWithExtension(target, ".tmp");
    std::FILE* out = OpenForWriting(temporary);
    if (!out) {
        return false;
    }
    // Unbuffered, the bytes go to the file in one write.
    std::setvbuf(out, nullptr, _IONBF, 0);
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    written = std::fclose(out) == 0 && written;
    if (written && ReplaceFile(temporary, target)) {
        return true;
    }
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
}

#if defined(__linux__) && defined(O_TMPFILE)
// On Linux the bytes go into a file without a name, which then gets the target's name: a new
// file appears whole with one entry made in its folder, where a ".tmp" file needs two, and an
// import creates thousands. An existing target is replaced as usual, through the ".tmp" name.
// No value when the system offers no such files here (file system, /proc not mounted): the
// caller then writes through the ".tmp" file.
std::optional<bool> WriteThroughUnnamedFile(const std::filesystem::path& target,
                                            std::string_view bytes) {
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    const int file = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (file < 0) {
        return std::nullopt;
    }
    std::string_view rest = bytes;
    while (!rest.empty()) {
        const ssize_t written = write(file, rest.data(), rest.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            close(file);
            return false;
        }
        rest.remove_prefix(static_cast<std::size_t>(written));
    }
    const std::string self = "/proc/self/fd/" + std::to_string(file);
    const auto linkTo = [&](const std::filesystem::path& name) {
        return linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
    };
    std::optional<bool> result;
    if (linkTo(target)) {
        result = true;
    } else if (errno == EEXIST) {
        const std::filesystem::path temporary = SiblingWithExtension(target, ".tmp");
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        result = linkTo(temporary) && ReplaceFile(temporary, target);
        if (!*result) {
            std::filesystem::remove(temporary, ignored);
        }
    } else if (errno != ENOENT) {
        result = false;  // the folder refuses the name, for instance a full or read-only disk
    }
    close(file);
    return result;
}
#endif

}  // namespace

bool WriteWholeFile(const std::filesystem::path& target, std::string_view bytes) {
#if defined(__linux__) && defined(O_TMPFILE)
    if (const std::optional<bool> written = WriteThroughUnnamedFile(target, bytes)) {
        return *written;
    }
#endif
    return WriteThroughTemporary(target, bytes);
}

}  // namespace vantrel

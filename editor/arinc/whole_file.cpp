#include "whole_file.h"

#include <cstdio>

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

}  // namespace

bool WriteWholeFile(const std::filesystem::path& target, std::string_view bytes) {
    const std::filesystem::path temporary = SiblingWithExtension(target, ".tmp");
    std::FILE* out = OpenForWriting(temporary);
    if (!out) {
        return false;
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    written = std::fclose(out) == 0 && written;
    if (written && ReplaceFile(temporary, target)) {
        return true;
    }
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
}

}  // namespace vantrel

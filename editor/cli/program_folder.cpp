#include "program_folder.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace vantrel::cli {
namespace {

std::filesystem::path RunningExecutable() {
#ifdef _WIN32
    wchar_t buffer[32768];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, sizeof buffer / sizeof *buffer);
    if (length == 0 || length == sizeof buffer / sizeof *buffer) {
        return {};
    }
    return std::filesystem::path(std::wstring(buffer, length));
#else
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : executable;
#endif
}

}  // namespace

std::filesystem::path ExecutableFolder(const char* argv0) {
    std::filesystem::path executable = RunningExecutable();
    if (executable.empty() && argv0 != nullptr) {
        std::error_code error;
        executable = std::filesystem::absolute(argv0, error);
    }
    return executable.parent_path();
}

}  // namespace vantrel::cli

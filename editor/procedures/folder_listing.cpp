#include "folder_listing.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "ascii_case.h"

namespace vantrel {
std::vector<std::string> OrdinaryFileNames(const std::filesystem::path& folder,
                                           const std::function<void()>& betweenFiles,
                                           const std::function<void()>& folderUnreadable) {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    for (const std::filesystem::directory_iterator end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) {
            continue;
        }
        std::string name = it->path().filename().string();
        if (!name.starts_with('.')) {
            names.push_back(std::move(name));
        }
        if (betweenFiles && names.size() % 512 == 0) {
            betweenFiles();
        }
    }
    if (error && error != std::errc::no_such_file_or_directory && folderUnreadable) {
        folderUnreadable();
    }
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(names.size());
    for (auto& name : names) {
        keyed.emplace_back(LowerAscii(name), std::move(name));
    }
    std::sort(keyed.begin(), keyed.end());
    names.clear();
    for (auto& [key, name] : keyed) {
        names.push_back(std::move(name));
    }
    return names;
}

}  // namespace vantrel

// The airport catalogue: the airport codes named by the files of the sid and star folders, and
// the quick search over them.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// Lets the caller keep a window alive and show progress while the folders are scanned.
struct CatalogueObserver {
    std::function<void()> betweenFiles;                     // called before every file
    std::function<void(std::size_t files)> starPassBegins;  // number of files in the star folder
    std::function<void()> starFileDone;                     // one step per file of the star folder
    // A folder that exists but cannot be listed (to its end), such as a file named sid.
    std::function<void(const std::filesystem::path& folder)> folderUnreadable;
};

// The codes of every file in the sid folder in name order (letter case ignored), duplicates
// included, then the codes of star files that no entry names yet, in the star folder's name order.
// A code is a file name's part before its first "."; names without "." give nothing. A missing
// folder counts as empty; one that cannot be listed gives what was listed and is reported.
std::vector<std::string> LoadAirportList(const std::filesystem::path& programFolder,
                                         const CatalogueObserver& observer = {});

// Index of the first airport whose code contains the search text in upper case; -1 when none.
int FindAirport(const std::vector<std::string>& airports, std::string_view searchText);

}  // namespace vantrel

// The ordinary files of a folder in name order, as the airport catalogue and the converter list
// them.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vantrel {

// The names of the ordinary, not hidden files of a folder (no sub-folders), sorted by name with
// letter case ignored; names equal but for case keep a fixed order. A missing folder gives no
// names; one that exists but cannot be listed to its end (a file named like it, say) gives the
// names read so far and calls `folderUnreadable`. `betweenFiles` is called now and then while a
// large folder is read.
std::vector<std::string> OrdinaryFileNames(const std::filesystem::path& folder,
                                           const std::function<void()>& betweenFiles = {},
                                           const std::function<void()>& folderUnreadable = {});

}  // namespace vantrel

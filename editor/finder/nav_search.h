// SearchNavData looks a waypoint identifier up in the search cache, else in vasFMC's navigation
// data in the program folder (waypoints.txt, then navaids.txt), and caches what the scan found.
// All three files are read with CR, CR LF or a line feed alone as line ends; the cache is written
// with CR LF.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// Which file stopped a search: a navigation file that cannot be read, or the search cache that
// cannot be written.
enum class NavSearchError { None, Waypoints, Navaids, Cache };

// The message a window shows for a failed search.
std::string_view NavSearchErrorText(NavSearchError error);

// Told of every change of the result list as it happens, so that a window can show the lines
// while the scan runs.
struct NavSearchObserver {
    std::function<void(const std::string& record)> added;
    std::function<void(std::size_t index)> removed;
    // Called between batches of lines read, to let a window process its events.
    std::function<void()> betweenLines;
};

struct NavSearchResult {
    std::vector<std::string> records;
    NavSearchError error = NavSearchError::None;
};

// The identifier is compared with field 0 exactly as passed. A search that ends with an error
// keeps the records found before it and leaves the cache as it was.
NavSearchResult SearchNavData(const std::filesystem::path& programFolder,
                              std::string_view identifier, const NavSearchObserver& observer = {});

}  // namespace vantrel

// Fuzz target: SearchNavData over fuzzed navigation files and cache. Input: identifier, NUL,
// waypoints.txt, NUL, navaids.txt, NUL, cache.dat; a part the input does not reach is a missing
// file. Every result is a record of the identifier without a line end, whatever ends the lines of
// the files; a failed search leaves the cache as it was, and a successful one only appends to it.
#include "nav_search.h"
#include "fuzz_support.h"
#include "search_cache.h"

using namespace vantrel;
using namespace vantrel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = SplitInput(data, size, 4);
    const std::string_view identifier = parts[0];
    const std::filesystem::path folder = FreshFolder("program");
    const char* const files[] = {"waypoints.txt", "navaids.txt", "cache.dat"};
    for (std::size_t i = 1; i < parts.size(); ++i) {
        WriteBytes(folder / files[i - 1], parts[i]);
    }
    const std::filesystem::path cache = CachePath(folder);
    const bool cacheExisted = std::filesystem::exists(cache);
    const std::string cacheBefore = ReadBytes(cache);

    std::size_t shown = 0;
    NavSearchObserver observer;
    observer.added = [&shown](const std::string&) { ++shown; };
    observer.removed = [&shown](std::size_t index) {
        Check(index < shown, "a removed line is one on show");
        --shown;
    };
    const NavSearchResult result = SearchNavData(folder, identifier, observer);

    Check(result.records.size() == shown, "the observer saw the result list as it is");
    for (const std::string& record : result.records) {
        // A waypoints line without "|" gives a record whose field 0 is the line and the tag.
        Check(record.starts_with(identifier) &&
                  (record.size() == identifier.size() || record[identifier.size()] == '|' ||
                   record.find('|') == std::string::npos),
              "each result is a record of the identifier");
        Check(record.find_first_of("\r\n") == std::string::npos, "no result holds a line end");
    }
    const std::string cacheAfter = ReadBytes(cache);
    if (result.error != NavSearchError::None) {
        Check(std::filesystem::exists(cache) == cacheExisted && cacheAfter == cacheBefore,
              "a failed search leaves the cache as it was");
    } else {
        Check(cacheAfter.starts_with(cacheBefore), "a search only appends to the cache");
    }
    return 0;
}

// The search cache cache.dat in the program folder: the NavRecord lines of every search that had
// to scan the navigation files, appended in the order they were found, each ending with CR LF.
// One search's records go into it all together or not at all, so that a search that fails never
// leaves an identifier cached without its navaids.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace vantrel {

class LineWriter;

std::filesystem::path CachePath(const std::filesystem::path& programFolder);

// The records of one scanning search, held until the search completes.
class CacheAppend {
  public:
    // Opens the cache for appending, creating it when missing.
    explicit CacheAppend(const std::filesystem::path& cacheFile);
    // Without a commit the cache is left as it was before: a created file is removed again.
    ~CacheAppend();
    CacheAppend(const CacheAppend&) = delete;
    CacheAppend& operator=(const CacheAppend&) = delete;

    bool isOpen() const;
    void add(std::string record);
    // Appends the records and closes the file; on a write error restores the former content and
    // returns false.
    bool commit();

  private:
    void restore();

    std::filesystem::path file_;
    bool existed_;
    std::uintmax_t formerSize_;
    std::unique_ptr<LineWriter> writer_;
    std::vector<std::string> records_;
    bool done_ = false;
};

// Deletes the cache; a missing file is no error. False when the cache stays: it cannot be
// deleted, or a folder stands in its place.
bool EmptySearchCache(const std::filesystem::path& programFolder);

}  // namespace vantrel

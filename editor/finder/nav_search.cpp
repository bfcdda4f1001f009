#include "nav_search.h"

#include "nav_record.h"
#include "records.h"
#include "search_cache.h"
#include "text_lines.h"

namespace vantrel {
namespace {

// The navigation files come from another program and often end their lines with a line feed
// alone. The cache is written with CR LF; it is read in the same way, so that no record ever
// holds a line end, whoever wrote the file.
constexpr LineReader::Ends kNavLineEnds = LineReader::Ends::AlsoLineFeed;

// Lines read between two calls of the observer's betweenLines: few enough for a window to
// repaint often, many enough that the calls cost nothing next to the scan.
constexpr unsigned kLinesPerBatch = 1024;

class LineBatches {
  public:
    explicit LineBatches(const std::function<void()>& betweenLines) : betweenLines_(betweenLines) {}
    void lineRead() {
        if (--countdown_ == 0) {
            countdown_ = kLinesPerBatch;
            if (betweenLines_) {
                betweenLines_();
            }
        }
    }

  private:
    const std::function<void()>& betweenLines_;
    unsigned countdown_ = kLinesPerBatch;
};

// The result list, reporting each change to the observer.
class ResultList {
  public:
    explicit ResultList(const NavSearchObserver& observer) : observer_(observer) {}

    void append(std::string record) {
        records_.push_back(std::move(record));
        if (observer_.added) {
            observer_.added(records_.back());
        }
    }

    // Removes every listed record at these coordinates. False, removing nothing, when a listed
    // record has no coordinates to compare.
    bool removeAt(std::string_view latitude, std::string_view longitude) {
        for (const std::string& record : records_) {
            if (!RecordCoordinates(record)) {
                return false;
            }
        }
        for (std::size_t i = 0; i < records_.size();) {
            const Coordinates at = *RecordCoordinates(records_[i]);
            if (at.latitude == latitude && at.longitude == longitude) {
                records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(i));
                if (observer_.removed) {
                    observer_.removed(i);
                }
            } else {
                ++i;
            }
        }
        return true;
    }

    NavSearchResult finish(NavSearchError error) { return {std::move(records_), error}; }

  private:
    const NavSearchObserver& observer_;
    std::vector<std::string> records_;
};

// The cache's records for the identifier, a later one replacing an earlier one at the same
// coordinates. An unreadable line ends the pass quietly. True when a record was found.
bool SearchCache(LineReader& cache, std::string_view identifier, ResultList& results,
                 LineBatches& batches) {
    bool found = false;
    std::string_view line;
    while (cache.next(line)) {
        batches.lineRead();
        if (line.empty()) {
            break;
        }
        if (!FirstFieldIs(line, identifier)) {
            continue;
        }
        const std::optional<Coordinates> at = RecordCoordinates(line);
        if (!at) {
            break;
        }
        // Records in the list came from the cache and have coordinates.
        results.removeAt(at->latitude, at->longitude);
        results.append(std::string(line));
        found = true;
    }
    return found;
}

// Every intersection of the identifier, in file order. False on a read error or an empty line.
bool ScanWaypoints(LineReader& waypoints, std::string_view identifier, ResultList& results,
                   CacheAppend& cache, LineBatches& batches) {
    std::string_view line;
    while (waypoints.next(line)) {
        batches.lineRead();
        if (line.empty()) {
            return false;
        }
        if (FirstFieldIs(line, identifier)) {
            std::string record = IntersectionRecord(line);
            cache.add(record);
            results.append(std::move(record));
        }
    }
    return !waypoints.failed();
}

// Every navaid of the identifier, each replacing the listed records at its coordinates. False on
// a read error, an empty line or a line without the fields it needs.
bool ScanNavaids(LineReader& navaids, std::string_view identifier, ResultList& results,
                 CacheAppend& cache, LineBatches& batches) {
    std::string_view line;
    while (navaids.next(line)) {
        batches.lineRead();
        if (line.empty()) {
            return false;
        }
        if (!FirstFieldIs(line, identifier)) {
            continue;
        }
        const std::vector<std::string_view> fields = SplitFields(line);
        if (fields.size() <= kNavaidCountry ||
            !results.removeAt(fields[kNavaidLatitude], fields[kNavaidLongitude])) {
            return false;
        }
        std::string record = NavaidRecord(fields);
        cache.add(record);
        results.append(std::move(record));
    }
    return !navaids.failed();
}

}  // namespace

std::string_view NavSearchErrorText(NavSearchError error) {
    switch (error) {
        case NavSearchError::Waypoints:
            return "Error with opening or reading information from WAYPOINTS.TXT";
        case NavSearchError::Navaids:
            return "Error with opening or reading information from NAVAIDS.TXT";
        case NavSearchError::Cache:
            return "Error with opening or writing the search cache file CACHE.DAT";
        case NavSearchError::None:
            break;
    }
    return {};
}

NavSearchResult SearchNavData(const std::filesystem::path& programFolder,
                              std::string_view identifier, const NavSearchObserver& observer) {
    ResultList results(observer);
    LineBatches batches(observer.betweenLines);
    {
        LineReader cached(CachePath(programFolder), kNavLineEnds);
        if (cached.isOpen() && SearchCache(cached, identifier, results, batches)) {
            return results.finish(NavSearchError::None);
        }
    }

    LineReader waypoints(programFolder / "waypoints.txt", kNavLineEnds);
    if (!waypoints.isOpen()) {
        return results.finish(NavSearchError::Waypoints);
    }
    CacheAppend cache(CachePath(programFolder));
    if (!cache.isOpen()) {
        return results.finish(NavSearchError::Cache);
    }
    if (!ScanWaypoints(waypoints, identifier, results, cache, batches)) {
        return results.finish(NavSearchError::Waypoints);
    }
    LineReader navaids(programFolder / "navaids.txt", kNavLineEnds);
    if (!navaids.isOpen() || !ScanNavaids(navaids, identifier, results, cache, batches)) {
        return results.finish(NavSearchError::Navaids);
    }
    return results.finish(cache.commit() ? NavSearchError::None : NavSearchError::Cache);
}

}  // namespace vantrel

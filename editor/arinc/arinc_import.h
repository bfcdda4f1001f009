// The import of an ARINC 424 file (such as the FAA's CIFP) into the program folder's procedure
// files: every airport with SIDs or STARs in the file, or the airports named, gets its sid and
// star files written whole, in the converter's layout, through an atomic replace. The input file
// is only read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

struct ImportOptions {
    std::vector<std::string> airports;  // the ICAO codes to import (any letter case); empty: all
    bool enrouteTransitions = true;     // also the procedures of the enroute transitions
    bool replace = false;               // replace the files of airports that have them
    // Without `replace`, asked once, for the first airport that has procedure files; the answer
    // holds for the whole run. Not asking is not replacing.
    std::function<bool(std::string_view airport)> askReplace;
};

struct ImportObserver {
    // Now and then while the file is read: its bytes read so far and its size.
    std::function<void(std::uintmax_t bytesRead, std::uintmax_t fileSize)> reading;
    // Before each airport's procedures are built and written: the airport, how many airports are
    // done and how many there are.
    std::function<void(std::string_view airport, std::size_t done, std::size_t airports)> writing;
    // After each part of the file read (a few hundred records) and each file written, to keep
    // windows alive.
    std::function<void()> betweenSteps;
};

struct ImportReport {
    bool fileRead = true;  // false when the file cannot be opened or read; nothing is written then
    // False when the file holds no SID, STAR or fix record: it is no ARINC 424 file, or not one
    // of airports' procedures.
    bool recordsFound = false;
    std::size_t airportsWritten = 0;
    std::size_t proceduresWritten = 0;
    std::vector<std::string> airportsWithFiles;  // skipped, as they have procedure files
    std::size_t proceduresSkipped = 0;
    std::vector<std::string> skipReasons;           // the first few, one line each
    std::vector<std::string> airportsNotInFile;     // named, but without SIDs or STARs there
    std::vector<std::filesystem::path> notWritten;  // procedure files that cannot be written

    bool skippedAnything() const {
        return !airportsWithFiles.empty() || proceduresSkipped > 0 || !airportsNotInFile.empty() ||
               !notWritten.empty();
    }
};

// How many reasons of skipped procedures a report keeps.
inline constexpr std::size_t kReasonsKept = 10;

ImportReport ImportArinc(const std::filesystem::path& programFolder,
                         const std::filesystem::path& file, const ImportOptions& options,
                         const ImportObserver& observer = {});

}  // namespace vantrel

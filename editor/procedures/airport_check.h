// Checking the procedure files of airports on disk: each file's text, and the airport code that
// names the files.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "procedure_check.h"

namespace vantrel {

struct FileCheck {
    std::filesystem::path file;  // relative to the program folder: sid/CODE.txt
    bool readable = true;
    std::vector<Finding> findings;
};

// The airport's SID file, then its STAR file, each only when it exists. An airport code that
// cannot safely name a file is a finding at line 1 of each.
std::vector<FileCheck> CheckAirport(const std::filesystem::path& programFolder,
                                    std::string_view airport);

// Every airport of the catalogue once, in name order with letter case ignored.
std::vector<std::string> AirportsToCheck(const std::filesystem::path& programFolder);

}  // namespace vantrel

// Runs vantrel-cli as a process and collects its standard output, standard error and exit
// status; and program folders made from the demo folder for the tests.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace vantrel::testing {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs `program` (vantrel-cli unless given) with the arguments, standard input empty.
CliRun RunCli(const std::vector<std::string>& arguments,
              const std::filesystem::path& program = VANTREL_CLI);

// The same with --folder set to `folder` before the arguments.
CliRun RunCliIn(const std::filesystem::path& folder, std::vector<std::string> arguments);

// A program folder holding a copy of the demo folder.
TempFolder DemoCopy();

// Every file below the folder with its bytes, by path relative to the folder.
std::vector<std::pair<std::string, std::string>> FolderContents(
    const std::filesystem::path& folder);

}  // namespace vantrel::testing

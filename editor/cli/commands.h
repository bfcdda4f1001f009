// The commands of vantrel-cli. Each takes its parsed command line and the program folder, prints
// its results on standard output and its errors on standard error, and returns the exit status.
#pragma once

#include <filesystem>

#include "command_line.h"

namespace vantrel::cli {

int RunConvert(const CommandLine& line, const std::filesystem::path& programFolder);
int RunCheck(const CommandLine& line, const std::filesystem::path& programFolder);
int RunImport(const CommandLine& line, const std::filesystem::path& programFolder);
int RunFind(const CommandLine& line, const std::filesystem::path& programFolder);
int RunPbd(const CommandLine& line);

}  // namespace vantrel::cli

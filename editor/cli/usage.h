// What vantrel-cli tells about its use: the one-line usage of each command, shown with a wrong
// command line, the help texts of --help, and the form of its error messages.
#pragma once

#include <string>
#include <string_view>

namespace vantrel::cli {

// "usage: vantrel-cli find [--folder DIR] IDENT"; for an unknown or empty command the usage of
// the program as a whole.
std::string UsageLine(std::string_view command);

// The help of one command, or of the program for an empty command; empty for an unknown one.
std::string HelpText(std::string_view command);

// "vantrel-cli COMMAND: message" on standard error.
void PrintError(std::string_view command, std::string_view message);

// One line on standard error, the problem and the command's usage; returns the exit status 64.
int WrongUsage(std::string_view command, std::string_view problem);

}  // namespace vantrel::cli

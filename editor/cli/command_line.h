// The command line of vantrel-cli: the command, its arguments and the options, which may stand
// anywhere: --folder DIR (or --folder=DIR), --help (or -h), --fix-line-ends, --replace,
// --no-transitions, and "--" after which
// every argument is an argument. Other arguments that begin with "--" are unknown options; a
// single "-" does not start an option, so negative numbers are arguments.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantrel::cli {

struct CommandLine {
    std::string command;  // empty when none was given
    std::vector<std::string> arguments;
    std::optional<std::string> folder;
    bool help = false;
    bool fixLineEnds = false;
    bool replace = false;
    bool noTransitions = false;
};

struct ParsedCommandLine {
    CommandLine commandLine;
    std::string problem;  // why the command line cannot be used; empty when it can
};

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace vantrel::cli

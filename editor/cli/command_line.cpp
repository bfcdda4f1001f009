#include "command_line.h"

namespace vantrel::cli {

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    ParsedCommandLine parsed;
    CommandLine& line = parsed.commandLine;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool option = !optionsEnded && (argument.starts_with("--") || argument == "-h");
        if (!option) {
            if (line.command.empty()) {
                line.command = argument;
            } else {
                line.arguments.push_back(argument);
            }
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            line.help = true;
        } else if (argument == "--fix-line-ends") {
            line.fixLineEnds = true;
        } else if (argument == "--replace") {
            line.replace = true;
        } else if (argument == "--no-transitions") {
            line.noTransitions = true;
        } else if (argument == "--folder") {
            if (i + 1 == arguments.size()) {
                parsed.problem = "--folder needs a folder";
                return parsed;
            }
            line.folder = arguments[++i];
        } else if (argument.starts_with("--folder=")) {
            line.folder = argument.substr(std::string("--folder=").size());
        } else {
            parsed.problem = "unknown option " + argument;
            return parsed;
        }
    }
    if (line.folder && line.folder->empty()) {
        parsed.problem = "--folder needs a folder";
    }
    return parsed;
}

}  // namespace vantrel::cli

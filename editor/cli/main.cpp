// vantrel-cli: the command-line companion of the Vantrel editor. Reads the command line, answers
// --help, finds the program folder and runs the command.
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "command_line.h"
#include "commands.h"
#include "exit_status.h"
#include "program_folder.h"
#include "usage.h"

using namespace vantrel::cli;

int main(int argc, char** argv) {
    const ParsedCommandLine parsed =
        ParseCommandLine(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    const CommandLine& line = parsed.commandLine;
    const bool known = !HelpText(line.command).empty();
    if (!parsed.problem.empty()) {
        return WrongUsage(known ? line.command : std::string(), parsed.problem);
    }
    if (line.command.empty() && !line.help) {
        return WrongUsage({}, "no command given");
    }
    if (!known) {
        return WrongUsage({}, "unknown command " + line.command);
    }
    if (line.help) {
        std::cout << HelpText(line.command);
        return kSuccess;
    }
    if (line.fixLineEnds && line.command != "check") {
        return WrongUsage(line.command, "--fix-line-ends belongs to the check command");
    }
    for (const auto& [given, option] : {std::pair{line.replace, "--replace"},
                                        std::pair{line.noTransitions, "--no-transitions"}}) {
        if (given && line.command != "import") {
            return WrongUsage(line.command, std::string(option) + " belongs to the import command");
        }
    }
    if (line.command == "pbd") {
        return RunPbd(line);
    }

    const std::filesystem::path folder = line.folder
                                             ? std::filesystem::path(*line.folder)
                                             : ExecutableFolder(argc > 0 ? argv[0] : nullptr);
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        PrintError(line.command, "the program folder " + folder.string() + " is not a folder");
        return kError;
    }
    if (line.command == "convert") {
        return RunConvert(line, folder);
    }
    if (line.command == "check") {
        return RunCheck(line, folder);
    }
    if (line.command == "import") {
        return RunImport(line, folder);
    }
    return RunFind(line, folder);
}

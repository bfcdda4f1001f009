#include "cli_process.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>

namespace vantrel::testing {
namespace {

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

}  // namespace

CliRun RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& program) {
    const TempFolder outputs;
    const auto out = outputs.path() / "out";
    const auto err = outputs.path() / "err";
    std::string command = ShellQuoted(program.string());
    for (const std::string& argument : arguments) {
        command += " " + ShellQuoted(argument);
    }
    command += " <" + ShellQuoted("/dev/null") + " >" + ShellQuoted(out.string()) + " 2>" +
               ShellQuoted(err.string());
    const int raw = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadBytes(out);
    run.err = ReadBytes(err);
    return run;
}

CliRun RunCliIn(const std::filesystem::path& folder, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--folder", folder.string()});
    return RunCli(arguments);
}

TempFolder DemoCopy() {
    TempFolder folder;
    std::filesystem::copy(VANTREL_DEMO_FOLDER, folder.path(),
                          std::filesystem::copy_options::recursive);
    return folder;
}

std::vector<std::pair<std::string, std::string>> FolderContents(
    const std::filesystem::path& folder) {
    std::vector<std::pair<std::string, std::string>> contents;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            contents.emplace_back(std::filesystem::relative(entry.path(), folder).generic_string(),
                                  ReadBytes(entry.path()));
        }
    }
    std::sort(contents.begin(), contents.end());
    return contents;
}

}  // namespace vantrel::testing

// The program folder that vantrel-cli works on when no --folder is given: the folder of its own
// executable, as for the editor.
#pragma once

#include <filesystem>

namespace vantrel::cli {

// The folder of the running executable; from `argv0` when the system cannot tell.
std::filesystem::path ExecutableFolder(const char* argv0);

}  // namespace vantrel::cli

// What every window of the editor needs to know: the program folder and the prompts to ask with.
#pragma once

#include <filesystem>

#include "prompts.h"

namespace vantrel {

struct AppContext {
    std::filesystem::path programFolder;
    Prompts& prompts;
};

}  // namespace vantrel

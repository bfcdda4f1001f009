// Fuzz target: ModifyProcedure on a fuzzed SID file. Input: selector line, name line, runway line,
// NUL, the file's bytes. Only the header line may change; the legs after it stay.
#include "rewrite_harness.h"

using namespace vantrel;
using namespace vantrel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = SplitInput(data, size, 2);
    auto parameters = SplitAtLineFeeds(parts[0]);
    parameters.resize(3);
    // Name and runway come from single-line boxes: no CR.
    const std::string name = Without(parameters[1], "\r");
    const std::string runway = Without(parameters[2], "\r");
    FuzzRewrite(
        parameters[0], parts.size() > 1 ? parts[1] : std::string_view(),
        [&](const std::filesystem::path& folder, const ProcedureAddress& procedure) {
            return ModifyProcedure(folder, procedure, name, runway);
        },
        [&](const std::vector<std::string>& lines, const ModelBlock& block) {
            std::vector<std::string> middle{"P|" + std::string(ModelTrim(name)) + "|" +
                                            std::string(ModelTrim(runway)) + "| |0|0|"};
            middle.insert(middle.end(),
                          lines.begin() + static_cast<std::ptrdiff_t>(block.header) + 1,
                          lines.begin() + static_cast<std::ptrdiff_t>(block.end));
            return middle;
        });
    return 0;
}

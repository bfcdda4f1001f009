// Fuzz target: DeleteProcedure on a fuzzed SID file. Input: selector line, NUL, the file's bytes.
#include "rewrite_harness.h"

using namespace vantrel;
using namespace vantrel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = SplitInput(data, size, 2);
    FuzzRewrite(
        parts[0], parts.size() > 1 ? parts[1] : std::string_view(),
        [](const std::filesystem::path& folder, const ProcedureAddress& procedure) {
            return DeleteProcedure(folder, procedure);
        },
        [](const std::vector<std::string>&, const ModelBlock&) {
            return std::vector<std::string>();
        });
    return 0;
}

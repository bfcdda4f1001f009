// Fuzz target: RewriteLegs on a fuzzed SID file. Input: selector line, then one leg per line
// (name|latitude|longitude), NUL, the file's bytes.
#include <string>
#include <vector>

#include "rewrite_harness.h"

using namespace vantrel;
using namespace vantrel::fuzz;

namespace {

// The legs list holds texts typed into single-line boxes or read from lines: no CR, and no "|",
// which would split the leg's record.
std::vector<LegRow> FuzzedLegs(const std::vector<std::string_view>& lines) {
    std::vector<LegRow> legs;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string line = Without(lines[i], "\r");
        auto texts = ModelFields(line);
        texts.resize(3);
        legs.push_back({std::string(texts[0]), std::string(texts[1]), std::string(texts[2])});
    }
    return legs;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = SplitInput(data, size, 2);
    const auto parameters = SplitAtLineFeeds(parts[0]);
    const std::vector<LegRow> legs = FuzzedLegs(parameters);
    FuzzRewrite(
        parameters[0], parts.size() > 1 ? parts[1] : std::string_view(),
        [&legs](const std::filesystem::path& folder, const ProcedureAddress& procedure) {
            return RewriteLegs(folder, procedure, legs);
        },
        [&legs](const std::vector<std::string>& lines, const ModelBlock& block) {
            std::vector<std::string> middle{lines[block.header]};
            for (const LegRow& leg : legs) {
                middle.push_back("S|" + leg.name + "|" + leg.latitude + "|" + leg.longitude +
                                 "| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0");
            }
            if (block.header + 1 < lines.size()) {
                middle.insert(middle.end(), {"", ""});
            }
            return middle;
        });
    return 0;
}

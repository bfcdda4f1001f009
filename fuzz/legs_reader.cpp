// Fuzz target: the legs reader on a fuzzed SID file, compared with the model of its rule: the leg
// records after the selected header up to the first line without "|", other records passed over,
// a leg of fewer than four fields the last one. Input: selector line, NUL, the file's bytes.
#include "fuzz_support.h"
#include "procedure_model.h"
#include "procedure_reader.h"

using namespace vantrel;
using namespace vantrel::fuzz;

namespace {

std::vector<LegRow> ModelLegs(const std::vector<std::string>& lines,
                              const std::optional<ModelBlock>& block) {
    std::vector<LegRow> legs;
    if (!block) {
        return legs;
    }
    for (std::size_t i = block->header + 1;
         i < lines.size() && lines[i].find('|') != std::string::npos; ++i) {
        auto fields = ModelFields(lines[i]);
        if (fields[0] != "S") {
            continue;
        }
        const bool last = fields.size() < 4;
        fields.resize(4);
        legs.push_back({std::string(fields[1]), std::string(fields[2]), std::string(fields[3])});
        if (last) {
            break;
        }
    }
    return legs;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = SplitInput(data, size, 2);
    const std::string_view content = parts.size() > 1 ? parts[1] : std::string_view();
    const std::filesystem::path file = FreshFolder("program") / "FUZZ.txt";
    WriteBytes(file, content);
    const Selection selected = SelectProcedure(file, parts[0]);
    const std::vector<LegRow> legs = ReadLegs(file, selected.entry, selected.occurrence);
    const std::vector<std::string> lines = ModelLines(content);
    Check(legs == ModelLegs(lines, FindModelBlock(lines, selected.entry, selected.occurrence)),
          "the legs reader yields the legs of the selected block");
    return 0;
}

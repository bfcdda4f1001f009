// Fuzz target: the procedure list reader on a fuzzed SID file. Input: the file's bytes.
#include "fuzz_support.h"
#include "procedure_model.h"
#include "procedure_reader.h"

using namespace vantrel;
using namespace vantrel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const std::filesystem::path file = FreshFolder("program") / "FUZZ.txt";
    WriteBytes(file, content);
    const std::vector<std::string> entries = ReadProcedureList(file);
    const std::vector<std::string> lines = ModelLines(content);
    Check(entries.size() <= lines.size(), "at most one entry per line");
    for (const std::string& entry : entries) {
        Check(entry.find(" @ ") != std::string::npos, "every entry reads NAME @ RUNWAY");
        Check(entry.find('\r') == std::string::npos, "no entry holds a line end");
    }
    return 0;
}

// Fuzz target: RepairSeparators on a fuzzed SID file. Input: the file's bytes. A file with a line
// feed inside a line is rewritten with CR LF at each; any other file stays byte for byte; either
// way the result reads without a line feed inside a line, and no repair copy stays behind.
#include <algorithm>

#include "fuzz_support.h"
#include "procedure_file.h"
#include "procedure_model.h"
#include "separator_repair.h"

using namespace vantrel;
using namespace vantrel::fuzz;

namespace {

std::string CrLfAtLineFeeds(std::string_view line) {
    std::string repaired;
    for (const char c : line) {
        if (c == '\n') {
            repaired += '\r';
        }
        repaired += c;
    }
    return repaired;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const std::filesystem::path folder = FreshFolder("program");
    const std::filesystem::path file = ProcedureFilePath(folder, ProcedureKind::Sid, "FUZZ");
    WriteBytes(file, content);

    const RepairOutcome outcome = RepairSeparators(folder, ProcedureKind::Sid, "FUZZ");
    std::vector<std::string> lines = ModelLines(content);
    const bool feeds = std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find('\n') != std::string::npos;
    });
    if (feeds) {
        for (std::string& line : lines) {
            line = CrLfAtLineFeeds(line);
        }
        Check(outcome == RepairOutcome::FileModified, "a file with line feeds is repaired");
        Check(ReadBytes(file) == ModelBytes(lines), "the repair turns each line feed into CR LF");
    } else {
        Check(outcome == RepairOutcome::FileCorrect, "a file without line feeds is correct");
        Check(ReadBytes(file) == content, "a correct file stays as it was");
    }
    for (const std::string& line : ModelLines(ReadBytes(file))) {
        Check(line.find('\n') == std::string::npos, "a repaired file has no line feed in a line");
    }
    const auto entries = std::filesystem::directory_iterator(file.parent_path());
    Check(std::distance(begin(entries), end(entries)) == 1, "no repair copy stays behind");
    return 0;
}

// Fuzz target: AddProcedure on a fuzzed SID file. Input: name line, runway line, NUL, the file's
// bytes (no NUL: no file yet). The file must keep every byte and gain exactly an empty line and
// the new header, after a line end that completes a last line without one; a file with a line
// feed alone stays as it was.
#include "fuzz_support.h"
#include "procedure_edits.h"
#include "procedure_file.h"
#include "procedure_model.h"

using namespace vantrel;
using namespace vantrel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = SplitInput(data, size, 2);
    auto parameters = SplitAtLineFeeds(parts[0]);
    parameters.resize(2);
    // Name and runway come from single-line boxes: no CR.
    const std::string name = Without(parameters[0], "\r");
    const std::string runway = Without(parameters[1], "\r");

    const std::filesystem::path folder = FreshFolder("program");
    const std::filesystem::path file = ProcedureFilePath(folder, ProcedureKind::Sid, "FUZZ");
    const std::string before = parts.size() > 1 ? std::string(parts[1]) : std::string();
    if (parts.size() > 1) {
        WriteBytes(file, before);
    }
    const RewriteStatus status = AddProcedure(folder, ProcedureKind::Sid, "FUZZ", name, runway);
    if (ModelHoldsBareLineFeed(before)) {
        Check(status == RewriteStatus::BareLineFeed, "a file with a line feed alone is refused");
        Check(ReadBytes(file) == before, "a refused file stays as it was");
        return 0;
    }
    const bool lastLineOpen = !before.empty() && before.back() != '\r' && before.back() != '\n';
    Check(status == RewriteStatus::Done, "a procedure can be added");
    Check(ReadBytes(file) == before + (lastLineOpen ? "\r\n" : "") + "\r\nP|" +
                                 std::string(ModelTrim(name)) + "|" +
                                 std::string(ModelTrim(runway)) + "| |0|0|\r\n",
          "adding completes the last line, appends an empty line and the header, and keeps "
          "every byte before them");
    return 0;
}

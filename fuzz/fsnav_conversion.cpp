// Fuzz target: the FSNavigator conversion of one fuzzed file. Input: the file's bytes. The
// conversion must end (the fuzzer's time limit catches a loop) and may write only the airport's
// files in the sid and star folders, made of header, leg and empty lines.
#include "convert_folder.h"
#include "fuzz_support.h"
#include "procedure_model.h"

using namespace vantrel;
using namespace vantrel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path folder = FreshFolder("program");
    WriteBytes(folder / "FUZZ.ssa", std::string_view(reinterpret_cast<const char*>(data), size));
    const ConversionReport report = ConvertFolder(folder, {"FUZZ.ssa"});
    Check(report.converted + report.skipped.size() == 1, "the one file is converted or skipped");

    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::filesystem::path relative = entry.path().lexically_relative(folder);
        const std::string top = relative.begin()->string();
        const bool expected =
            relative == "FUZZ.ssa" || ((top == "sid" || top == "star") &&
                                       (entry.is_directory() ? relative == top
                                                             : relative.parent_path() == top &&
                                                                   relative.extension() == ".txt"));
        Check(expected, "the conversion writes only procedure files in sid and star");
        if (entry.is_regular_file() && relative != "FUZZ.ssa") {
            for (const std::string& line : ModelLines(ReadBytes(entry.path()))) {
                Check(line.empty() || (line.starts_with("P|") && line.ends_with("| |0|0|")) ||
                          (line.starts_with("S|") &&
                           line.ends_with("| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0")),
                      "a procedure file holds header, leg and empty lines only");
            }
        }
    }
    return 0;
}

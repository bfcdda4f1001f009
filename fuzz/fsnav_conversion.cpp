// Fuzz target: the FSNavigator conversion of one fuzzed file. Input: the file's bytes. The
// conversion must end (the fuzzer's time limit catches a loop) and may write only the airport's
// files in the sid and star folders.
#include "convert_folder.h"
#include "fuzz_support.h"

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
    }
    return 0;
}

// Fuzz target: the ARINC 424 import of one fuzzed file, through the line reader. Input: the
// file's bytes. The reader's lines hold no line end and account for every byte; the import must
// end, leave its input as it was, and write only procedure files in the sid and star folders that
// the procedure checks find nothing wrong with.
#include "arinc_import.h"
#include "fuzz_support.h"
#include "procedure_check.h"
#include "text_lines.h"

using namespace vantrel;
using namespace vantrel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::filesystem::path folder = FreshFolder("program");
    const std::filesystem::path input = folder / "FAACIFP18";
    WriteBytes(input, bytes);

    LineReader reader(input, LineReader::Ends::AlsoLineFeed);
    std::string_view line;
    std::size_t lineBytes = 0;
    while (reader.next(line)) {
        Check(line.find_first_of("\r\n") == std::string_view::npos, "a line holds no line end");
        lineBytes += line.size();
    }
    Check(!reader.failed() && reader.bytesRead() == size, "the reader reads the whole file");
    Check(lineBytes == Without(bytes, "\r\n").size(), "the lines and their ends make up the file");

    ImportOptions options;
    options.replace = true;
    const ImportReport report = ImportArinc(folder, input, options);
    Check(report.fileRead, "the file is read");
    Check(ReadBytes(input) == bytes, "the input file is not changed");
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::filesystem::path relative = entry.path().lexically_relative(folder);
        const std::string top = relative.begin()->string();
        const bool expected = relative == "FAACIFP18" ||
                              ((top == "sid" || top == "star") &&
                               (entry.is_directory() ? relative == top
                                                     : relative.parent_path() == top &&
                                                           relative.extension() == ".txt"));
        Check(expected, "the import writes only procedure files in sid and star");
        if (entry.is_regular_file() && relative != "FAACIFP18") {
            Check(CheckProcedureText(ReadBytes(entry.path())).empty(),
                  "a written procedure file has no check findings");
        }
    }
    return 0;
}

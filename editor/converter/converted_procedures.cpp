#include "converted_procedures.h"

#include <fstream>

#include "procedure_file.h"
#include "records.h"
#include "rewrite_protocol.h"

namespace vantrel {

void ConvertedProcedures::addLine(std::string_view line) {
    text_ += line;
    text_ += "\r\n";
}

void ConvertedProcedures::addHeader(std::string_view name, std::string_view runway) {
    addLine(HeaderRecord(name, runway));
    ++procedures_;
}

void ConvertedProcedures::addLeg(const LegRow& leg) {
    addLine(LegRecord(leg));
}

void ConvertedProcedures::endProcedure() {
    addLine("");
    addLine("");
}

bool StoreProcedures(const ConvertedProcedures& procedures, const std::filesystem::path& target) {
    std::error_code error;
    if (procedures.procedures() == 0) {
        std::filesystem::remove(target, error);
        return true;
    }
    // Not synced to the disk: a run converts many files and can be repeated from its inputs, and a
    // sync per file would make it many times slower.
    const std::filesystem::path temporary = SiblingWithExtension(target, ".tmp");
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(procedures.text().data(), static_cast<std::streamsize>(procedures.text().size()));
    out.close();
    if (!out || !ReplaceFile(temporary, target)) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

}  // namespace vantrel

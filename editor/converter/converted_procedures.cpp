#include "converted_procedures.h"

#include <fstream>

#include "records.h"

namespace vantrel {

void ConvertedProcedures::addHeader(std::string_view name, std::string_view runway) {
    AppendHeaderRecord(text_, name, runway);
    text_ += "\r\n";
    ++procedures_;
}

void ConvertedProcedures::addLeg(const LegRow& leg) {
    AppendLegRecord(text_, leg);
    text_ += "\r\n";
}

void ConvertedProcedures::endProcedure() {
    text_ += "\r\n\r\n";
}

bool StoreProcedures(const ConvertedProcedures& procedures, const std::filesystem::path& target) {
    std::error_code error;
    if (procedures.procedures() == 0) {
        std::filesystem::remove(target, error);
        return true;
    }
    // The new content is written over the old one from memory in one go and the file then cut to
    // its length; it is not synced to the disk. A run converts many files and can be repeated from
    // its inputs, and a fresh file, an emptied one or a sync per airport makes it several times
    // slower on common file systems.
    const std::string& text = procedures.text();
    std::fstream out(target, std::ios::binary | std::ios::in | std::ios::out);
    if (!out.is_open()) {
        out.open(target, std::ios::binary | std::ios::out | std::ios::trunc);
        if (!out.is_open()) {
            return false;
        }
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    std::filesystem::resize_file(target, text.size(), error);
    if (!out || error) {
        // What is there now is neither the old nor the new file.
        std::filesystem::remove(target, error);
        return false;
    }
    return true;
}

}  // namespace vantrel

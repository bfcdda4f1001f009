#include "airport_edits.h"

#include <system_error>

#include "procedure_file.h"

namespace vantrel {

std::string AddAirport(std::string_view typed) {
    std::string code(typed);
    for (char& c : code) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return code;
}

void DeleteAirport(const std::filesystem::path& programFolder, std::string_view airport) {
    for (ProcedureKind kind : {ProcedureKind::Sid, ProcedureKind::Star}) {
        std::error_code ignored;
        std::filesystem::remove(ProcedureFilePath(programFolder, kind, airport), ignored);
    }
}

std::optional<std::string> UnsafeFileNamePart(std::string_view code) {
    if (code.find("..") != std::string_view::npos) {
        return "\"..\"";
    }
    for (unsigned char c : code) {
        if (c < 0x20 || c == 0x7F) {
            return "a control character";
        }
        if (std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos) {
            return std::string{'"', static_cast<char>(c), '"'};
        }
    }
    return std::nullopt;
}

}  // namespace vantrel

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

std::vector<std::filesystem::path> DeleteAirport(const std::filesystem::path& programFolder,
                                                 std::string_view airport) {
    std::vector<std::filesystem::path> notDeleted;
    for (ProcedureKind kind : {ProcedureKind::Sid, ProcedureKind::Star}) {
        const std::filesystem::path file = ProcedureFilePath(programFolder, kind, airport);
        std::error_code error;
        const std::filesystem::file_status status = std::filesystem::symlink_status(file, error);
        if (!std::filesystem::exists(status)) {
            continue;
        }
        if (std::filesystem::is_directory(status) || !std::filesystem::remove(file, error)) {
            notDeleted.push_back(file);
        }
    }
    return notDeleted;
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

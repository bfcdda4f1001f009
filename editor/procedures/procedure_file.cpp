#include "procedure_file.h"

#include <string>

namespace vantrel {

std::filesystem::path ProcedureFileName(ProcedureKind kind, std::string_view airportCode) {
    std::string fileName(airportCode);
    fileName += ".txt";
    return std::filesystem::path(FolderName(kind)) / fileName;
}

std::filesystem::path ProcedureFilePath(const std::filesystem::path& programFolder,
                                        ProcedureKind kind, std::string_view airportCode) {
    return programFolder / ProcedureFileName(kind, airportCode);
}

bool IsReadOnly(const std::filesystem::path& file) {
    using std::filesystem::perms;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (error || !std::filesystem::is_regular_file(status)) {
        return false;
    }
    return (status.permissions() &
            (perms::owner_write | perms::group_write | perms::others_write)) == perms::none;
}

std::filesystem::path SiblingWithExtension(const std::filesystem::path& file,
                                           std::string_view extension) {
    std::filesystem::path sibling = file;
    sibling.replace_extension(extension);
    return sibling;
}

}  // namespace vantrel

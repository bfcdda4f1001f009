// Where the procedure files of an airport lie: program folder / sid|star / CODE.txt.
#pragma once

#include <filesystem>
#include <string_view>

#include "procedure_kind.h"

namespace vantrel {

// The file of one kind for one airport within the program folder: sid/CODE.txt or star/CODE.txt.
// The airport code is used exactly as given.
std::filesystem::path ProcedureFileName(ProcedureKind kind, std::string_view airportCode);

// The file of one kind for one airport. The airport code is used exactly as given.
std::filesystem::path ProcedureFilePath(const std::filesystem::path& programFolder,
                                        ProcedureKind kind, std::string_view airportCode);

// True when the file exists and its permission bits grant no one the right to write it, as a user
// protects a file (chmod a-w on Linux, the read-only attribute on Windows). The bits decide, not
// whether this process could write it: a program run as root may write any file. Such a file is
// never changed, replaced or deleted.
bool IsReadOnly(const std::filesystem::path& file);

// The same path with its extension replaced, for the temporary files written beside it
// (".tmp" while rewriting).
std::filesystem::path SiblingWithExtension(const std::filesystem::path& file,
                                           std::string_view extension);

}  // namespace vantrel

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

// The same path with its extension replaced, for the temporary files written beside it
// (".tmp" while rewriting).
std::filesystem::path SiblingWithExtension(const std::filesystem::path& file,
                                           std::string_view extension);

}  // namespace vantrel

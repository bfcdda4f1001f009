// The changes the editor makes to a procedure file: the legs of one procedure rewritten from the
// legs list, a procedure deleted, renamed or added. Every change of an existing procedure goes
// through the rewrite protocol, so a change that cannot be completed leaves the file as it was.
// None of them changes a file that holds a line feed without a CR before it (BareLineFeed).
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "leg_row.h"
#include "procedure_kind.h"
#include "rewrite_protocol.h"

namespace vantrel {

// One procedure of one airport: its list entry ("NAME @ RUNWAY") and which of the procedures
// with that entry it is (occurrence number, from 1).
struct ProcedureAddress {
    ProcedureKind kind;
    std::string_view airport;
    std::string_view entry;
    int occurrence;
};

// Replaces the procedure's legs by `legs`; its header line stays as it was read. The block is
// written as the header, the legs and two empty lines, or without the empty lines when the
// header was the file's last line.
RewriteStatus RewriteLegs(const std::filesystem::path& programFolder,
                          const ProcedureAddress& procedure, const std::vector<LegRow>& legs);

// Removes the procedure's header, legs and the lines after them up to the next procedure.
RewriteStatus DeleteProcedure(const std::filesystem::path& programFolder,
                              const ProcedureAddress& procedure);

// Gives the procedure a new header with the name and runway (trimmed); its legs stay.
RewriteStatus ModifyProcedure(const std::filesystem::path& programFolder,
                              const ProcedureAddress& procedure, std::string_view name,
                              std::string_view runway);

// Appends an empty line and the new header (name and runway trimmed) to the airport's file,
// creating the file and its folder when missing. A last line without a line end is completed
// first, so that the empty line ends the block before the new header. The file is replaced as a
// whole, as every other change replaces it, so that an interrupted addition leaves the former
// file. Done, BareLineFeed or FileError.
RewriteStatus AddProcedure(const std::filesystem::path& programFolder, ProcedureKind kind,
                           std::string_view airport, std::string_view name,
                           std::string_view runway);

}  // namespace vantrel

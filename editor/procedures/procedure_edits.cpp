#include "procedure_edits.h"

#include <system_error>

#include "procedure_file.h"
#include "records.h"

namespace vantrel {
namespace {

std::filesystem::path FileOf(const std::filesystem::path& programFolder,
                             const ProcedureAddress& procedure) {
    return ProcedureFilePath(programFolder, procedure.kind, procedure.airport);
}

}  // namespace

RewriteStatus RewriteLegs(const std::filesystem::path& programFolder,
                          const ProcedureAddress& procedure, const std::vector<LegRow>& legs) {
    return RewriteProcedure(FileOf(programFolder, procedure), procedure.entry, procedure.occurrence,
                            [&legs](ProcedureBlock& block, LineWriter& out) {
                                out.write(block.header());
                                for (const LegRow& leg : legs) {
                                    out.write(LegRecord(leg));
                                }
                                if (block.headerEndsFile()) {
                                    return;
                                }
                                // A line holding CR LF: two empty lines close the block.
                                out.write("\r\n");
                                block.dropRest();
                            });
}

RewriteStatus DeleteProcedure(const std::filesystem::path& programFolder,
                              const ProcedureAddress& procedure) {
    return RewriteProcedure(FileOf(programFolder, procedure), procedure.entry, procedure.occurrence,
                            [](ProcedureBlock& block, LineWriter&) { block.dropRest(); });
}

RewriteStatus ModifyProcedure(const std::filesystem::path& programFolder,
                              const ProcedureAddress& procedure, std::string_view name,
                              std::string_view runway) {
    const std::string header = HeaderRecord(TrimBlanks(name), TrimBlanks(runway));
    return RewriteProcedure(FileOf(programFolder, procedure), procedure.entry, procedure.occurrence,
                            [&header](ProcedureBlock&, LineWriter& out) { out.write(header); });
}

RewriteStatus AddProcedure(const std::filesystem::path& programFolder, ProcedureKind kind,
                           std::string_view airport, std::string_view name,
                           std::string_view runway) {
    const std::filesystem::path file = ProcedureFilePath(programFolder, kind, airport);
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    return AppendLines(file, {"", HeaderRecord(TrimBlanks(name), TrimBlanks(runway))});
}

}  // namespace vantrel

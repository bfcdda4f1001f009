// The messages of the editing commands that go beyond their confirmations: input that a procedure
// file cannot hold, and files that could not be read, written or deleted. Each names the file,
// relative to the program folder ("sid/LHBP.txt").
#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "procedure_kind.h"
#include "rewrite_protocol.h"
#include "shown_procedure.h"

namespace vantrel {

// "|" separates the fields of a record, so no field may hold it; "@" separates a procedure's
// name from its runway in the procedure list, so neither may hold it when `nameOrRunway`.
// The message names the first such character found; none when every text can be written.
std::optional<QString> RecordFieldProblem(std::initializer_list<QString> texts, bool nameOrRunway);

// A file or folder of the program folder as the messages name it.
QString FileText(const std::filesystem::path& programFolder, const std::filesystem::path& file);

// Why a change of the airport's procedure file was not written; the file keeps its content.
// When a folder stands in the way of the file or of its temporary file, or the file's folder is
// a file, the message says so; a file with line feeds alone is to be repaired first.
QString NotWrittenText(RewriteStatus status, const std::filesystem::path& programFolder,
                       ProcedureKind kind, std::string_view airport);

// A leg change while the shown procedure is not selected in its list (another airport or entry
// is selected): the change would not go where the user sees it.
QString NotSelectedText(const ShownProcedure& shown);

// A new leg while no procedure is shown: there is no procedure to add it to.
QString NoProcedureShownText();

// The note beside the lists while an airport with files that hold line feeds alone is selected.
QString LineFeedsAloneText(const QStringList& files);

// Procedure files that exist but cannot be read: their procedures are not listed.
QString ListsNotReadText(const QStringList& files);

// The selected procedure's file cannot be read: no legs are shown.
QString LegsNotReadText(const QString& file, const QString& entry);

// A folder of the airport catalogue that exists but cannot be listed.
QString FolderNotReadText(const QString& folder);

// A procedure file that is read-only, named relative to the program folder.
QString ReadOnlyText(const QString& file);

// An airport that was not deleted, as the file named could not be, for the reason given.
QString AirportNotDeletedText(const QString& airport, const QString& file, const QString& reason);

// The search cache could not be deleted.
QString CacheNotDeletedText();

inline constexpr const char* kNotWrittenTitle = "Not written";
inline constexpr const char* kNotReadTitle = "Not read";
inline constexpr const char* kNotDeletedTitle = "Not deleted";

}  // namespace vantrel

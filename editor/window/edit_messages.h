// The messages of the editing commands that go beyond their confirmations: input that a procedure
// file cannot hold, and a change that could not be written.
#pragma once

#include <QString>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "procedure_kind.h"
#include "rewrite_protocol.h"

namespace vantrel {

// "|" separates the fields of a record, so no field may hold it; "@" separates a procedure's
// name from its runway in the procedure list, so neither may hold it when `nameOrRunway`.
// The message names the first such character found; none when every text can be written.
std::optional<QString> RecordFieldProblem(std::initializer_list<QString> texts, bool nameOrRunway);

// Why a change of the airport's procedure file was not written; the file keeps its content.
QString NotWrittenText(RewriteStatus status, ProcedureKind kind, std::string_view airport);

// A leg change while the shown procedure is not selected in its list (another airport was
// selected, or the procedure was deleted): there is nothing to write it into.
QString NotSelectedText();

// A new leg while no procedure is shown: there is no procedure to add it to.
QString NoProcedureShownText();

inline constexpr const char* kNotWrittenTitle = "Not written";

}  // namespace vantrel

// The procedure whose legs the editor's legs list shows, as it was when they were loaded: every
// leg command writes into this procedure and no other.
#pragma once

#include <string>

#include "procedure_edits.h"
#include "procedure_kind.h"

namespace vantrel {

struct ShownProcedure {
    ProcedureKind kind;
    std::string airport;
    std::string entry;
    int occurrence;

    ProcedureAddress address() const { return {kind, airport, entry, occurrence}; }
    bool operator==(const ShownProcedure&) const = default;
};

}  // namespace vantrel

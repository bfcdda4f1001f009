// The two kinds of terminal procedure and what each kind chooses: its folder and legs-label prefix.
#pragma once

#include <string_view>

namespace vantrel {

enum class ProcedureKind { Sid, Star };

// Folder beside the program that holds one file per airport: "sid" or "star".
constexpr std::string_view FolderName(ProcedureKind kind) {
    return kind == ProcedureKind::Sid ? "sid" : "star";
}

// Prefix of the legs label that names the kind of the shown procedure: "SID: " or "STAR: ".
constexpr std::string_view LabelPrefix(ProcedureKind kind) {
    return kind == ProcedureKind::Sid ? "SID: " : "STAR: ";
}

}  // namespace vantrel

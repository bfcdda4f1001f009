#include "separator_repair.h"

#include <string>
#include <system_error>

#include "procedure_file.h"
#include "rewrite_protocol.h"
#include "text_lines.h"

namespace vantrel {
namespace {

// Whether the folder holds an ordinary file whose name is exactly `name`. The folder is listed
// rather than asked for the path, so that a file system that ignores letter case does not report
// egll.txt for EGLL.txt.
bool HasFileNamedExactly(const std::filesystem::path& folder, const std::filesystem::path& name) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        if (entries->path().filename() == name && entries->is_regular_file(error)) {
            return true;
        }
    }
    return false;
}

// Copies `file` to `repaired` with every line feed inside a line turned into CR LF; `changed`
// tells whether any was found, `repairedMade` whether the copy was created here. False when
// reading or writing failed.
bool WriteRepairedCopy(const std::filesystem::path& file, const std::filesystem::path& repaired,
                       bool& changed, bool& repairedMade) {
    LineReader reader(file);
    if (!reader.isOpen()) {
        return false;
    }
    LineWriter out(repaired, LineWriter::Mode::Truncate);
    if (!out.isOpen()) {
        return false;
    }
    repairedMade = true;
    changed = false;
    std::string line;
    while (reader.next(line)) {
        std::string::size_type at = 0;
        while ((at = line.find('\n', at)) != std::string::npos) {
            line.insert(at, 1, '\r');
            at += 2;
            changed = true;
        }
        out.write(line);
    }
    return out.close() && !reader.failed();
}

}  // namespace

RepairOutcome RepairSeparators(const std::filesystem::path& programFolder, ProcedureKind kind,
                               std::string_view airport) {
    const std::filesystem::path file = ProcedureFilePath(programFolder, kind, airport);
    if (!HasFileNamedExactly(file.parent_path(), file.filename())) {
        return RepairOutcome::NoFile;
    }
    const std::filesystem::path repaired = SiblingWithExtension(file, ".txt2");
    bool changed = false;
    bool repairedMade = false;
    const bool written = WriteRepairedCopy(file, repaired, changed, repairedMade);
    // A read-only file is only refused when it would change, so that a correct one says so.
    const bool readOnly = written && changed && IsReadOnly(file);
    if (written && changed && !readOnly && ReplaceFile(repaired, file)) {
        return RepairOutcome::FileModified;
    }
    // Something else of the copy's name, a folder say, is not touched.
    if (repairedMade) {
        std::error_code ignored;
        std::filesystem::remove(repaired, ignored);
    }
    if (readOnly) {
        return RepairOutcome::ReadOnly;
    }
    return written && !changed ? RepairOutcome::FileCorrect : RepairOutcome::Failed;
}

std::string RepairReportLine(RepairOutcome outcome, ProcedureKind kind, std::string_view airport) {
    const std::string procedures = kind == ProcedureKind::Sid ? "SIDs" : "STARs";
    switch (outcome) {
        case RepairOutcome::NoFile:
            return "There are no " + procedures + " for this airport.";
        case RepairOutcome::FileCorrect:
            return "There are " + procedures + " for this airport but the file is correct.";
        case RepairOutcome::FileModified:
            return "There are " + procedures +
                   " for this airport and the file is successfully modified.";
        case RepairOutcome::ReadOnly:
            return "There are " + procedures + " for this airport but the file " +
                   ProcedureFileName(kind, airport).generic_string() +
                   " is read-only; it keeps its former content.";
        case RepairOutcome::Failed:
            break;
    }
    return "There are " + procedures + " for this airport but the file " +
           ProcedureFileName(kind, airport).generic_string() +
           " could not be modified; it keeps its former content.";
}

}  // namespace vantrel

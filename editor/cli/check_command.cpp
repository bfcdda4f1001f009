// vantrel-cli check [--fix-line-ends] [AIRPORT...]: the findings of the procedure checks, one
// line each as FILE:LINE: message, after the separator repair of "Fix Selected" when asked for.
#include <iostream>
#include <string>
#include <vector>

#include "airport_check.h"
#include "airport_edits.h"
#include "commands.h"
#include "exit_status.h"
#include "procedure_file.h"
#include "progress_line.h"
#include "separator_repair.h"
#include "usage.h"

namespace vantrel::cli {
namespace {

std::string FileName(ProcedureKind kind, const std::string& airport) {
    return ProcedureFileName(kind, airport).generic_string();
}

class AirportChecker {
  public:
    AirportChecker(const std::filesystem::path& programFolder, ProgressLine& progress)
        : programFolder_(programFolder), progress_(progress) {}

    // Prints what the repair changed; false when a file could not be repaired.
    bool repairLineEnds(const std::string& airport) {
        bool repaired = true;
        for (const ProcedureKind kind : {ProcedureKind::Sid, ProcedureKind::Star}) {
            const RepairOutcome outcome = RepairSeparators(programFolder_, kind, airport);
            if (outcome == RepairOutcome::FileModified) {
                progress_.clear();
                std::cout << FileName(kind, airport) << ": "
                          << RepairReportLine(outcome, kind, airport) << '\n';
            } else if (outcome == RepairOutcome::Failed || outcome == RepairOutcome::ReadOnly) {
                progress_.clear();
                PrintError("check", FileName(kind, airport) + ": " +
                                        RepairReportLine(outcome, kind, airport));
                repaired = false;
            }
        }
        return repaired;
    }

    // Prints the findings; the number of files read, and whether all could be read.
    struct Checked {
        std::size_t files = 0;
        std::size_t findings = 0;
        bool allRead = true;
    };
    Checked check(const std::string& airport) {
        Checked checked;
        for (const FileCheck& file : CheckAirport(programFolder_, airport)) {
            ++checked.files;
            const std::string name = file.file.generic_string();
            progress_.clear();
            if (!file.readable) {
                PrintError("check", name + ": the file cannot be read");
                checked.allRead = false;
            }
            for (const Finding& finding : file.findings) {
                std::cout << name << ':' << finding.line << ": " << finding.message << '\n';
            }
            checked.findings += file.findings.size();
        }
        return checked;
    }

  private:
    const std::filesystem::path& programFolder_;
    ProgressLine& progress_;
};

}  // namespace

int RunCheck(const CommandLine& line, const std::filesystem::path& programFolder) {
    for (const std::string& airport : line.arguments) {
        // A named code becomes a path: it must not lead out of the sid and star folders.
        if (const auto unsafe = UnsafeFileNamePart(airport); unsafe || airport.empty()) {
            return WrongUsage("check", "\"" + airport + "\" is not an airport code" +
                                           (unsafe ? ": it holds " + *unsafe : std::string()));
        }
    }
    const bool named = !line.arguments.empty();
    const std::vector<std::string> airports =
        named ? line.arguments : AirportsToCheck(programFolder);

    ProgressLine progress;
    AirportChecker checker(programFolder, progress);
    bool failed = false;
    bool found = false;
    for (std::size_t i = 0; i < airports.size(); ++i) {
        const std::string& airport = airports[i];
        progress.show(i + 1, airports.size(), airport);
        if (line.fixLineEnds && !checker.repairLineEnds(airport)) {
            failed = true;
        }
        const auto checked = checker.check(airport);
        if (named && checked.files == 0) {
            progress.clear();
            PrintError("check", "airport " + airport + " has no SID or STAR file");
            failed = true;
        }
        failed = failed || !checked.allRead;
        found = found || checked.findings > 0;
    }
    progress.clear();
    std::cout.flush();
    return failed ? kError : found ? kFindings : kSuccess;
}

}  // namespace vantrel::cli

#include "airport_check.h"

#include <algorithm>
#include <optional>
#include <system_error>

#include "airport_catalogue.h"
#include "airport_edits.h"
#include "ascii_case.h"
#include "procedure_file.h"
#include "text_lines.h"

namespace vantrel {

std::vector<FileCheck> CheckAirport(const std::filesystem::path& programFolder,
                                    std::string_view airport) {
    std::vector<FileCheck> checks;
    const std::optional<std::string> unsafe = UnsafeFileNamePart(airport);
    for (const ProcedureKind kind : {ProcedureKind::Sid, ProcedureKind::Star}) {
        const std::filesystem::path path = ProcedureFilePath(programFolder, kind, airport);
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error)) {
            continue;
        }
        FileCheck check{ProcedureFileName(kind, airport), true, {}};
        // The bytes as they are: the checks need the line ends, which the line reader drops.
        if (const auto text = ReadFileBytes(path)) {
            check.findings = CheckProcedureText(*text);
        } else {
            check.readable = false;
        }
        if (unsafe) {
            check.findings.insert(check.findings.begin(),
                                  {1, FindingKind::AirportCode,
                                   "airport code \"" + std::string(airport) +
                                       "\" is not a safe file name: it holds " + *unsafe});
        }
        checks.push_back(std::move(check));
    }
    return checks;
}

std::vector<std::string> AirportsToCheck(const std::filesystem::path& programFolder) {
    std::vector<std::string> airports = LoadAirportList(programFolder);
    const auto byName = [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(),
            [](char x, char y) { return LowerAscii(x) < LowerAscii(y); });
    };
    std::sort(airports.begin(), airports.end(), [&](const std::string& a, const std::string& b) {
        return byName(a, b) || (!byName(b, a) && a < b);
    });
    airports.erase(std::unique(airports.begin(), airports.end()), airports.end());
    return airports;
}

}  // namespace vantrel

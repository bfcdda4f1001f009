#include "airport_check.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "airport_catalogue.h"
#include "airport_edits.h"
#include "procedure_file.h"

namespace vantrel {
namespace {

// The whole file as bytes: the checks need its line ends as they are, which the line reader
// drops.
std::optional<std::string> ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

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
        if (const auto text = ReadBytes(path)) {
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

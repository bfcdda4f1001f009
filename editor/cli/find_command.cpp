// vantrel-cli find IDENT: the waypoint finder's search, from the search cache or through the
// navigation data, which it caches as the finder does.
#include <iostream>
#include <string>

#include "ascii_case.h"
#include "commands.h"
#include "exit_status.h"
#include "nav_search.h"
#include "progress_line.h"
#include "usage.h"

namespace vantrel::cli {
int RunFind(const CommandLine& line, const std::filesystem::path& programFolder) {
    if (line.arguments.size() != 1) {
        return WrongUsage("find", line.arguments.empty() ? "IDENT is missing" : "one IDENT only");
    }
    const std::string identifier = UpperAscii(line.arguments[0]);
    NavSearchResult result;
    {
        ProgressLine progress;
        progress.show("Searching for " + identifier + "...");
        result = SearchNavData(programFolder, identifier);
    }
    for (const std::string& record : result.records) {
        std::cout << record << '\n';
    }
    if (result.error != NavSearchError::None) {
        PrintError("find", NavSearchErrorText(result.error));
        return kError;
    }
    if (result.records.empty()) {
        PrintError("find", "no waypoint " + identifier + " in waypoints.txt or navaids.txt");
        return kFindings;
    }
    return kSuccess;
}

}  // namespace vantrel::cli

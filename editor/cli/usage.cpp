#include "usage.h"

#include <iostream>

#include "exit_status.h"

namespace vantrel::cli {
namespace {

struct CommandHelp {
    std::string_view command;
    std::string_view usage;
    std::string_view help;
};

constexpr std::string_view kProgramUsage =
    "usage: vantrel-cli [--folder DIR] convert|check|import|find|pbd ... (vantrel-cli --help tells "
    "more)";

constexpr std::string_view kProgramHelp =
    R"(The command-line companion of the Vantrel editor: it converts, checks and searches the
files of a program folder with the editor's own code.

  vantrel-cli convert [NAME...]                 FSNavigator SID/STAR files into procedure files
  vantrel-cli check [--fix-line-ends] [AIRPORT...]  procedure files that vasFMC would misread
  vantrel-cli import [--replace] [--no-transitions] FILE [AIRPORT...]
                                                ARINC 424 SIDs and STARs into procedure files
  vantrel-cli find IDENT                        a waypoint in the navigation data
  vantrel-cli pbd LAT LON TRACK DIST [NAME]     the point at a track and distance from another

--folder DIR   the program folder (sid, star, waypoints.txt, ...); without it the folder of
               vantrel-cli itself, as for the editor.
Each command tells more with --help, for example: vantrel-cli check --help
Exit status 64 means a wrong command line.
)";

constexpr CommandHelp kCommands[] = {
    {"convert", "usage: vantrel-cli convert [--folder DIR] [NAME...]",
     R"(Converts the FSNavigator SID/STAR files of the program folder into its sid and star
folders, as the editor's converter window does: every listed name that contains ".ss" is
converted, and the procedure files of its airport are replaced. Without names every file of
the folder is listed, in name order.

Prints how many files were converted and each skipped file with the reason; on a terminal a
progress line shows the current file.
Exit status: 0 every listed ".ss" file converted, 1 some were skipped.
Example: vantrel-cli convert --folder ~/vantrel EDDF.ssa
)"},
    {"check", "usage: vantrel-cli check [--folder DIR] [--fix-line-ends] [AIRPORT...]",
     R"(Reads the SID and STAR files of every airport of the program folder (or of the named
ones) and prints one line per finding, FILE:LINE: message, ordered by airport, file and line:
line ends other than CR LF, headers whose fields are not six, legs whose fields are not
nineteen, a procedure not followed by an empty line before the next header, coordinates that
are not coordinate text or out of range, "|" or "@" inside a name, two procedures with the
same entry, and airport codes that cannot safely name a file.

--fix-line-ends  first repairs line feeds into CR LF, as the editor's "Fix Selected" does,
                 and prints each file it changed.
Exit status: 0 no finding, 1 findings, 2 a file could not be read or repaired, or a named
airport has no procedure file.
Example: vantrel-cli check --fix-line-ends EGLL LHBP
)"},
    {"import",
     "usage: vantrel-cli import [--folder DIR] [--replace] [--no-transitions] FILE [AIRPORT...]",
     R"(Imports the airport SIDs and STARs of an ARINC 424 file, such as the FAA's CIFP
(FAACIFP18), into the sid and star folders of the program folder: every airport of the file
that has SIDs or STARs, or the airports named. A SID gives one procedure per runway transition
(RW04B: each parallel runway 04L, 04C, 04R that the file's runway records hold), a STAR the
common route followed by each runway transition; without runway transitions the runway is ALL.
Enroute transitions give further procedures named IDENT.TRANSITION. Each airport's files are
written whole; an airport that has procedure files already is skipped. FILE is only read.

--replace         replace the procedure files of airports that have them
--no-transitions  leave the enroute transitions out
Prints how many airports and procedures were written, the airports skipped because they have
files, and the procedures skipped with the first reasons; on a terminal a progress line shows
how far the run is.
Exit status: 0 nothing skipped, 1 something was skipped, 2 FILE cannot be read.
Example: vantrel-cli import --folder ~/vantrel --no-transitions FAACIFP18 KJFK KBOS
)"},
    {"find", "usage: vantrel-cli find [--folder DIR] IDENT",
     R"(Searches the navigation data of the program folder for a waypoint identifier, as the
editor's waypoint finder does: from cache.dat when it holds the identifier, else through
waypoints.txt and navaids.txt, whose results are added to cache.dat. The identifier is taken
in upper case. Prints one result line per match: ID|LATITUDE|LONGITUDE|DESCRIPTION.
Exit status: 0 found, 1 nothing found, 2 a navigation file could not be read (the message goes
to standard error, after the lines found before it).
Example: vantrel-cli find --folder ~/vantrel MIQ
)"},
    {"pbd", "usage: vantrel-cli pbd LAT LON TRACK DIST [NAME]",
     R"(Prints the point at a track (degrees) and distance (nautical miles) from a known point,
as the line the editor's place/bearing/distance calculator adds to the finder's results:
NAME|LATITUDE|LONGITUDE|   -   [PBD] HDG: TRACK DIST: DIST
LAT and LON are coordinate texts, degrees times 1,000,000 (47539776); NAME is FIX when not
given. TRACK and DIST are read as the calculator reads them (12,5 reads as 12).
Exit status: 0 printed, 2 the point cannot be computed from these values.
Example: vantrel-cli pbd 47000000 19000000 90 60 NEWPT
)"},
};

const CommandHelp* Find(std::string_view command) {
    for (const CommandHelp& help : kCommands) {
        if (help.command == command) {
            return &help;
        }
    }
    return nullptr;
}

}  // namespace

std::string UsageLine(std::string_view command) {
    const CommandHelp* help = Find(command);
    return std::string(help ? help->usage : kProgramUsage);
}

std::string HelpText(std::string_view command) {
    if (command.empty()) {
        return std::string(kProgramUsage) + "\n\n" + std::string(kProgramHelp);
    }
    const CommandHelp* help = Find(command);
    return help ? std::string(help->usage) + "\n\n" + std::string(help->help) : std::string();
}

void PrintError(std::string_view command, std::string_view message) {
    std::cout.flush();
    std::cerr << "vantrel-cli" << (command.empty() ? "" : " ") << command << ": " << message
              << std::endl;
}

int WrongUsage(std::string_view command, std::string_view problem) {
    PrintError(Find(command) ? command : std::string_view(),
               std::string(problem) + "; " + UsageLine(command));
    return kUsage;
}

}  // namespace vantrel::cli

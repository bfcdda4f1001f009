// vantrel-cli pbd LAT LON TRACK DIST [NAME]: the place/bearing/distance calculator's line.
#include <iostream>
#include <string>

#include "commands.h"
#include "exit_status.h"
#include "pbd_point.h"
#include "usage.h"

namespace vantrel::cli {

int RunPbd(const CommandLine& line) {
    const auto& arguments = line.arguments;
    if (arguments.size() < 4 || arguments.size() > 5) {
        return WrongUsage("pbd", arguments.size() < 4 ? "LAT, LON, TRACK and DIST are needed"
                                                      : "too many arguments");
    }
    const std::string name = arguments.size() == 5 ? arguments[4] : "FIX";
    // A "|" in the name would shift the coordinates into other fields of the line.
    if (name.find('|') != std::string::npos) {
        return WrongUsage("pbd", "NAME cannot hold \"|\", which separates the fields of the line");
    }
    const PbdPoint point =
        ComputePbdPoint(arguments[0], arguments[1], arguments[2], arguments[3], name);
    switch (point.problem) {
        case PbdProblem::None:
            std::cout << point.record << '\n';
            return kSuccess;
        case PbdProblem::SourceCoordinates:
            PrintError("pbd",
                       "LAT and LON must be whole numbers like 47539776 or -0621681 (degrees "
                       "times 1,000,000)");
            break;
        case PbdProblem::TrackNotNumber:
            PrintError("pbd", "TRACK must be a number of degrees like 90, 127.5 or -45");
            break;
        case PbdProblem::DistanceNotNumber:
            PrintError("pbd", "DIST must be a number of nautical miles like 60 or 12.5");
            break;
        case PbdProblem::NotComputable:
            PrintError("pbd", "the track or the distance is too large to compute a point from");
            break;
    }
    return kError;
}

}  // namespace vantrel::cli

// An airport's SID and STAR records as vasFMC procedures, which have a name, one runway and a
// list of fixes. A SID gives one procedure per runway transition: its fixes, then the common
// route's; a STAR the common route's fixes, then the runway transition's. Enroute transitions
// give further procedures named identifier + "." + transition, their fixes after a SID's and
// before a STAR's. Without runway transitions the runway is "ALL".
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "converted_procedures.h"
#include "fix_table.h"
#include "procedure_kind.h"

namespace vantrel {

struct ArincLeg {
    int sequence = 0;
    std::size_t line = 0;
    std::string fix;  // empty for a leg without one
    std::string fixKey;
    std::string pathTerminator;
    bool runwayFix = false;
};

enum class RouteRole { Runway, Common, Enroute };

// The records of one route of a procedure: a runway transition, the common route, or an enroute
// transition.
struct ArincRoute {
    RouteRole role = RouteRole::Common;
    char routeType = ' ';
    std::string transition;      // "RW04L", "CANDR", or empty
    std::vector<ArincLeg> legs;  // by sequence number, in the order of the file where equal
    std::string problem;         // why the route cannot be used, with the line; empty when it can
};

struct ArincProcedure {
    ProcedureKind kind = ProcedureKind::Sid;
    std::string identifier;
    std::vector<ArincRoute> routes;  // in the order of the file
};

struct AirportRecords {
    std::string code;
    std::vector<ArincProcedure> procedures;  // in the order of the file
};

// The role of a route type in a SID or STAR; none for an engine-out SID, which is not imported,
// and for a route type the format does not define.
enum class RouteTypeUse { Import, EngineOut, Unknown };
RouteTypeUse UseOfRouteType(ProcedureKind kind, char routeType, RouteRole& role);

struct FlattenedAirport {
    ConvertedProcedures sids;
    ConvertedProcedures stars;
    // One line for each procedure that could not be built: "KJFK SID DEEZZ6 @ 04L: reason".
    std::vector<std::string> skipped;
};

// The airport's procedures in the order of the file; procedures left without a fix are left out.
FlattenedAirport FlattenAirport(const AirportRecords& airport, const FixTable& fixes,
                                bool enrouteTransitions);

}  // namespace vantrel

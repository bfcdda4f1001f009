// An airport's SID and STAR records as vasFMC procedures, which have a name, one runway and a
// list of fixes. A SID gives one procedure per runway transition: its fixes, then the common
// route's; a STAR the common route's fixes, then the runway transition's. Enroute transitions
// give further procedures named identifier + "." + transition, their fixes after a SID's and
// before a STAR's. Without runway transitions the runway is "ALL".
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "arinc_record.h"
#include "converted_procedures.h"
#include "fix_table.h"
#include "procedure_kind.h"

namespace vantrel {

// A leg that ends at or starts from a fix other than a runway threshold; other legs give no fix
// to a procedure file and are not kept.
struct ArincLeg {
    std::string fixKey;         // see FixKey; its identifier is blank when the record names no fix
    std::uint64_t fixHash = 0;  // FixTable::Hash of the key, made once
    std::uint32_t line = 0;
    std::int32_t sequence = 0;
    std::array<char, 2> pathTerminator{};

    std::string_view fix() const { return FixKeyIdentifier(fixKey); }
    std::string_view pathAndTerminator() const { return {pathTerminator.data(), 2}; }
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

// Turns each airport's records into its procedures, in the order of the file; procedures left
// without a fix are left out. Its working memory serves airport after airport.
class ProcedureFlattener {
  public:
    ProcedureFlattener(const FixTable& fixes, bool enrouteTransitions);
    ~ProcedureFlattener();
    ProcedureFlattener(const ProcedureFlattener&) = delete;
    ProcedureFlattener& operator=(const ProcedureFlattener&) = delete;

    // `flattened` is emptied first, keeping its memory.
    void flatten(const AirportRecords& airport, FlattenedAirport& flattened);

  private:
    class Work;
    std::unique_ptr<Work> work_;
};

}  // namespace vantrel

#include "procedure_flattening.h"

#include <algorithm>
#include <set>
#include <unordered_set>

#include "arinc_record.h"
#include "leg_lines.h"

namespace vantrel {
namespace {

// A route's fixes with their places, or why they cannot all be given.
struct ResolvedRoute {
    const ArincRoute* route = nullptr;
    LegLines legs;
    std::string problem;
};

std::string FixRecordName(const std::string& key) {
    // The key starts with the section and subsection and the ICAO code.
    return "section " + key.substr(0, 2) + ", ICAO code " + key.substr(2, 2);
}

ResolvedRoute Resolve(const ArincRoute& route, const FixTable& fixes) {
    ResolvedRoute resolved{&route, {}, route.problem};
    if (!resolved.problem.empty()) {
        return resolved;
    }
    for (const ArincLeg& leg : route.legs) {
        if (!LegGivesFix(leg.pathTerminator) || leg.runwayFix) {
            continue;
        }
        const auto line = [&leg] { return "line " + std::to_string(leg.line) + ": "; };
        if (leg.fix.empty()) {
            resolved.problem = line() + "its " + leg.pathTerminator + " leg names no fix";
            return resolved;
        }
        const FixPlace* place = fixes.find(leg.fixKey);
        if (!place) {
            resolved.problem = line() + "no record gives the place of fix " + leg.fix + " (" +
                               FixRecordName(leg.fixKey) + ")";
            return resolved;
        }
        if (!place->problem.empty()) {
            resolved.problem = line() + "the record of fix " + leg.fix + " on line " +
                               std::to_string(place->line) + " cannot be read: " + place->problem;
            return resolved;
        }
        resolved.legs.add({leg.fix, place->latitude, place->longitude});
    }
    return resolved;
}

// The runway of a runway transition, or the runways of a "B" transition that serves every
// parallel runway ("RW04B": 04L, 04C and 04R, as the airport's runway records hold them).
struct Runway {
    std::string designator;
    const ResolvedRoute* route = nullptr;
    std::string problem;
};

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void AddRunways(std::vector<Runway>& runways, const ResolvedRoute* route,
                const std::string& transition, const std::vector<std::string>& airportRunways,
                const std::set<std::string>& explicitRunways) {
    const std::string designator = transition.starts_with("RW") ? transition.substr(2) : transition;
    const std::string base = designator.substr(0, designator.size() - 1);
    if (!designator.ends_with('B') || !AllDigits(base)) {
        runways.push_back({designator, route, {}});
        return;
    }
    bool held = false;
    for (const char side : {'L', 'C', 'R'}) {
        const std::string parallel = base + side;
        if (std::find(airportRunways.begin(), airportRunways.end(), parallel) !=
            airportRunways.end()) {
            held = true;
            // A runway with a transition of its own takes that one.
            if (!explicitRunways.contains(parallel)) {
                runways.push_back({parallel, route, {}});
            }
        }
    }
    if (!held) {
        runways.push_back({designator, route,
                           "no runway record of the airport holds " + base + "L, " + base +
                               "C or " + base + "R"});
    }
}

class AirportFlattener {
  public:
    AirportFlattener(const AirportRecords& airport, const FixTable& fixes)
        : airport_(airport), fixes_(fixes) {}

    void flatten(const ArincProcedure& procedure, bool enrouteTransitions) {
        std::vector<ResolvedRoute> resolved;
        resolved.reserve(procedure.routes.size());
        ResolvedRoute common;
        std::vector<const ResolvedRoute*> runwayRoutes, enrouteRoutes, commonRoutes;
        for (const ArincRoute& route : procedure.routes) {
            resolved.push_back(Resolve(route, fixes_));
            const ResolvedRoute& one = resolved.back();
            switch (route.role) {
                case RouteRole::Runway:
                    runwayRoutes.push_back(&one);
                    break;
                case RouteRole::Enroute:
                    enrouteRoutes.push_back(&one);
                    break;
                case RouteRole::Common:
                    commonRoutes.push_back(&one);
                    if (common.problem.empty()) {
                        common.problem = one.problem;
                    }
                    common.legs.append(one.legs);
                    break;
            }
        }

        const std::vector<std::string>& airportRunways = fixes_.runways(airport_.code);
        std::set<std::string> explicitRunways;
        for (const ResolvedRoute* route : runwayRoutes) {
            const std::string& transition = route->route->transition;
            explicitRunways.insert(transition.starts_with("RW") ? transition.substr(2)
                                                                : transition);
        }
        std::vector<Runway> runways;
        for (const ResolvedRoute* route : runwayRoutes) {
            AddRunways(runways, route, route->route->transition, airportRunways, explicitRunways);
        }
        if (runwayRoutes.empty()) {
            // A common route may name the runway it starts from.
            for (const ResolvedRoute* route : commonRoutes) {
                if (route->route->transition.starts_with("RW")) {
                    AddRunways(runways, nullptr, route->route->transition, airportRunways, {});
                }
            }
            if (runways.empty()) {
                runways.push_back({"ALL", nullptr, {}});
            }
        }

        const bool sid = procedure.kind == ProcedureKind::Sid;
        for (const Runway& runway : runways) {
            emit(procedure, procedure.identifier, runway,
                 sid ? Parts{runway.route, &common} : Parts{&common, runway.route});
        }
        if (!enrouteTransitions) {
            return;
        }
        for (const ResolvedRoute* enroute : enrouteRoutes) {
            const std::string name = procedure.identifier + "." + enroute->route->transition;
            for (const Runway& runway : runways) {
                emit(procedure, name, runway,
                     sid ? Parts{runway.route, &common, enroute}
                         : Parts{enroute, &common, runway.route});
            }
        }
    }

    FlattenedAirport result;

  private:
    // The routes whose fixes make up one procedure, in flying order; null for a route it lacks.
    using Parts = std::initializer_list<const ResolvedRoute*>;

    void emit(const ArincProcedure& procedure, const std::string& name, const Runway& runway,
              const Parts& parts) {
        const bool sid = procedure.kind == ProcedureKind::Sid;
        const std::string entry = name + " @ " + runway.designator;
        std::string problem = runway.problem;
        for (const ResolvedRoute* part : parts) {
            if (problem.empty() && part) {
                problem = part->problem;
            }
        }
        LegLines& legs = legs_;
        legs.clear();
        for (const ResolvedRoute* part : parts) {
            if (part) {
                legs.append(part->legs);
            }
        }
        if (problem.empty() && legs.empty()) {
            return;  // vasFMC drops procedures without legs
        }
        std::unordered_set<std::string>& entries = sid ? sidEntries_ : starEntries_;
        if (problem.empty() && entries.contains(entry)) {
            problem = "a procedure with the same name and runway comes before it";
        }
        if (!problem.empty()) {
            result.skipped.push_back(airport_.code + (sid ? " SID " : " STAR ") + entry + ": " +
                                     problem);
            return;
        }
        entries.insert(entry);
        ConvertedProcedures& target = sid ? result.sids : result.stars;
        target.addHeader(name, runway.designator);
        target.addLegLines(legs.text());
        target.endProcedure();
    }

    const AirportRecords& airport_;
    const FixTable& fixes_;
    std::unordered_set<std::string> sidEntries_, starEntries_;
    LegLines legs_;  // the legs of the procedure being emitted
};

}  // namespace

RouteTypeUse UseOfRouteType(ProcedureKind kind, char routeType, RouteRole& role) {
    const std::string_view runway = kind == ProcedureKind::Sid ? "14FT" : "369S";
    const std::string_view common = kind == ProcedureKind::Sid ? "25M" : "258M";
    const std::string_view enroute = kind == ProcedureKind::Sid ? "36SV" : "147F";
    if (kind == ProcedureKind::Sid && routeType == '0') {
        return RouteTypeUse::EngineOut;
    }
    if (runway.find(routeType) != std::string_view::npos) {
        role = RouteRole::Runway;
    } else if (common.find(routeType) != std::string_view::npos) {
        role = RouteRole::Common;
    } else if (enroute.find(routeType) != std::string_view::npos) {
        role = RouteRole::Enroute;
    } else {
        return RouteTypeUse::Unknown;
    }
    return RouteTypeUse::Import;
}

FlattenedAirport FlattenAirport(const AirportRecords& airport, const FixTable& fixes,
                                bool enrouteTransitions) {
    AirportFlattener flattener(airport, fixes);
    for (const ArincProcedure& procedure : airport.procedures) {
        flattener.flatten(procedure, enrouteTransitions);
    }
    return std::move(flattener.result);
}

}  // namespace vantrel

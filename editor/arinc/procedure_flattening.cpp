#include "procedure_flattening.h"

#include <algorithm>
#include <unordered_set>

#include "arinc_coordinates.h"
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

// Fills `resolved`, whose memory serves route after route.
void Resolve(const ArincRoute& route, const FixTable& fixes, ResolvedRoute& resolved) {
    resolved.route = &route;
    resolved.legs.clear();
    resolved.problem = route.problem;
    if (!resolved.problem.empty()) {
        return;
    }
    for (const ArincLeg& leg : route.legs) {
        const std::string_view fix = leg.fix();
        const auto line = [&leg] { return "line " + std::to_string(leg.line) + ": "; };
        if (fix.empty()) {
            resolved.problem =
                line() + "its " + std::string(leg.pathAndTerminator()) + " leg names no fix";
            return;
        }
        const FixPlace* place = fixes.find(leg.fixKey, leg.fixHash);
        if (!place) {
            resolved.problem = line() + "no record gives the place of fix " + std::string(fix) +
                               " (" + FixRecordName(leg.fixKey) + ")";
            return;
        }
        if (!place->problem.empty()) {
            resolved.problem = line() + "the record of fix " + std::string(fix) + " on line " +
                               std::to_string(place->line) + " cannot be read: " + place->problem;
            return;
        }
        resolved.legs.add(fix, CoordinateText(place->latitude).view(),
                          CoordinateText(place->longitude).view());
    }
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

std::string_view RunwayOfTransition(std::string_view transition) {
    return transition.starts_with("RW") ? transition.substr(2) : transition;
}

// `runwayRoutes`: the procedure's runway transitions; a runway with one of its own takes that.
void AddRunways(std::vector<Runway>& runways, const ResolvedRoute* route,
                const std::string& transition, const std::vector<std::string>& airportRunways,
                const std::vector<const ResolvedRoute*>& runwayRoutes) {
    const std::string designator(RunwayOfTransition(transition));
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
            const bool ownTransition =
                std::any_of(runwayRoutes.begin(), runwayRoutes.end(), [&](const auto* other) {
                    return RunwayOfTransition(other->route->transition) == parallel;
                });
            if (!ownTransition) {
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

}  // namespace

class ProcedureFlattener::Work {
  public:
    Work(const FixTable& fixes, bool enrouteTransitions)
        : fixes_(fixes), enrouteTransitions_(enrouteTransitions) {}

    void flatten(const AirportRecords& airport, FlattenedAirport& result) {
        airport_ = &airport;
        result_ = &result;
        result.sids.clear();
        result.stars.clear();
        result.skipped.clear();
        sidEntries_.clear();
        starEntries_.clear();
        for (const auto prefetch : {&FixTable::prefetchSlot, &FixTable::prefetchFix}) {
            for (const ArincProcedure& procedure : airport.procedures) {
                for (const ArincRoute& route : procedure.routes) {
                    for (const ArincLeg& leg : route.legs) {
                        (fixes_.*prefetch)(leg.fixHash);
                    }
                }
            }
        }
        for (const ArincProcedure& procedure : airport.procedures) {
            flatten(procedure);
        }
    }

  private:
    void flatten(const ArincProcedure& procedure) {
        if (resolved_.size() < procedure.routes.size()) {
            resolved_.resize(procedure.routes.size());
        }
        ResolvedRoute& common = common_;
        common.legs.clear();
        common.problem.clear();
        std::vector<const ResolvedRoute*>& runwayRoutes = runwayRoutes_;
        std::vector<const ResolvedRoute*>& enrouteRoutes = enrouteRoutes_;
        std::vector<const ResolvedRoute*>& commonRoutes = commonRoutes_;
        runwayRoutes.clear();
        enrouteRoutes.clear();
        commonRoutes.clear();
        for (std::size_t i = 0; i < procedure.routes.size(); ++i) {
            const ArincRoute& route = procedure.routes[i];
            ResolvedRoute& one = resolved_[i];
            Resolve(route, fixes_, one);
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

        const std::vector<std::string>& airportRunways = fixes_.runways(airport_->code);
        std::vector<Runway>& runways = runways_;
        runways.clear();
        for (const ResolvedRoute* route : runwayRoutes) {
            AddRunways(runways, route, route->route->transition, airportRunways, runwayRoutes);
        }
        if (runwayRoutes.empty()) {
            // A common route may name the runway it starts from.
            for (const ResolvedRoute* route : commonRoutes) {
                if (route->route->transition.starts_with("RW")) {
                    AddRunways(runways, nullptr, route->route->transition, airportRunways,
                               runwayRoutes);
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
        if (!enrouteTransitions_) {
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

    // The routes whose fixes make up one procedure, in flying order; null for a route it lacks.
    using Parts = std::initializer_list<const ResolvedRoute*>;

    void emit(const ArincProcedure& procedure, const std::string& name, const Runway& runway,
              const Parts& parts) {
        const bool sid = procedure.kind == ProcedureKind::Sid;
        std::string entry;
        entry.reserve(name.size() + 3 + runway.designator.size());
        entry.append(name).append(" @ ").append(runway.designator);
        std::string problem = runway.problem;
        for (const ResolvedRoute* part : parts) {
            if (problem.empty() && part) {
                problem = part->problem;
            }
        }
        const bool anyLeg = std::any_of(parts.begin(), parts.end(), [](const ResolvedRoute* part) {
            return part && !part->legs.empty();
        });
        if (problem.empty() && !anyLeg) {
            return;  // vasFMC drops procedures without legs
        }
        std::unordered_set<std::string>& entries = sid ? sidEntries_ : starEntries_;
        if (problem.empty() && !entries.insert(entry).second) {
            problem = "a procedure with the same name and runway comes before it";
        }
        if (!problem.empty()) {
            result_->skipped.push_back(airport_->code + (sid ? " SID " : " STAR ") + entry + ": " +
                                       problem);
            return;
        }
        ConvertedProcedures& target = sid ? result_->sids : result_->stars;
        target.addHeader(name, runway.designator);
        std::string_view lastLine;
        for (const ResolvedRoute* part : parts) {
            if (part && !part->legs.empty()) {
                target.addLegLines(part->legs.linesAfter(lastLine));
                lastLine = part->legs.lastLine();
            }
        }
        target.endProcedure();
    }

    const FixTable& fixes_;
    const bool enrouteTransitions_;
    const AirportRecords* airport_ = nullptr;
    FlattenedAirport* result_ = nullptr;
    std::unordered_set<std::string> sidEntries_, starEntries_;
    // Kept from procedure to procedure, so that their memory is made once.
    std::vector<ResolvedRoute> resolved_;
    ResolvedRoute common_;
    std::vector<const ResolvedRoute*> runwayRoutes_, enrouteRoutes_, commonRoutes_;
    std::vector<Runway> runways_;
};

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

ProcedureFlattener::ProcedureFlattener(const FixTable& fixes, bool enrouteTransitions)
    : work_(std::make_unique<Work>(fixes, enrouteTransitions)) {}

ProcedureFlattener::~ProcedureFlattener() = default;

void ProcedureFlattener::flatten(const AirportRecords& airport, FlattenedAirport& flattened) {
    work_->flatten(airport, flattened);
}

}  // namespace vantrel

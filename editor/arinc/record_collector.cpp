#include "record_collector.h"

#include <algorithm>
#include <iterator>

#include "arinc_coordinates.h"
#include "arinc_record.h"

namespace vantrel {
namespace {

std::string LinePrefix(std::size_t lineNumber) {
    return "line " + std::to_string(lineNumber) + ": ";
}

}  // namespace

RecordCollector::RecordCollector(std::set<std::string> wantedAirports)
    : wanted_(std::move(wantedAirports)) {}

bool RecordCollector::wanted(std::string_view airport) const {
    return wanted_.empty() || wanted_.contains(std::string(airport));
}

void RecordCollector::addLine(std::string_view line, std::size_t lineNumber) {
    if (const auto kind = ProcedureRecordKind(line)) {
        recordsMet_ = true;
        addProcedureRecord(*kind, line, lineNumber);
    } else if (const auto section = FixRecordSection(line)) {
        recordsMet_ = true;
        addFixRecord(*section, line, lineNumber);
    }
}

ArincRoute& RecordCollector::route(ProcedureKind kind, std::string_view airport,
                                   std::string_view identifier, char routeType,
                                   std::string_view transition, RouteRole role) {
    // The records of an airport stand together too, so the last one is most often the one.
    if (airports_.empty() || airports_[lastAirport_].code != airport) {
        const auto [found, added] = index_.try_emplace(std::string(airport), airports_.size());
        if (added) {
            airports_.push_back({std::string(airport), {}});
        }
        lastAirport_ = found->second;
    }
    std::vector<ArincProcedure>& procedures = airports_[lastAirport_].procedures;
    // The records of a procedure stand together, so the search from the back ends at once.
    auto procedure = procedures.rbegin();
    while (procedure != procedures.rend() &&
           (procedure->kind != kind || procedure->identifier != identifier)) {
        ++procedure;
    }
    if (procedure == procedures.rend()) {
        procedures.push_back({kind, std::string(identifier), {}});
        procedure = procedures.rbegin();
        // Room for the routes of a usual procedure at once.
        procedure->routes.reserve(8);
    }
    std::vector<ArincRoute>& routes = procedure->routes;
    auto route = routes.rbegin();
    while (route != routes.rend() &&
           (route->routeType != routeType || route->transition != transition)) {
        ++route;
    }
    if (route == routes.rend()) {
        routes.push_back({role, routeType, std::string(transition), {}, {}});
        route = routes.rbegin();
        // Room for the few legs of a usual route at once.
        route->legs.reserve(4);
    }
    return *route;
}

void RecordCollector::addProcedureRecord(ProcedureKind kind, std::string_view line,
                                         std::size_t lineNumber) {
    const std::string_view airport = RecordAirport(line);
    if (!wanted(airport)) {
        return;
    }
    const ReadProcedure read = ReadProcedureRecord(line);
    const ProcedureRecord& record = read.record;
    if (line.size() >= 39 && IsContinuationNumber(record.continuation)) {
        return;
    }
    const char* kindName = kind == ProcedureKind::Sid ? "SID" : "STAR";
    if (line.size() < 25 || record.identifier.empty()) {
        unattributed_.push_back(LinePrefix(lineNumber) + "a " + kindName + " record of airport " +
                                std::string(airport) + " that names no procedure: " + read.problem);
        return;
    }
    RouteRole role = RouteRole::Common;
    const RouteTypeUse use = UseOfRouteType(kind, record.routeType, role);
    if (use == RouteTypeUse::EngineOut) {
        return;
    }
    ArincRoute& route =
        this->route(kind, airport, record.identifier, record.routeType, record.transition, role);
    if (!route.problem.empty()) {
        return;
    }
    if (use == RouteTypeUse::Unknown) {
        route.problem = LinePrefix(lineNumber) + "the route type \"" +
                        std::string(1, record.routeType) + "\" is not a " + std::string(kindName) +
                        " route type";
    } else if (!read.problem.empty()) {
        route.problem = LinePrefix(lineNumber) + read.problem;
    } else {
        if (!LegGivesFix(record.pathTerminator) || record.fixSection == "PG") {
            return;
        }
        ArincLeg& leg = route.legs.emplace_back();
        leg.fixKey = FixKey(record.fixSection, record.fixRegion, record.fix, airport);
        leg.fixHash = FixTable::Hash(leg.fixKey);
        leg.line = static_cast<std::uint32_t>(lineNumber);
        leg.sequence = record.sequence;
        std::copy_n(record.pathTerminator.begin(), leg.pathTerminator.size(),
                    leg.pathTerminator.begin());
        // Records nearly always come in the order of their sequence numbers; one that does not
        // goes after the legs that number before or equal to it.
        auto at = std::prev(route.legs.end());
        while (at != route.legs.begin() && std::prev(at)->sequence > record.sequence) {
            --at;
        }
        std::rotate(at, std::prev(route.legs.end()), route.legs.end());
    }
}

void RecordCollector::addFixRecord(std::string_view section, std::string_view line,
                                   std::size_t lineNumber) {
    const std::string_view airport = RecordAirport(line);
    if (section.starts_with('P') && !wanted(airport)) {
        return;
    }
    FixRecord record = ReadFixRecord(line, section);
    if (line.size() >= 22 && IsContinuationNumber(record.continuation)) {
        return;
    }
    FixPlace place;
    place.line = lineNumber;
    if (line.size() < kArincRecordLength) {
        place.problem = "the record is shorter than 132 columns";
    } else if (const auto latitude = ArincLatitude(record.latitude),
               longitude = ArincLongitude(record.longitude);
               latitude && longitude) {
        place.latitude = *latitude;
        place.longitude = *longitude;
    } else {
        place.problem = "its coordinates " + std::string(record.latitude) + " " +
                        std::string(record.longitude) + " are not a latitude and a longitude";
    }
    if (section == "PG") {
        fixes_.addRunway(airport, record.runway);
    }
    fixes_.add(std::move(record.key), std::move(place));
}

}  // namespace vantrel

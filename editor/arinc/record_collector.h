// Gathers from the lines of an ARINC 424 file what the import needs: the SID and STAR records of
// the wanted airports, grouped by airport, procedure and route in the order of the file, and the
// places of the fixes they may name. Continuation records, engine-out SIDs, approaches and every
// other record are passed over.
#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "fix_table.h"
#include "procedure_flattening.h"

namespace vantrel {

class RecordCollector {
  public:
    // Only the airports named, or every airport when none is.
    explicit RecordCollector(std::set<std::string> wantedAirports);

    void addLine(std::string_view line, std::size_t lineNumber);

    const std::vector<AirportRecords>& airports() const { return airports_; }
    // Frees the records of an airport that is done with, one at a time rather than all at the end.
    void releaseAirport(std::size_t index) {
        std::vector<ArincProcedure>().swap(airports_[index].procedures);
    }
    bool hasAirport(const std::string& code) const { return index_.contains(code); }
    const FixTable& fixes() const { return fixes_; }
    // Records that cannot be read far enough to tell their procedure, one reason each.
    const std::vector<std::string>& unattributed() const { return unattributed_; }
    // Whether any SID, STAR or fix record was met, of any airport.
    bool recordsMet() const { return recordsMet_; }

  private:
    bool wanted(std::string_view airport) const;
    void addProcedureRecord(ProcedureKind kind, std::string_view line, std::size_t lineNumber);
    void addFixRecord(std::string_view section, std::string_view line, std::size_t lineNumber);
    ArincRoute& route(ProcedureKind kind, std::string_view airport, std::string_view identifier,
                      char routeType, std::string_view transition, RouteRole role);

    std::set<std::string> wanted_;
    std::vector<AirportRecords> airports_;
    std::unordered_map<std::string, std::size_t> index_;
    std::size_t lastAirport_ = 0;  // the airport of the last procedure record
    FixTable fixes_;
    std::vector<std::string> unattributed_;
    bool recordsMet_ = false;
};

}  // namespace vantrel

#include "fix_table.h"

namespace vantrel {

void FixTable::add(std::string key, FixPlace place) {
    const auto [found, added] = places_.try_emplace(std::move(key), std::move(place));
    if (!added && !found->second.problem.empty() && place.problem.empty()) {
        found->second = std::move(place);
    }
}

const FixPlace* FixTable::find(const std::string& key) const {
    const auto found = places_.find(key);
    return found == places_.end() ? nullptr : &found->second;
}

void FixTable::addRunway(std::string_view airport, std::string_view designator) {
    runways_[std::string(airport)].emplace_back(designator);
}

const std::vector<std::string>& FixTable::runways(const std::string& airport) const {
    static const std::vector<std::string> kNone;
    const auto found = runways_.find(airport);
    return found == runways_.end() ? kNone : found->second;
}

}  // namespace vantrel

#include "fix_table.h"

#include <algorithm>
#include <functional>

namespace vantrel {
namespace {

std::size_t Hash(std::string_view key) {
    return std::hash<std::string_view>{}(key);
}

std::uint32_t Tag(std::size_t hash) {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(hash) >> 32);
}

}  // namespace

std::size_t FixTable::slotOf(std::string_view key, std::size_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.position == 0 || (slot.tag == Tag(hash) && fixes_[slot.position - 1].key == key)) {
            return at;
        }
    }
}

void FixTable::rebuild(std::size_t slots) {
    slots_.assign(slots, Slot{});
    for (std::size_t i = 0; i < fixes_.size(); ++i) {
        const std::size_t hash = Hash(fixes_[i].key);
        slots_[slotOf(fixes_[i].key, hash)] = {Tag(hash), static_cast<std::uint32_t>(i + 1)};
    }
}

void FixTable::add(std::string key, FixPlace place) {
    // At most three quarters of the slots are taken: a probe then ends after a few slots, which
    // lie in one cache line, and the table stays small enough to stay in the cache.
    if (4 * (fixes_.size() + 1) > 3 * slots_.size()) {
        rebuild(std::max<std::size_t>(64, 2 * slots_.size()));
    }
    const std::size_t hash = Hash(key);
    Slot& slot = slots_[slotOf(key, hash)];
    if (slot.position == 0) {
        slot = {Tag(hash), static_cast<std::uint32_t>(fixes_.size() + 1)};
        fixes_.push_back({std::move(key), std::move(place)});
        return;
    }
    FixPlace& found = fixes_[slot.position - 1].place;
    if (!found.problem.empty() && place.problem.empty()) {
        found = std::move(place);
    }
}

const FixPlace* FixTable::find(std::string_view key) const {
    if (slots_.empty()) {
        return nullptr;
    }
    const Slot& slot = slots_[slotOf(key, Hash(key))];
    return slot.position == 0 ? nullptr : &fixes_[slot.position - 1].place;
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

#include "fix_table.h"

#include <algorithm>
#include <functional>

namespace vantrel {
namespace {

void Prefetch(const void* address) {
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    static_cast<void>(address);
#endif
}

// Bits of the hash other than those that choose the slot, mixed by a multiplication so that a
// hash of 32 bits, as std::hash gives on 32-bit systems, has them too.
std::uint32_t Tag(std::uint64_t hash) {
    return static_cast<std::uint32_t>((hash * 0x9e3779b97f4a7c15) >> 32);
}

}  // namespace

std::uint64_t FixTable::Hash(std::string_view key) {
    return std::hash<std::string_view>{}(key);
}

std::size_t FixTable::slotOf(std::string_view key, std::uint64_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = static_cast<std::size_t>(hash) & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.position == 0 || (slot.tag == Tag(hash) && fixes_[slot.position - 1].key == key)) {
            return at;
        }
    }
}

void FixTable::rebuild(std::size_t slots) {
    slots_.assign(slots, Slot{});
    for (std::size_t i = 0; i < fixes_.size(); ++i) {
        const Fix& fix = fixes_[i];
        slots_[slotOf(fix.key, fix.hash)] = {Tag(fix.hash), static_cast<std::uint32_t>(i + 1)};
    }
}

void FixTable::add(std::string key, FixPlace place) {
    // At most three quarters of the slots are taken: a probe then ends after a few slots, which
    // lie in one cache line, and the table stays small enough to stay in the cache.
    if (4 * (fixes_.size() + 1) > 3 * slots_.size()) {
        rebuild(std::max<std::size_t>(64, 2 * slots_.size()));
    }
    const std::uint64_t hash = Hash(key);
    Slot& slot = slots_[slotOf(key, hash)];
    if (slot.position == 0) {
        slot = {Tag(hash), static_cast<std::uint32_t>(fixes_.size() + 1)};
        fixes_.push_back({std::move(key), hash, std::move(place)});
        return;
    }
    FixPlace& found = fixes_[slot.position - 1].place;
    if (!found.problem.empty() && place.problem.empty()) {
        found = std::move(place);
    }
}

const FixPlace* FixTable::find(std::string_view key, std::uint64_t hash) const {
    if (slots_.empty()) {
        return nullptr;
    }
    const Slot& slot = slots_[slotOf(key, hash)];
    return slot.position == 0 ? nullptr : &fixes_[slot.position - 1].place;
}

void FixTable::prefetchSlot(std::uint64_t hash) const {
    if (!slots_.empty()) {
        Prefetch(&slots_[static_cast<std::size_t>(hash) & (slots_.size() - 1)]);
    }
}

void FixTable::prefetchFix(std::uint64_t hash) const {
    if (slots_.empty()) {
        return;
    }
    // The first slot with the key's tag holds its fix all but always; the keys are not compared,
    // as that would read the fix.
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = static_cast<std::size_t>(hash) & mask; slots_[at].position != 0;
         at = (at + 1) & mask) {
        if (slots_[at].tag == Tag(hash)) {
            Prefetch(&fixes_[slots_[at].position - 1]);
            return;
        }
    }
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

// The places of the fixes that procedure legs name, from the fix records of an ARINC 424 file,
// and the runways of each airport.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantrel {

struct FixPlace {
    std::int32_t latitude = 0;   // millionths of a degree
    std::int32_t longitude = 0;  // millionths of a degree
    std::size_t line = 0;        // where its record stands
    std::string problem;         // why the record gives no place; empty when it does
};

class FixTable {
  public:
    // The first record that gives a place wins; one that gives none is kept only until then.
    void add(std::string key, FixPlace place);
    // The hash of a key, which lookups take, so that a key looked up often is hashed once.
    static std::uint64_t Hash(std::string_view key);
    // The place of the fix with that key (see FixKey), or null when no record has that key.
    const FixPlace* find(std::string_view key, std::uint64_t hash) const;
    // Ask for the memory that a find of the key reads, in two rounds over all the keys about to
    // be found: first their slots, then their fixes. Lookups spread over a large table then wait
    // for memory together rather than one after another.
    void prefetchSlot(std::uint64_t hash) const;
    void prefetchFix(std::uint64_t hash) const;

    void addRunway(std::string_view airport, std::string_view designator);
    // The runways of the airport ("04L", "22R", ...) in the order of their records.
    const std::vector<std::string>& runways(const std::string& airport) const;

  private:
    // An open-addressing table over the fixes, which are kept in the order of their records: a
    // slot holds 32 bits of a key's hash (its tag) and the fix's position plus one (0: empty), so
    // that a lookup reads one slot and nearly always just the one fix it is after. A world's
    // fixes are looked up hundreds of thousands of times, and a table of linked nodes costs a
    // cache miss per link.
    struct Slot {
        std::uint32_t tag = 0;
        std::uint32_t position = 0;
    };
    struct Fix {
        std::string key;
        std::uint64_t hash;
        FixPlace place;
    };

    // The slot of the key, or the empty slot where it would go.
    std::size_t slotOf(std::string_view key, std::uint64_t hash) const;
    void rebuild(std::size_t slots);

    std::vector<Slot> slots_;
    std::vector<Fix> fixes_;
    std::unordered_map<std::string, std::vector<std::string>> runways_;
};

}  // namespace vantrel

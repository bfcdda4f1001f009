// The places of the fixes that procedure legs name, from the fix records of an ARINC 424 file,
// and the runways of each airport.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantrel {

struct FixPlace {
    std::string latitude;   // coordinate text
    std::string longitude;  // coordinate text
    std::size_t line = 0;   // where its record stands
    std::string problem;    // why the record gives no place; empty when it does
};

class FixTable {
  public:
    // Room for this many fixes, so that the table is not rebuilt while a large file is read.
    void reserve(std::size_t fixes) { places_.reserve(fixes); }
    // The first record that gives a place wins; one that gives none is kept only until then.
    void add(std::string key, FixPlace place);
    // The place of the fix with that key (see FixKey), or null when no record has that key.
    const FixPlace* find(const std::string& key) const;

    void addRunway(std::string_view airport, std::string_view designator);
    // The runways of the airport ("04L", "22R", ...) in the order of their records.
    const std::vector<std::string>& runways(const std::string& airport) const;

  private:
    std::unordered_map<std::string, FixPlace> places_;
    std::unordered_map<std::string, std::vector<std::string>> runways_;
};

}  // namespace vantrel

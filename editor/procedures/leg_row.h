// One row of the legs list: the fix name, latitude and longitude of one leg, all as text.
#pragma once

#include <string>

namespace vantrel {

struct LegRow {
    std::string name;
    std::string latitude;
    std::string longitude;

    bool operator==(const LegRow&) const = default;
};

}  // namespace vantrel

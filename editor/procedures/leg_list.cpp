#include "leg_list.h"

#include <utility>

namespace vantrel {
namespace {

bool IsRow(const std::vector<LegRow>& legs, int row) {
    return row >= 0 && static_cast<std::size_t>(row) < legs.size();
}

std::optional<int> Exchange(std::vector<LegRow>& legs, int selected, int other) {
    if (!IsRow(legs, selected) || !IsRow(legs, other)) {
        return std::nullopt;
    }
    std::swap(legs[selected], legs[other]);
    return other;
}

}  // namespace

void AddLeg(std::vector<LegRow>& legs, LegRow leg) {
    legs.push_back(std::move(leg));
}

bool ModifyLeg(std::vector<LegRow>& legs, int selected, LegRow leg) {
    if (!IsRow(legs, selected)) {
        return false;
    }
    legs[selected] = std::move(leg);
    return true;
}

bool DeleteLeg(std::vector<LegRow>& legs, int selected) {
    if (!IsRow(legs, selected)) {
        return false;
    }
    legs.erase(legs.begin() + selected);
    return true;
}

std::optional<int> MoveLegUp(std::vector<LegRow>& legs, int selected) {
    return Exchange(legs, selected, selected - 1);
}

std::optional<int> MoveLegDown(std::vector<LegRow>& legs, int selected) {
    return Exchange(legs, selected, selected + 1);
}

}  // namespace vantrel

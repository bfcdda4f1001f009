// The changes the leg commands make to the legs list of the shown procedure, before it is
// rewritten into its file. Rows are numbered from 0 here; `selected` is -1 when no row is.
#pragma once

#include <optional>
#include <vector>

#include "leg_row.h"

namespace vantrel {

// Appends the leg as the last row; the selection does not change.
void AddLeg(std::vector<LegRow>& legs, LegRow leg);

// Replaces the selected row's texts; false when no row is selected.
bool ModifyLeg(std::vector<LegRow>& legs, int selected, LegRow leg);

// Removes the selected row; false when no row is selected.
bool DeleteLeg(std::vector<LegRow>& legs, int selected);

// Exchanges the selected row's texts with the row above (below) it and returns the row the
// selection moves to with them; no value, and no change, when there is no such row.
std::optional<int> MoveLegUp(std::vector<LegRow>& legs, int selected);
std::optional<int> MoveLegDown(std::vector<LegRow>& legs, int selected);

}  // namespace vantrel

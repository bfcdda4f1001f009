// The module's configuration file: which tanks the visible gauge dumps, the minimums, and the
// transparent gauge's L:var names and rates. Missing files and keys give the defaults.
#pragma once

#include <cstdint>

namespace fuel_dump {

enum class GaugeKind { visible, transparent };

// Reads the configuration file once per module, at the first update of a gauge whose parameter
// text is present (an empty text names the default file). Returns whether it has been loaded.
bool load_configuration(const char* parameters, GaugeKind gauge);

// The tank's "Minimums" value, in pounds or in the capacity unit as the PoundsFlag key says.
double configured_minimum(int tank);

// A minimum quantity as a tank level: quantity / weight factor / capacity of a full tank's
// 8388608, truncated. Not finite gives 0; a result above the level range keeps the tank whole
// (the highest level); a negative one wraps to a level above every real level.
std::uint32_t minimum_level(double quantity, double weight_factor, std::uint32_t capacity);

}  // namespace fuel_dump

// What each gauge does on every update: measure simulated time, set up the tank data once the
// simulator is ready, and while dumping lower the participating tanks towards their minimums.
#pragma once

namespace fuel_dump {

// "fuel_dump": the tanks enabled in the configuration, at the one rate of the gauge's knob.
void update_visible(const char* parameters);
// "fuel_dump_transparent": the tanks whose L:var is not 0, each at its configured rate.
void update_transparent(const char* parameters);

}  // namespace fuel_dump

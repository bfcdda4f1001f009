// The update logic of both gauges. Every step that waits for something (a second of simulated
// time, the simulator's readiness) is a test made once per update, so an update always returns at
// once, even with a still clock or without the IPC module. A dump sends at most two IPC messages:
// one read of the levels and one write of the new levels.
#include "dump_control.h"

#include <cmath>
#include <limits>

#include "configuration.h"
#include "connection.h"
#include "host_calls.h"
#include "module_state.h"

namespace fuel_dump {

namespace {

// Level units per second per unit of rate: about a hundredth of a full tank per minute at rate 1.
constexpr double kDumpPerSecond = 1398.0;

// Takes the time since the last update as the time step, only while the alternate flag is clear,
// so that each dump covers the time since the one before. A clock that stands still gives a step
// of 0; one that goes back leaves the step as it was.
void measure_time() {
    const double now = host_calls::lookup_simulator_variable(host(), kElapsedTimeVariable);
    if (now >= state.last_time && !state.alternate) {
        state.previous_time = state.last_time;
        state.last_time = now;
        state.time_step = now - state.previous_time;
        if (state.accumulated_time < 1.0) {
            state.accumulated_time += state.time_step;
        }
    }
}

// Once a second of simulated time has passed, asks the simulator once per update whether it is
// ready; when it is, registers the transparent gauge's L:vars, reads the capacities and turns the
// configured minimums into levels. This happens once per connection.
void set_up_tank_data(GaugeKind gauge) {
    if (state.not_ready == 0 || state.accumulated_time < 1.0) {
        return;
    }
    IpcResult result;
    state.link.read(kNotReadyOffset, 1, &state.not_ready, result);
    state.link.process(result);
    if (state.not_ready != 0) {
        return;
    }
    if (gauge == GaugeKind::transparent) {
        for (TankRecord& tank : state.tanks) {
            tank.lvar_id = host_calls::register_named_variable(host(), tank.lvar_name);
        }
    }
    for (int i = 0; i < kTankCount; ++i) {
        state.link.read(kTankSlots[i].capacity_offset, 4, &state.tanks[i].capacity, result);
    }
    state.link.process(result);
    for (int i = 0; i < kTankCount; ++i) {
        TankRecord& tank = state.tanks[i];
        tank.minimum_level =
            minimum_level(configured_minimum(i), state.weight_factor, tank.capacity);
    }
}

// Lowers a tank above its minimum by `amount` level units, not below the minimum, and queues the
// new level. A tank not above the amount keeps its level.
void lower_and_queue(int i, double amount) {
    TankRecord& tank = state.tanks[i];
    if (tank.level > amount) {
        tank.level = static_cast<std::uint32_t>(tank.level - amount);
    }
    if (tank.level < tank.minimum_level) {
        tank.level = tank.minimum_level;
    }
    IpcResult result;
    state.link.write(kTankSlots[i].level_offset, 4, &tank.level, result);
}

// An L:var's value as a switch: truncated toward zero, NaN as 0, far values at the integer's ends.
std::int32_t switch_value(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value < kLowest    ? kLowest
                                     : value > kHighest ? kHighest
                                                        : value);
}

// The steps that begin every update: the configuration, the time step, the link and the tank
// data. Returns whether the update may dump: only once the tank data were set up by an earlier
// update, since until then there are no minimums and no registered L:vars.
bool begin_update(const char* parameters, GaugeKind gauge) {
    if (!load_configuration(parameters, gauge)) {
        return false;
    }
    measure_time();
    open_link_once();
    const bool ready = state.not_ready == 0;
    set_up_tank_data(gauge);
    return ready;
}

// Dumps happen on every second update with time passing: the update after a dump only clears the
// alternate flag, so that the next time step covers the time since that dump.
bool dump_turn() {
    if (state.time_step == 0.0) {
        return false;
    }
    if (state.alternate) {
        state.alternate = false;
        return false;
    }
    return true;
}

}  // namespace

void update_visible(const char* parameters) {
    const bool dumping = begin_update(parameters, GaugeKind::visible) && state.dump_switch == 1 &&
                         state.dump_rate != 0.0;
    if (!dumping) {
        // Time steps go on while the dump is off, so that a dump switched on again does not
        // cover the time it was off.
        state.alternate = false;
        return;
    }
    if (!dump_turn()) {
        return;
    }
    IpcResult result;
    for (int i = 0; i < kTankCount; ++i) {
        state.link.read(kTankSlots[i].level_offset, 4, &state.tanks[i].level, result);
    }
    state.link.process(result);
    const double amount = state.time_step * kDumpPerSecond * state.dump_rate;
    for (int i = 0; i < kTankCount; ++i) {
        const TankRecord& tank = state.tanks[i];
        if (tank.minimum_level < tank.level && tank.enabled != 0) {
            lower_and_queue(i, amount);
        }
    }
    state.link.process(result);
    state.alternate = true;
}

void update_transparent(const char* parameters) {
    if (!begin_update(parameters, GaugeKind::transparent)) {
        return;
    }
    for (TankRecord& tank : state.tanks) {
        tank.switch_on = switch_value(host_calls::read_named_variable(host(), tank.lvar_id));
    }
    if (!dump_turn()) {
        return;
    }
    IpcResult result;
    bool queued = false;
    for (int i = 0; i < kTankCount; ++i) {
        TankRecord& tank = state.tanks[i];
        if (tank.switch_on != 0 && tank.rate != 0.0) {
            queued = state.link.read(kTankSlots[i].level_offset, 4, &tank.level, result) || queued;
        }
    }
    state.dump_switch = queued ? 1 : 0;
    if (!queued) {
        return;
    }
    state.link.process(result);
    for (int i = 0; i < kTankCount; ++i) {
        const TankRecord& tank = state.tanks[i];
        if (tank.minimum_level < tank.level && tank.switch_on != 0) {
            lower_and_queue(i, state.time_step * kDumpPerSecond * tank.rate);
        }
    }
    state.link.process(result);
    state.alternate = true;
}

}  // namespace fuel_dump

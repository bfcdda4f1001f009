// The module-wide state that both gauges of qvt_fuel_dump share: the tank table, the visible
// gauge's switch and rate, the configuration, the simulated-time bookkeeping and the IPC link with
// its request buffer. The host calls the module one call at a time, so it needs no lock.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host_slots.h"
#include "ipc_link.h"
#include "simulator_data.h"

namespace fuel_dump {

// Texts from the panel and the configuration file: at most 129 characters.
constexpr std::size_t kTextSize = 130;
constexpr std::uint32_t kRequestBufferSize = 252;
// Units factor that shows kilograms; 1.0 shows pounds.
constexpr double kKilogramsPerPound = 2.2046;
constexpr double kHighestDumpRate = 15.0;

struct TankRecord {
    char lvar_name[kTextSize];
    std::int32_t lvar_id;
    std::uint32_t capacity;       // gallons, from the simulator
    std::uint32_t level;          // 8388608 is a full tank
    std::uint32_t minimum_level;  // computed from the configured minimum
    std::int32_t enabled;         // takes part in the visible gauge's dump
    std::int32_t switch_on;       // value of the tank's L:var
    double rate;                  // the transparent gauge's rate for this tank
};

struct ModuleState {
    TankRecord tanks[kTankCount] = {};
    std::int32_t dump_switch = 0;
    double dump_rate = 10.0;
    double units_factor = 1.0;
    std::int32_t pounds_flag = 1;
    double weight_factor = 1.0;
    char configuration_path[kTextSize] = {};
    bool configuration_loaded = false;
    bool link_opened = false;
    bool visible_connected = false;
    std::uint8_t not_ready = 2;  // the simulator's readiness byte; 0 once ready
    double last_time = 0.0;
    double previous_time = 0.0;
    double time_step = 0.0;
    double accumulated_time = 0.0;
    bool alternate = false;  // set after a dump, so the module dumps on every second update
    std::uint8_t request_buffer[kRequestBufferSize] = {};
    IpcLink link;
};

extern ModuleState state;

// The host's function table, filled by the host before any gauge call.
const HostFunctionTable& host();

}  // namespace fuel_dump

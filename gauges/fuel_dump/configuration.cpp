// Loading the configuration file into the module state and turning minimums into tank levels.
#include "configuration.h"

#include <cmath>
#include <limits>

#include "bounded_text.h"
#include "decimal_prefix.h"
#include "host_calls.h"
#include "module_state.h"
#include "win32_calls.h"

namespace fuel_dump {

namespace {

constexpr const char* kDefaultPath = "./Gauges/qvt_fuel_dump.ini";
constexpr const char* kDefaultLvar = "qvt_fuel_dump_control";

double read_number(const char* section, const char* key, const char* fallback) {
    char number[kTextSize];
    GetPrivateProfileStringA(section, key, fallback, number, sizeof number,
                             state.configuration_path);
    return decimal_prefix(number);
}

}  // namespace

bool load_configuration(const char* parameters, GaugeKind gauge) {
    if (state.configuration_loaded) {
        return true;
    }
    if (parameters == nullptr) {
        return false;
    }
    copy_cut(state.configuration_path, *parameters != '\0' ? parameters : kDefaultPath);
    state.configuration_loaded = true;

    const char* path = state.configuration_path;
    for (int i = 0; i < kTankCount; ++i) {
        state.tanks[i].enabled =
            static_cast<std::int32_t>(GetPrivateProfileIntA("Tanks", kTankSlots[i].key, 1, path));
    }
    state.pounds_flag =
        static_cast<std::int32_t>(GetPrivateProfileIntA("Minimums", "PoundsFlag", 1, path));
    state.weight_factor = state.pounds_flag == 0 ? 1.0
                                                 : host_calls::lookup_simulator_variable(
                                                       host(), kWeightPerGallonVariable);
    state.last_time = host_calls::lookup_simulator_variable(host(), kElapsedTimeVariable);

    if (gauge == GaugeKind::transparent) {
        for (int i = 0; i < kTankCount; ++i) {
            TankRecord& tank = state.tanks[i];
            GetPrivateProfileStringA("LVars", kTankSlots[i].key, kDefaultLvar, tank.lvar_name,
                                     sizeof tank.lvar_name, path);
            const double rate = read_number("Rates", kTankSlots[i].key, "10.0");
            tank.rate = rate < 0.0 ? 0.0 : rate;
        }
    }
    return true;
}

double configured_minimum(int tank) {
    return read_number("Minimums", kTankSlots[tank].key, "0");
}

std::uint32_t minimum_level(double quantity, double weight_factor, std::uint32_t capacity) {
    const double level = std::trunc(quantity / weight_factor / capacity * kFullTankLevel);
    if (!std::isfinite(level)) {
        return 0;
    }
    constexpr double kHighest = std::numeric_limits<std::uint32_t>::max();
    constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
    if (level > kHighest) {
        return std::numeric_limits<std::uint32_t>::max();
    }
    // Negative levels wrap as the unsigned level type does; far below zero they stay at the
    // lowest value that still wraps above every real level.
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(level < kLowest ? kLowest : level));
}

}  // namespace fuel_dump

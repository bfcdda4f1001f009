// The built qvt_fuel_dump module loaded into the stand-in panel host, beside the stand-in IPC
// module, with a scratch folder for configuration files and helpers that set tanks, run updates
// at given simulated times and record the levels the module writes.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ipc_module_stand_in.h"
#include "panel_host_stand_in.h"

namespace fuel_dump_test {

constexpr const char* kVisible = "fuel_dump";
constexpr const char* kTransparent = "fuel_dump_transparent";

constexpr std::uint32_t kFuelWeight = 0x317;
constexpr std::uint32_t kElapsedTime = 0x25C;
constexpr std::uint32_t kWeightPerGallon = 0x132;
constexpr std::uint32_t kNotReady = 0x3364;
constexpr std::uint32_t kUnitsSetting = 0x0C18;

constexpr int kTanks = 11;
constexpr std::uint32_t kFull = 8388608;
// Level units one update takes from a tank of capacity 100 at rate 10 over 0.1 s.
constexpr std::uint32_t kTenthAtRateTen = 1398;

struct Tank {
    const char* key;
    std::uint32_t level_offset;
    std::uint32_t capacity_offset;
};

extern const Tank kTankTable[kTanks];

// Elements of "fuel_dump" in list order, back to front.
enum VisibleElement {
    kBackground = 0,
    kPoundsText,
    kKilogramsText,
    kRateText,
    kSwitchOffLamp,
    kSwitchOnLamp,
};

struct Write {
    std::uint32_t offset;
    std::uint32_t value;
    bool operator==(const Write&) const = default;
};

class FuelDumpModule : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a configuration file (lines end with CR LF) and returns its full path.
    std::string write_configuration(const std::string& text,
                                    const std::string& name = "fuel.ini") const;
    void set_tank(int tank, std::uint32_t capacity, std::uint32_t level);
    std::uint32_t level(int tank) const;
    // Sets the simulated time and sends an update to the gauge; returns the IPC messages it sent.
    int update_at(const char* gauge, double time);
    // Connects the gauge with `configuration` as its file and runs the updates at times 0 and 1
    // that load it and set up the tank data; the next update at a later time can dump.
    void start(const char* gauge, const std::string& configuration = "");
    // A left click on one of the visible gauge's areas: "units", "switch", "down" or "up".
    void click(const char* area);

    std::unique_ptr<StandInIpcModule> ipc = std::make_unique<StandInIpcModule>();
    StandInPanelHost host;
    std::filesystem::path folder;
    // Every level write record the IPC module received, in order.
    std::vector<Write> writes;
};

}  // namespace fuel_dump_test

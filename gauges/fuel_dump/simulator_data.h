// The simulator data qvt_fuel_dump works with: the eleven fuel tanks it can dump from (each tank's
// configuration key and the data offsets of its level and capacity, 4 bytes each, in tank order),
// the other data offsets it reads, and the simulator variables it looks up through the host.
#pragma once

#include <cstdint>

namespace fuel_dump {

struct TankSlot {
    const char* key;
    std::uint32_t level_offset;
    std::uint32_t capacity_offset;
};

constexpr int kTankCount = 11;

constexpr TankSlot kTankSlots[kTankCount] = {
    {"TankMainRight", 0x0B94, 0x0B98}, {"TankMainLeft", 0x0B7C, 0x0B80},
    {"TankAuxRight", 0x0B9C, 0x0BA0},  {"TankAuxLeft", 0x0B84, 0x0B88},
    {"TankTipRight", 0x0BA4, 0x0BA8},  {"TankTipLeft", 0x0B8C, 0x0B90},
    {"TankCenter", 0x0B74, 0x0B78},    {"TankCenter2", 0x1244, 0x1248},
    {"TankCenter3", 0x124C, 0x1250},   {"TankExternal1", 0x1254, 0x1258},
    {"TankExternal2", 0x125C, 0x1260},
};

// A tank level of 65536 x 128 is a full tank.
constexpr std::uint32_t kFullTankLevel = 8388608;

// Data offsets read through the IPC link besides the tanks'.
constexpr std::uint32_t kNotReadyOffset = 0x3364;      // 1 byte, not 0 while not ready
constexpr std::uint32_t kUnitsSettingOffset = 0x0C18;  // 2 bytes, not 0 for metric units

// Simulator variables looked up through the host.
constexpr std::uint32_t kFuelWeightVariable = 0x317;   // total fuel weight, pounds
constexpr std::uint32_t kElapsedTimeVariable = 0x25C;  // seconds
constexpr std::uint32_t kWeightPerGallonVariable = 0x132;

}  // namespace fuel_dump

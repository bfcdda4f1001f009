// The eleven simulator fuel tanks the module can dump from: each tank's configuration key and the
// simulator data offsets of its level and capacity (4 bytes each), in tank order.
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

}  // namespace fuel_dump

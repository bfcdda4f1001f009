// The panel host's function table as the modules see it: an array of function pointers indexed by
// slot number, the signatures of the slots the modules call, and the simulator-variable record.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gauge_call.h"

struct ElementHeader;

// Slot numbers, counted from 0.
enum HostSlot : std::uint32_t {
    kSlotQueryElements = 24,
    kSlotInstallElements = 25,
    kSlotInitialiseElements = 26,
    kSlotUpdateElements = 27,
    kSlotGenerateElements = 28,
    kSlotDrawElements = 29,
    kSlotKillElements = 31,
    kSlotLookupSimulatorVariable = 40,
    kSlotFindNamedVariable = 51,
    kSlotRegisterNamedVariable = 52,
    kSlotReadNamedVariable = 53,
    kSlotWriteNamedVariable = 55,
};

constexpr std::size_t kHostSlotCount = 56;

// Identifier the host returns for a named variable it does not know.
constexpr std::int32_t kNoNamedVariable = -1;

// The record slot 40 fills: the simulator variable's id, a host pointer, its type, and its value
// as a 64-bit float. Packed to 4 so that on the 32-bit build the value sits at byte 12.
#pragma pack(push, 4)
struct SimulatorVariable {
    std::uint32_t id;
    void* pointer;
    std::uint32_t type;
    double value;
};
#pragma pack(pop)
static_assert(sizeof(void*) != 4 || offsetof(SimulatorVariable, value) == 12);

using ElementListSlot = void(GAUGE_CALL*)(ElementHeader* first);
using ElementListArgumentSlot = void(GAUGE_CALL*)(ElementHeader* first, void* argument);
using LookupSimulatorVariableSlot = void(GAUGE_CALL*)(SimulatorVariable* variable);
using FindNamedVariableSlot = std::int32_t(GAUGE_CALL*)(const char* name);
using RegisterNamedVariableSlot = std::int32_t(GAUGE_CALL*)(const char* name);
using ReadNamedVariableSlot = double(GAUGE_CALL*)(std::int32_t id);
using WriteNamedVariableSlot = void(GAUGE_CALL*)(std::int32_t id, double value);

// Each slot holds a function pointer of the signature above for its number; unused slots are null.
using AnySlot = void(GAUGE_CALL*)();
struct HostFunctionTable {
    AnySlot slots[kHostSlotCount];
};

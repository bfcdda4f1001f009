// Typed calls into the host's function table, shared by both gauge modules.
#pragma once

#include <cstdint>

#include "host_slots.h"

namespace host_calls {

template <typename Slot>
Slot slot(const HostFunctionTable& table, HostSlot number) {
    return reinterpret_cast<Slot>(table.slots[number]);
}

// The value of simulator variable `id` as the host reports it through slot 40.
inline double lookup_simulator_variable(const HostFunctionTable& table, std::uint32_t id) {
    SimulatorVariable variable{id, nullptr, 0, 0.0};
    slot<LookupSimulatorVariableSlot>(table, kSlotLookupSimulatorVariable)(&variable);
    return variable.value;
}

inline std::int32_t find_named_variable(const HostFunctionTable& table, const char* name) {
    return slot<FindNamedVariableSlot>(table, kSlotFindNamedVariable)(name);
}

inline std::int32_t register_named_variable(const HostFunctionTable& table, const char* name) {
    return slot<RegisterNamedVariableSlot>(table, kSlotRegisterNamedVariable)(name);
}

inline double read_named_variable(const HostFunctionTable& table, std::int32_t id) {
    return slot<ReadNamedVariableSlot>(table, kSlotReadNamedVariable)(id);
}

inline void write_named_variable(const HostFunctionTable& table, std::int32_t id, double value) {
    slot<WriteNamedVariableSlot>(table, kSlotWriteNamedVariable)(id, value);
}

}  // namespace host_calls

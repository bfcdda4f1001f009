// Connection opens the IPC link and reads the simulator's units setting; disconnection closes the
// link and returns the module state to what it was at load, so that a panel connected again reads
// its configuration and the tank data afresh. The state is thus fresh at every first connection,
// and a gauge connected while the other one is running keeps what that one has loaded.
#include "connection.h"

#include "module_state.h"

namespace fuel_dump {

void open_link_once() {
    if (state.link_opened) {
        return;
    }
    IpcResult result;
    state.link.open(0, result, state.request_buffer, sizeof state.request_buffer);
    state.link_opened = true;
}

void connect(GaugeKind gauge) {
    open_link_once();

    std::uint16_t units = 0;
    IpcResult result;
    state.link.read(kUnitsSettingOffset, sizeof units, &units, result);
    state.link.process(result);
    state.units_factor = units != 0 ? kKilogramsPerPound : 1.0;

    if (gauge == GaugeKind::visible) {
        state.visible_connected = true;
    }
}

void disconnect(GaugeKind gauge) {
    if ((gauge == GaugeKind::visible) != state.visible_connected) {
        return;
    }
    state.link.close();
    state = ModuleState{};
}

}  // namespace fuel_dump

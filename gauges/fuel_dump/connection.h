// Connecting a gauge to the panel window, opening the IPC link, and disconnecting.
#pragma once

#include "configuration.h"

namespace fuel_dump {

// Opens the IPC link with the module's request buffer unless an attempt was made already; a link
// that failed to open is not tried again until the module is connected anew.
void open_link_once();

void connect(GaugeKind gauge);
void disconnect(GaugeKind gauge);

}  // namespace fuel_dump

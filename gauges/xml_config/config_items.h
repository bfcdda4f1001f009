// The hundred panel variables qvt_xml_config keeps: restored from its INI file when the gauge is
// installed, stored back when the panel disconnects.
#pragma once

#include "host_slots.h"

// Service code 3. Only the first call that comes with a parameter text loads, once in the
// module's lifetime: the path is that text, or "./Gauges/qvt_xml_config.ini" when it is empty.
// Each variable is registered with the host and set to the value stored in the file.
void load_config_items(const HostFunctionTable& host, const char* parameters);

// Service code 15. Reads every variable back, writes its value text under "Floats" in the file,
// then releases the names and the path. Writes nothing when there is no load to save for: none
// took place, or its items were released by an earlier save.
void save_config_items(const HostFunctionTable& host);

// The qvt_fuel_dump gauge module: its exported records, the two gauge headers "fuel_dump" and
// "fuel_dump_transparent", and their callbacks, which route the host's service codes.
#include "connection.h"
#include "display.h"
#include "dump_control.h"
#include "gauge_forwarders.h"
#include "module_export.h"
#include "module_state.h"
#include "panel_records.h"

extern "C" {
GAUGE_EXPORT ImportTableRecord ImportTable = {{kImportPanelsId, nullptr}, {0, nullptr}};
}

namespace fuel_dump {

ModuleState state;

const HostFunctionTable& host() {
    return *ImportTable.panels.table;
}

namespace {

void GAUGE_CALL visible_callback(GaugeHeader* header, std::int32_t code, std::uint32_t) {
    switch (code) {
        case kServiceConnect:
            connect(GaugeKind::visible);
            break;
        case kServicePreUpdate:
            if (state.visible_connected) {
                update_visible(header->parameters);
            }
            break;
        case kServiceDisconnect:
            disconnect(GaugeKind::visible);
            break;
        default:
            break;
    }
}

// Stands aside while "fuel_dump" is connected.
void GAUGE_CALL transparent_callback(GaugeHeader* header, std::int32_t code, std::uint32_t) {
    switch (code) {
        case kServiceConnect:
            connect(GaugeKind::transparent);
            break;
        case kServicePreUpdate:
            if (!state.visible_connected) {
                update_transparent(header->parameters);
            }
            break;
        case kServiceDisconnect:
            disconnect(GaugeKind::transparent);
            break;
        default:
            break;
    }
}

}  // namespace

// Each header has forwarders of its own, so that the host works on that gauge's elements.
extern GaugeHeader visible_header;
extern GaugeHeader transparent_header;
using VisibleForwarders = GaugeForwarders<visible_header, ImportTable>;
using TransparentForwarders = GaugeForwarders<transparent_header, ImportTable>;

GaugeHeader visible_header = {
    kGaugeHeaderVersion,
    "fuel_dump",
    &visible_background.header,
    VisibleForwarders::query,
    VisibleForwarders::install,
    VisibleForwarders::initialise,
    VisibleForwarders::update,
    VisibleForwarders::generate,
    VisibleForwarders::draw,
    VisibleForwarders::kill,
    100,
    visible_mouse_rects,
    visible_callback,
    nullptr,
};

GaugeHeader transparent_header = {
    kGaugeHeaderVersion,
    "fuel_dump_transparent",
    &transparent_picture.header,
    TransparentForwarders::query,
    TransparentForwarders::install,
    TransparentForwarders::initialise,
    TransparentForwarders::update,
    TransparentForwarders::generate,
    TransparentForwarders::draw,
    TransparentForwarders::kill,
    10,
    nullptr,
    transparent_callback,
    nullptr,
};

}  // namespace fuel_dump

extern "C" {
GAUGE_EXPORT LinkageRecord Linkage = {
    kModuleId,
    module_entry_nothing,
    module_entry_nothing,
    0,
    0,
    kModuleVersion,
    {&fuel_dump::visible_header, &fuel_dump::transparent_header, nullptr},
};
}

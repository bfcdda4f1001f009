// The qvt_xml_config module's exports and its one gauge, "config": a 10 x 10 picture with no mouse
// areas, whose callback restores the panel variables at installation and stores them at
// disconnection.
#include "config_items.h"
#include "gauge_forwarders.h"
#include "module_export.h"
#include "panel_records.h"

extern "C" {
GAUGE_EXPORT ImportTableRecord ImportTable = {{kImportPanelsId, nullptr}, {0, nullptr}};
}

namespace {

constexpr std::uint32_t kConfigBitmap = 0x100;

void GAUGE_CALL config_callback(GaugeHeader* header, std::int32_t service_code, std::uint32_t);

ImageElement picture = {
    .header = {kElementImage, 0, 0, 0, nullptr},
    .bitmap_id = kConfigBitmap,
    .image_flags = 0x83,
    .width = 10,
    .height = 10,
    .value = 0.0,
    .callback = nullptr,
};

extern GaugeHeader config_header;
using ConfigForwarders = GaugeForwarders<config_header, ImportTable>;

GaugeHeader config_header = {
    kGaugeHeaderVersion,
    "config",
    &picture.header,
    ConfigForwarders::query,
    ConfigForwarders::install,
    ConfigForwarders::initialise,
    ConfigForwarders::update,
    ConfigForwarders::generate,
    ConfigForwarders::draw,
    ConfigForwarders::kill,
    20,
    nullptr,
    config_callback,
    nullptr,
};

void GAUGE_CALL config_callback(GaugeHeader* header, std::int32_t service_code, std::uint32_t) {
    switch (service_code) {
        case kServicePostInstall:
            load_config_items(*ImportTable.panels.table, header->parameters);
            break;
        case kServiceDisconnect:
            save_config_items(*ImportTable.panels.table);
            break;
        default:
            break;
    }
}

}  // namespace

extern "C" {
GAUGE_EXPORT LinkageRecord Linkage = {
    .module_id = kModuleId,
    .module_start = module_entry_nothing,
    .module_stop = module_entry_nothing,
    .reserved1 = 0,
    .reserved2 = 0,
    .version = kModuleVersion,
    .gauges = {&config_header, nullptr},
};
}

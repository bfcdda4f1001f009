// A small gauge module for exercising a panel host end to end. Gauge "probe" shows the last
// service code and its parameter text, the simulator's fuel weight, and a lamp that its click area
// switches through a named variable, and counts installs, updates and disconnections in named
// variables; gauge "probe_second" only records the last code it got.
#include <cstdio>

#include "bounded_text.h"
#include "gauge_forwarders.h"
#include "host_calls.h"
#include "module_export.h"
#include "panel_records.h"

extern "C" {
GAUGE_EXPORT ImportTableRecord ImportTable = {{kImportPanelsId, nullptr}, {0, nullptr}};
}

namespace {

constexpr std::uint32_t kFuelWeight = 0x317;
constexpr std::uint32_t kElapsedTime = 0x25C;
constexpr std::uint32_t kWeightPerGallon = 0x132;

const HostFunctionTable& host() {
    return *ImportTable.panels.table;
}

double read_variable(const char* name) {
    return host_calls::read_named_variable(host(), host_calls::find_named_variable(host(), name));
}

void set_variable(const char* name, double value) {
    host_calls::write_named_variable(host(), host_calls::register_named_variable(host(), name),
                                     value);
}

void count(const char* name) {
    set_variable(name, read_variable(name) + 1.0);
}

std::int32_t last_code = 0;

// "<last code> <parameter text>", the text cut to what the element holds; "-" when absent.
std::int32_t GAUGE_CALL show_code_and_parameters(TextElement* element);
double GAUGE_CALL fuel_weight(ImageElement* element);
double GAUGE_CALL lamp(ImageElement* element);
std::int32_t GAUGE_CALL toggle_switch(MouseRect* rect, std::uint32_t mouse_flags);
void GAUGE_CALL probe_callback(GaugeHeader* header, std::int32_t code, std::uint32_t extra);
void GAUGE_CALL second_callback(GaugeHeader* header, std::int32_t code, std::uint32_t extra);

ImageElement switch_lamp = {
    .header = {kElementImage, 0, 40, 2, nullptr},
    .bitmap_id = 0x1300,
    .image_flags = 0x83,
    .width = 20,
    .height = 24,
    .value = 0.0,
    .callback = lamp,
};

ImageElement fuel = {
    .header = {kElementImage, 0, 0, 0, &switch_lamp.header},
    .bitmap_id = 0x1400,
    .image_flags = 0x83,
    .width = 1,
    .height = 1,
    .value = 0.0,
    .callback = fuel_weight,
};

TextElement code_text = {
    .header = {kElementText, 0, 3, 4, &fuel.header},
    .width = 189,
    .height = 22,
    .image_flags = 0x83,
    .text_colour = 0xFFFFFF,
    .background_colour = 0x000000,
    .font_name = "Quartz",
    .font_weight = 500,
    .charset = 1,
    .format = 0x4240,
    .text = {},
    .callback = show_code_and_parameters,
};

ImageElement background = {
    .header = {kElementImage, 0, 0, 0, &code_text.header},
    .bitmap_id = 0x100,
    .image_flags = 0x4083,
    .width = 190,
    .height = 25,
    .value = 0.0,
    .callback = nullptr,
};

ImageElement second_picture = {
    .header = {kElementImage, 0, 0, 0, nullptr},
    .bitmap_id = 0x1400,
    .image_flags = 0x83,
    .width = 10,
    .height = 10,
    .value = 0.0,
    .callback = nullptr,
};

MouseRect probe_mouse[] = {
    {.kind = kMouseOpenArea, .x = 0, .y = 0, .width = 190, .height = 25, .cursor = kCursorNone},
    {.kind = kMouseTooltip,
     .x = 40,
     .y = 2,
     .width = 20,
     .height = 20,
     .target = {.tooltip = "Probe Switch"}},
    {.kind = kMouseClickArea,
     .x = 40,
     .y = 2,
     .width = 20,
     .height = 20,
     .cursor = kCursorHand,
     .mouse_flags = kMouseLeftSingle,
     .target = {.function = toggle_switch}},
    {.kind = kMouseCloseArea},
    {.kind = kMouseEnd},
};

extern GaugeHeader probe_header;
extern GaugeHeader second_header;
using ProbeForwarders = GaugeForwarders<probe_header, ImportTable>;
using SecondForwarders = GaugeForwarders<second_header, ImportTable>;

GaugeHeader probe_header = {
    kGaugeHeaderVersion,
    "probe",
    &background.header,
    ProbeForwarders::query,
    ProbeForwarders::install,
    ProbeForwarders::initialise,
    ProbeForwarders::update,
    ProbeForwarders::generate,
    ProbeForwarders::draw,
    ProbeForwarders::kill,
    100,
    probe_mouse,
    probe_callback,
    nullptr,
};

GaugeHeader second_header = {
    kGaugeHeaderVersion,
    "probe_second",
    &second_picture.header,
    SecondForwarders::query,
    SecondForwarders::install,
    SecondForwarders::initialise,
    SecondForwarders::update,
    SecondForwarders::generate,
    SecondForwarders::draw,
    SecondForwarders::kill,
    10,
    nullptr,
    second_callback,
    nullptr,
};

std::int32_t GAUGE_CALL show_code_and_parameters(TextElement* element) {
    const int used = std::snprintf(element->text, sizeof element->text, "%d ", last_code);
    copy_cut(element->text + used, sizeof element->text - static_cast<std::size_t>(used),
             probe_header.parameters ? probe_header.parameters : "-");
    return 0;
}

double GAUGE_CALL fuel_weight(ImageElement*) {
    return host_calls::lookup_simulator_variable(host(), kFuelWeight);
}

double GAUGE_CALL lamp(ImageElement* element) {
    if (read_variable("probe_switch") != 0.0) {
        element->header.flags &= ~kElementHidden;
    } else {
        element->header.flags |= kElementHidden;
    }
    return element->value;
}

std::int32_t GAUGE_CALL toggle_switch(MouseRect*, std::uint32_t mouse_flags) {
    if (mouse_flags == kMouseLeftSingle) {
        set_variable("probe_switch", read_variable("probe_switch") != 0.0 ? 0.0 : 1.0);
    }
    return 0;
}

void GAUGE_CALL probe_callback(GaugeHeader*, std::int32_t code, std::uint32_t) {
    last_code = code;
    switch (code) {
        case kServicePostInstall:
            count("probe_installs");
            break;
        case kServiceConnect:
            set_variable("probe_time", host_calls::lookup_simulator_variable(host(), kElapsedTime));
            break;
        case kServicePreUpdate:
            count("probe_updates");
            set_variable("probe_weight_per_gallon",
                         host_calls::lookup_simulator_variable(host(), kWeightPerGallon));
            break;
        case kServiceDisconnect:
            count("probe_disconnects");
            break;
        default:
            break;
    }
}

void GAUGE_CALL second_callback(GaugeHeader*, std::int32_t code, std::uint32_t) {
    set_variable("probe_second_code", code);
}

}  // namespace

extern "C" {
GAUGE_EXPORT LinkageRecord Linkage = {
    kModuleId,
    module_entry_nothing,
    module_entry_nothing,
    0,
    0,
    kModuleVersion,
    {&probe_header, &second_header, nullptr},
};
}

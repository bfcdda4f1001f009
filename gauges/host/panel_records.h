// The records a gauge module shares with the panel host: the exported ImportTable and Linkage
// records, the gauge header, the image and text elements, and the mouse-rectangle list.
#pragma once

#include <cstdint>

#include "gauge_call.h"
#include "host_slots.h"

// --- Exports -------------------------------------------------------------------------------------

constexpr std::uint32_t kImportPanelsId = 0x0000000F;
constexpr std::uint32_t kModuleId = 0x00000013;
constexpr std::uint32_t kModuleVersion = 0x0900;
constexpr std::uint32_t kGaugeHeaderVersion = 0x320;

// Gauges a module may list in its Linkage record.
constexpr int kMaxGaugesPerModule = 7;

struct ImportEntry {
    std::uint32_t id;
    HostFunctionTable* table;
};

// (kImportPanelsId, null), filled by the host before any gauge call, then (0, null).
struct ImportTableRecord {
    ImportEntry panels;
    ImportEntry end;
};

struct GaugeHeader;
using ModuleEntry = void(GAUGE_CALL*)();

struct LinkageRecord {
    std::uint32_t module_id;
    ModuleEntry module_start;
    ModuleEntry module_stop;
    std::uint32_t reserved1;
    std::uint32_t reserved2;
    std::uint32_t version;
    GaugeHeader* gauges[kMaxGaugesPerModule + 1];  // null-terminated
};

// Both gauge modules have nothing to do when the host starts or stops them.
inline void GAUGE_CALL module_entry_nothing() {}

// --- Elements ------------------------------------------------------------------------------------

enum ElementKind : std::uint32_t { kElementImage = 1, kElementText = 2 };

// Element flag that keeps the host from drawing an element.
constexpr std::uint32_t kElementHidden = 0x40000000;

constexpr int kElementTextSize = 64;

struct ElementHeader {
    std::uint32_t kind;
    std::uint32_t flags;
    std::int32_t x;  // position on the background, pixels
    std::int32_t y;
    ElementHeader* next;  // the next element, drawn on top of this one; null at the end
};

struct ImageElement;
struct TextElement;
using ImageCallback = double(GAUGE_CALL*)(ImageElement* element);
using TextCallback = std::int32_t(GAUGE_CALL*)(TextElement* element);

struct ImageElement {
    ElementHeader header;
    std::uint32_t bitmap_id;
    std::uint32_t image_flags;
    std::int32_t width;
    std::int32_t height;
    double value;            // the element's current value, as last returned by its callback
    ImageCallback callback;  // may be null
};

struct TextElement {
    ElementHeader header;
    std::int32_t width;  // text box, pixels
    std::int32_t height;
    std::uint32_t image_flags;
    std::uint32_t text_colour;  // Windows colour value 0x00BBGGRR
    std::uint32_t background_colour;
    const char* font_name;
    std::int32_t font_weight;
    std::uint32_t charset;
    std::uint32_t format;
    char text[kElementTextSize];  // written by the callback, always terminated
    TextCallback callback;        // may be null
};

// --- Mouse rectangles ----------------------------------------------------------------------------

enum MouseRectKind : std::int32_t {
    kMouseEnd = 0,
    kMouseOpenArea = 1,
    kMouseClickArea = 2,
    kMouseCloseArea = 3,
    kMouseTooltip = 4,
};

enum MouseCursor : std::int32_t {
    kCursorNone = -1,
    kCursorUpArrow = 1,
    kCursorDownArrow = 2,
    kCursorHand = 5,
};

constexpr std::uint32_t kMouseLeftSingle = 0x20000000;

struct MouseRect;
using MouseFunction = std::int32_t(GAUGE_CALL*)(MouseRect* rect, std::uint32_t mouse_flags);

// A click area's function, or a tooltip's text.
union MouseTarget {
    MouseFunction function;
    const char* tooltip;
};

struct MouseRect {
    std::int32_t kind = kMouseEnd;
    std::int32_t x = 0;  // box, pixels
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t cursor = kCursorNone;
    std::uint32_t help_id = 0;
    std::uint32_t mouse_flags = 0;
    std::uint32_t event_id = 0;
    MouseTarget target = {};
    void* data = nullptr;
};

// --- Gauge header --------------------------------------------------------------------------------

enum ServiceCode : std::int32_t {
    kServicePostInstall = 3,
    kServicePreUpdate = 6,
    kServiceConnect = 14,
    kServiceDisconnect = 15,
};

using GaugeCallback = void(GAUGE_CALL*)(GaugeHeader* header, std::int32_t service_code,
                                        std::uint32_t extra);
using Forwarder = void(GAUGE_CALL*)();
using ArgumentForwarder = void(GAUGE_CALL*)(void* argument);

struct GaugeHeader {
    std::uint32_t header_version;
    const char* name;
    ElementHeader* elements;  // the first element; the others follow through `next`
    Forwarder query;
    ArgumentForwarder install;
    Forwarder initialise;
    Forwarder update;
    ArgumentForwarder generate;
    Forwarder draw;
    Forwarder kill;
    std::uint32_t default_width_mm;
    MouseRect* mouse_rects;  // ends with a kMouseEnd record; null when the gauge has none
    GaugeCallback callback;
    const char* parameters;  // set by the host; null while the panel gives none
};

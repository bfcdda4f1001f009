// The visible gauge's elements with their callbacks, and its mouse areas with the click actions
// on the units, the dump switch and the rate knob.
#include "display.h"

#include <cstdio>

#include "host_calls.h"
#include "module_state.h"

namespace fuel_dump {

namespace {

constexpr std::uint32_t kTextFlags = 0x83;
constexpr std::uint32_t kBackgroundFlags = 0x4083;
constexpr std::uint32_t kWeightTextFormat = 0x4240;
constexpr std::uint32_t kRateTextFormat = 0x4;
constexpr std::uint32_t kCharset = 1;
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;

std::int32_t GAUGE_CALL show_pounds(TextElement* element);
std::int32_t GAUGE_CALL show_kilograms(TextElement* element);
std::int32_t GAUGE_CALL show_rate(TextElement* element);
double GAUGE_CALL switch_off_lamp(ImageElement* element);
double GAUGE_CALL switch_on_lamp(ImageElement* element);
std::int32_t GAUGE_CALL toggle_units(MouseRect* rect, std::uint32_t mouse_flags);
std::int32_t GAUGE_CALL toggle_dump_switch(MouseRect* rect, std::uint32_t mouse_flags);
std::int32_t GAUGE_CALL rate_down(MouseRect* rect, std::uint32_t mouse_flags);
std::int32_t GAUGE_CALL rate_up(MouseRect* rect, std::uint32_t mouse_flags);

ImageElement switch_on = {
    .header = {kElementImage, kElementHidden, 135, 2, nullptr},
    .bitmap_id = kSwitchOnBitmap,
    .image_flags = kTextFlags,
    .width = 20,
    .height = 24,
    .value = 0.0,
    .callback = switch_on_lamp,
};

ImageElement switch_off = {
    .header = {kElementImage, 0, 135, 2, &switch_on.header},
    .bitmap_id = kSwitchOffBitmap,
    .image_flags = kTextFlags,
    .width = 20,
    .height = 24,
    .value = 0.0,
    .callback = switch_off_lamp,
};

TextElement rate_text = {
    .header = {kElementText, 0, 169, 4, &switch_off.header},
    .width = 32,
    .height = 18,
    .image_flags = kTextFlags,
    .text_colour = kWhite,
    .background_colour = kBlack,
    .font_name = "Glass Gauge",
    .font_weight = 400,
    .charset = kCharset,
    .format = kRateTextFormat,
    .text = {},
    .callback = show_rate,
};

// The pounds and kilograms texts share their place; one of them is hidden.
constexpr TextElement weight_text(std::uint32_t flags, ElementHeader* next, TextCallback callback) {
    return {
        .header = {kElementText, flags, 3, 4, next},
        .width = 189,
        .height = 22,
        .image_flags = kTextFlags,
        .text_colour = kWhite,
        .background_colour = kBlack,
        .font_name = "Quartz",
        .font_weight = 500,
        .charset = kCharset,
        .format = kWeightTextFormat,
        .text = {},
        .callback = callback,
    };
}

TextElement kilograms_text = weight_text(kElementHidden, &rate_text.header, show_kilograms);
TextElement pounds_text = weight_text(0, &kilograms_text.header, show_pounds);

void show_when(ElementHeader& element, bool shown) {
    if (shown) {
        element.flags &= ~kElementHidden;
    } else {
        element.flags |= kElementHidden;
    }
}

// Writes the fuel weight in the units shown, red while fuel is being dumped.
void show_weight(TextElement* element, const char* format, double divisor) {
    const bool pounds = state.units_factor == 1.0;
    show_when(pounds_text.header, pounds);
    show_when(kilograms_text.header, !pounds);
    const double weight = host_calls::lookup_simulator_variable(host(), kFuelWeightVariable);
    std::snprintf(element->text, sizeof element->text, format, weight / divisor);
    element->text_colour = state.dump_switch == 1 && state.dump_rate != 0.0 ? kRed : kWhite;
}

std::int32_t GAUGE_CALL show_pounds(TextElement* element) {
    show_weight(element, "%9.1f lbs", 1.0);
    return 0;
}

std::int32_t GAUGE_CALL show_kilograms(TextElement* element) {
    show_weight(element, "%9.1f kg", state.units_factor);
    return 0;
}

std::int32_t GAUGE_CALL show_rate(TextElement* element) {
    std::snprintf(element->text, sizeof element->text, "%2.0f", state.dump_rate);
    element->text_colour = kWhite;
    return 0;
}

double GAUGE_CALL switch_off_lamp(ImageElement* element) {
    show_when(element->header, state.dump_switch != 1);
    return element->value;
}

double GAUGE_CALL switch_on_lamp(ImageElement* element) {
    show_when(element->header, state.dump_switch == 1);
    return element->value;
}

bool left_single(std::uint32_t mouse_flags) {
    return (mouse_flags & kMouseLeftSingle) != 0;
}

std::int32_t GAUGE_CALL toggle_units(MouseRect*, std::uint32_t mouse_flags) {
    if (left_single(mouse_flags)) {
        state.units_factor = state.units_factor == 1.0 ? kKilogramsPerPound : 1.0;
    }
    return 0;
}

std::int32_t GAUGE_CALL toggle_dump_switch(MouseRect*, std::uint32_t mouse_flags) {
    if (!left_single(mouse_flags)) {
        return 0;
    }
    if (state.dump_switch == 1) {
        state.dump_switch = 0;
        state.dump_rate = 0.0;
    } else {
        state.dump_switch = 1;
    }
    return 0;
}

// Turns the rate knob by one step; it wraps around between 0 and 15, and a rate of 0 switches
// the dump off.
void turn_rate(double step) {
    state.dump_rate += step;
    if (state.dump_rate < 0.0) {
        state.dump_rate = kHighestDumpRate;
    } else if (state.dump_rate > kHighestDumpRate) {
        state.dump_rate = 0.0;
    }
    if (state.dump_rate == 0.0) {
        state.dump_switch = 0;
    }
}

std::int32_t GAUGE_CALL rate_down(MouseRect*, std::uint32_t mouse_flags) {
    if (left_single(mouse_flags)) {
        turn_rate(-1.0);
    }
    return 0;
}

std::int32_t GAUGE_CALL rate_up(MouseRect*, std::uint32_t mouse_flags) {
    if (left_single(mouse_flags)) {
        turn_rate(1.0);
    }
    return 0;
}

constexpr MouseRect tooltip(std::int32_t x, std::int32_t width, const char* text) {
    return {.kind = kMouseTooltip,
            .x = x,
            .y = 2,
            .width = width,
            .height = 20,
            .target = {.tooltip = text}};
}

constexpr MouseRect click_area(std::int32_t x, std::int32_t width, std::int32_t cursor,
                               MouseFunction function) {
    return {.kind = kMouseClickArea,
            .x = x,
            .y = 2,
            .width = width,
            .height = 20,
            .cursor = cursor,
            .mouse_flags = kMouseLeftSingle,
            .target = {.function = function}};
}

}  // namespace

ImageElement visible_background = {
    .header = {kElementImage, 0, 0, 0, &pounds_text.header},
    .bitmap_id = kBackgroundBitmap,
    .image_flags = kBackgroundFlags,
    .width = 190,
    .height = 25,
    .value = 0.0,
    .callback = nullptr,
};

ImageElement transparent_picture = {
    .header = {kElementImage, 0, 0, 0, nullptr},
    .bitmap_id = kTransparentBitmap,
    .image_flags = kBackgroundFlags,
    .width = 10,
    .height = 10,
    .value = 0.0,
    .callback = nullptr,
};

MouseRect visible_mouse_rects[] = {
    {.kind = kMouseOpenArea, .x = 0, .y = 0, .width = 190, .height = 25},
    tooltip(101, 24, "Fuel Units Toggle"),
    click_area(101, 24, kCursorHand, toggle_units),
    tooltip(130, 29, "Fuel Dump Switch"),
    click_area(130, 29, kCursorHand, toggle_dump_switch),
    tooltip(161, 27, "Fuel Dump Rate"),
    click_area(161, 13, kCursorDownArrow, rate_down),
    click_area(175, 13, kCursorUpArrow, rate_up),
    {.kind = kMouseCloseArea},
    {.kind = kMouseEnd},
};

}  // namespace fuel_dump

// The fuel dump module's gauges as the host sees them: their records and forwarders, the weight
// and rate texts with their colours, the lamps, and the clicks on units, switch and rate knob.
#include <cstdint>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "fuel_dump_fixture.h"

namespace fuel_dump_test {
namespace {

using FuelDumpDisplay = FuelDumpModule;

TEST_F(FuelDumpDisplay, OffersBothGaugesWithTheirPictures) {
    EXPECT_EQ(host.gauge_names(), (std::vector<std::string>{kVisible, kTransparent}));
    EXPECT_EQ(host.gauge(kVisible).default_width_mm, 100u);
    EXPECT_EQ(host.gauge(kTransparent).default_width_mm, 10u);

    struct Picture {
        int element;
        std::uint32_t bitmap;
        std::int32_t x, y, width, height;
    };
    for (const Picture& p : {Picture{kBackground, 0x100, 0, 0, 190, 25},
                             Picture{kSwitchOffLamp, 0x1200, 135, 2, 20, 24},
                             Picture{kSwitchOnLamp, 0x1300, 135, 2, 20, 24}}) {
        const auto& image = reinterpret_cast<ImageElement&>(host.element(kVisible, p.element));
        EXPECT_EQ(image.header.kind, kElementImage);
        EXPECT_EQ(image.bitmap_id, p.bitmap);
        EXPECT_EQ(image.header.x, p.x);
        EXPECT_EQ(image.header.y, p.y);
        EXPECT_EQ(image.width, p.width);
        EXPECT_EQ(image.height, p.height);
    }
    const auto& picture = reinterpret_cast<ImageElement&>(host.element(kTransparent, 0));
    EXPECT_EQ(picture.bitmap_id, 0x1400u);
    EXPECT_EQ(picture.width, 10);
    EXPECT_EQ(picture.height, 10);
    EXPECT_EQ(picture.header.next, nullptr);
    EXPECT_EQ(picture.callback, nullptr);
    EXPECT_EQ(host.gauge(kTransparent).mouse_rects, nullptr);
    EXPECT_FALSE(host.click(kTransparent, 5, 5));
}

struct BitmapSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bits_per_pixel = 0;
};

BitmapSize read_bitmap_size(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    char header[30] = {};
    file.read(header, sizeof header);
    BitmapSize size;
    if (file && header[0] == 'B' && header[1] == 'M') {
        std::memcpy(&size.width, header + 18, 4);
        std::memcpy(&size.height, header + 22, 4);
        std::memcpy(&size.bits_per_pixel, header + 28, 2);
    }
    return size;
}

// Every bitmap the resource script names has the size of the image elements that draw it.
TEST_F(FuelDumpDisplay, PicturesHaveTheSizesOfTheirElements) {
    std::ifstream script(FUEL_DUMP_PICTURES_DIR "/qvt_fuel_dump.rc");
    ASSERT_TRUE(script);
    std::vector<std::uint32_t> ids;
    std::string line;
    while (std::getline(script, line)) {
        std::istringstream fields(line);
        std::string id, kind, file;
        if (!(fields >> id >> kind >> file) || kind != "BITMAP") {
            continue;
        }
        SCOPED_TRACE(line);
        const BitmapSize bitmap = read_bitmap_size(std::string(FUEL_DUMP_PICTURES_DIR "/") +
                                                   file.substr(1, file.size() - 2));
        EXPECT_EQ(bitmap.bits_per_pixel, 24);
        ids.push_back(static_cast<std::uint32_t>(std::stoul(id, nullptr, 0)));
        int drawn = 0;
        for (const char* gauge : {kVisible, kTransparent}) {
            for (ElementHeader* e = host.gauge(gauge).elements; e != nullptr; e = e->next) {
                const auto* image = reinterpret_cast<ImageElement*>(e);
                if (e->kind == kElementImage && image->bitmap_id == ids.back()) {
                    EXPECT_EQ(bitmap.width, image->width);
                    EXPECT_EQ(bitmap.height, image->height);
                    ++drawn;
                }
            }
        }
        EXPECT_GT(drawn, 0) << "no element draws it";
    }
    EXPECT_EQ(ids, (std::vector<std::uint32_t>{0x100, 0x1200, 0x1300, 0x1400}));
}

TEST_F(FuelDumpDisplay, EachGaugesForwardersPassItsOwnElements) {
    int argument = 0;
    for (const char* name : {kVisible, kTransparent}) {
        SCOPED_TRACE(name);
        const std::size_t before = host.element_list_calls().size();
        host.run_forwarders(name, &argument);
        const auto& calls = host.element_list_calls();
        ASSERT_EQ(calls.size() - before, 7u);
        for (std::size_t i = before; i < calls.size(); ++i) {
            EXPECT_EQ(calls[i].first, host.gauge(name).elements);
        }
    }
}

TEST_F(FuelDumpDisplay, TextsUseTheirFontsAndBoxes) {
    struct Text {
        int element;
        std::int32_t x, width, height;
        const char* font;
        std::int32_t weight;
    };
    for (const Text& t : {Text{kPoundsText, 3, 189, 22, "Quartz", 500},
                          Text{kKilogramsText, 3, 189, 22, "Quartz", 500},
                          Text{kRateText, 169, 32, 18, "Glass Gauge", 400}}) {
        const auto& text = reinterpret_cast<TextElement&>(host.element(kVisible, t.element));
        EXPECT_EQ(text.header.kind, kElementText);
        EXPECT_EQ(text.header.x, t.x);
        EXPECT_EQ(text.header.y, 4);
        EXPECT_EQ(text.width, t.width);
        EXPECT_EQ(text.height, t.height);
        EXPECT_STREQ(text.font_name, t.font);
        EXPECT_EQ(text.font_weight, t.weight);
        EXPECT_EQ(text.background_colour, 0x000000u);
    }
}

TEST_F(FuelDumpDisplay, AreasShowTheirTooltipsAndCursors) {
    struct Spot {
        std::int32_t x;
        const char* tooltip;
    };
    for (const Spot& s : {Spot{101, "Fuel Units Toggle"}, Spot{124, "Fuel Units Toggle"},
                          Spot{130, "Fuel Dump Switch"}, Spot{161, "Fuel Dump Rate"},
                          Spot{187, "Fuel Dump Rate"}, Spot{50, ""}, Spot{188, ""}}) {
        EXPECT_EQ(host.tooltip_at(kVisible, s.x, 10), s.tooltip) << s.x;
    }
    std::vector<std::int32_t> cursors;
    for (MouseRect* rect = host.gauge(kVisible).mouse_rects; rect->kind != kMouseEnd; ++rect) {
        if (rect->kind == kMouseClickArea) {
            EXPECT_EQ(rect->mouse_flags, kMouseLeftSingle);
            cursors.push_back(rect->cursor);
        }
    }
    EXPECT_EQ(cursors, (std::vector<std::int32_t>{kCursorHand, kCursorHand, kCursorDownArrow,
                                                  kCursorUpArrow}));
}

struct ClickCase {
    const char* name;
    std::vector<const char*> clicks;
    const char* rate;
    bool switch_on;
    std::uint32_t weight_colour;
};

const ClickCase kClickCases[] = {
    {"nothing clicked", {}, "10", false, 0xFFFFFF},
    {"switch on", {"switch"}, "10", true, 0x0000FF},
    {"three down from 10", {"down", "down", "down"}, " 7", false, 0xFFFFFF},
    {"down from 0 wraps to 15, switch left off",
     {"down", "down", "down", "down", "down", "down", "down", "down", "down", "down", "down"},
     "15",
     false,
     0xFFFFFF},
    {"down from 0 wraps to 15, switch left on",
     {"down", "down", "down", "down", "down", "down", "down", "down", "down", "down", "switch",
      "down"},
     "15",
     true,
     0x0000FF},
    {"up from 15 gives 0 and switches off",
     {"switch", "up", "up", "up", "up", "up", "up"},
     " 0",
     false,
     0xFFFFFF},
    {"switching off sets the rate to 0", {"switch", "switch"}, " 0", false, 0xFFFFFF},
    {"on again stays white at rate 0", {"switch", "switch", "switch"}, " 0", true, 0xFFFFFF},
    {"red once the rate is raised", {"switch", "switch", "switch", "up"}, " 1", true, 0x0000FF},
    {"down to 0 switches off",
     {"switch", "up", "down", "down", "down", "down", "down", "down", "down", "down", "down",
      "down", "down"},
     " 0",
     false,
     0xFFFFFF},
};

TEST_F(FuelDumpDisplay, ClicksSetTheRateAndTheSwitch) {
    for (const ClickCase& c : kClickCases) {
        SCOPED_TRACE(c.name);
        host.send(kVisible, kServiceConnect);
        for (const char* area : c.clicks) {
            click(area);
        }
        EXPECT_EQ(host.element_text(kVisible, kRateText), c.rate);
        host.element_text(kVisible, kPoundsText);
        const auto& pounds = reinterpret_cast<TextElement&>(host.element(kVisible, kPoundsText));
        EXPECT_EQ(pounds.text_colour, c.weight_colour);
        EXPECT_EQ(reinterpret_cast<TextElement&>(host.element(kVisible, kRateText)).text_colour,
                  0xFFFFFFu);
        host.element_value(kVisible, kSwitchOffLamp);
        host.element_value(kVisible, kSwitchOnLamp);
        EXPECT_EQ(host.element_hidden(kVisible, kSwitchOffLamp), c.switch_on);
        EXPECT_EQ(host.element_hidden(kVisible, kSwitchOnLamp), !c.switch_on);
        host.send(kVisible, kServiceDisconnect);
    }
}

TEST_F(FuelDumpDisplay, LampsKeepTheirValues) {
    host.send(kVisible, kServiceConnect);
    auto& lamp = reinterpret_cast<ImageElement&>(host.element(kVisible, kSwitchOnLamp));
    lamp.value = 3.5;
    click("switch");
    EXPECT_EQ(host.element_value(kVisible, kSwitchOnLamp), 3.5);
    EXPECT_FALSE(host.element_hidden(kVisible, kSwitchOnLamp));
}

struct UnitsCase {
    const char* name;
    std::uint16_t units_setting;
    int clicks;
    bool pounds;
};

const UnitsCase kUnitsCases[] = {
    {"setting 0 shows pounds", 0, 0, true},       {"one click shows kilograms", 0, 1, false},
    {"two clicks show pounds again", 0, 2, true}, {"a metric setting shows kilograms", 1, 0, false},
    {"a click on it shows pounds", 1, 1, true},
};

TEST_F(FuelDumpDisplay, WeightShowsInTheChosenUnits) {
    host.set_simulator_variable(kFuelWeight, 22046.0);
    for (const UnitsCase& c : kUnitsCases) {
        SCOPED_TRACE(c.name);
        ipc->set_u16(kUnitsSetting, c.units_setting);
        host.send(kVisible, kServiceConnect);
        for (int i = 0; i < c.clicks; ++i) {
            click("units");
        }
        const int shown = c.pounds ? kPoundsText : kKilogramsText;
        EXPECT_EQ(host.element_text(kVisible, shown), c.pounds ? "  22046.0 lbs" : "  10000.0 kg");
        EXPECT_EQ(host.element_hidden(kVisible, kPoundsText), !c.pounds);
        EXPECT_EQ(host.element_hidden(kVisible, kKilogramsText), c.pounds);
        host.send(kVisible, kServiceDisconnect);
    }
}

TEST_F(FuelDumpDisplay, WithoutTheIpcModuleTheGaugeShowsPounds) {
    ipc.reset();
    host.set_simulator_variable(kFuelWeight, 1234.56);
    host.set_parameters(kVisible, "");
    host.send(kVisible, kServiceConnect);
    update_at(kVisible, 0.0);
    click("switch");
    update_at(kVisible, 2.0);
    EXPECT_EQ(host.element_text(kVisible, kPoundsText), "   1234.6 lbs");
    EXPECT_FALSE(host.element_hidden(kVisible, kPoundsText));
    EXPECT_TRUE(host.element_hidden(kVisible, kKilogramsText));
}

}  // namespace
}  // namespace fuel_dump_test

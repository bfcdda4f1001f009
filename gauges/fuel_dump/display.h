// The elements and mouse areas of the two gauges: the visible strip with the fuel weight, the
// dump switch lamp and the rate readout, and the transparent gauge's single picture.
#pragma once

#include "panel_records.h"

namespace fuel_dump {

// Bitmap resources of the module.
constexpr std::uint32_t kBackgroundBitmap = 0x100;
constexpr std::uint32_t kSwitchOffBitmap = 0x1200;
constexpr std::uint32_t kSwitchOnBitmap = 0x1300;
constexpr std::uint32_t kTransparentBitmap = 0x1400;

// The first element of each gauge's list, drawn at the back.
extern ImageElement visible_background;
extern ImageElement transparent_picture;

extern MouseRect visible_mouse_rects[];

}  // namespace fuel_dump

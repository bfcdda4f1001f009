// Window layouts are given in twips; at the usual 96 dots per inch 15 twips make one pixel.
#pragma once

#include <QRect>
#include <QSize>

namespace vantrel {

constexpr int Twips(int twips) {
    return twips / 15;
}

constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return {Twips(left), Twips(top), Twips(width), Twips(height)};
}

constexpr QSize TwipsSize(int width, int height) {
    return {Twips(width), Twips(height)};
}

}  // namespace vantrel

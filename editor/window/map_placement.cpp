#include "map_placement.h"

#include <algorithm>

namespace vantrel {

QRect MapPlacement(const QRect& editor, const QRect& room, QSize map, int smallestWidth,
                   int buttonsLeft) {
    constexpr int kGap = 8;
    const int top = std::max(room.top(), std::min(editor.top(), room.bottom() - map.height()));
    const int rightRoom = room.right() - editor.right() - kGap;
    const int leftRoom = editor.left() - kGap - room.left();
    const int wider = std::max(rightRoom, leftRoom);
    if (map.width() > wider && wider >= smallestWidth) {
        map.setWidth(wider);
    }
    if (map.width() <= rightRoom) {
        return {QPoint(editor.right() + kGap, top), map};
    }
    if (map.width() <= leftRoom) {
        return {QPoint(editor.left() - kGap - map.width(), top), map};
    }
    map.setWidth(std::max(std::min(map.width(), buttonsLeft - kGap - room.left()), smallestWidth));
    return {QPoint(room.left(), top), map};
}

}  // namespace vantrel

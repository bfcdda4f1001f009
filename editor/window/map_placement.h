// Where the map window goes beside the editor window: to its right where the screen has room
// there, else to its left, else narrowed on the side with more room as long as the map keeps its
// smallest width there. Only where neither side has room even for that does it stand at the
// screen's left edge, narrowed if need be so that it ends before the editor's move buttons, which
// stay in reach.
#pragma once

#include <QRect>
#include <QSize>

namespace vantrel {

// `editor`: the editor's frame on the screen; `room`: the screen's available area; `map`: the
// map's size and `smallestWidth` the least width it may take; `buttonsLeft`: the screen x of the
// editor's move buttons. Returns the map's place and size.
QRect MapPlacement(const QRect& editor, const QRect& room, QSize map, int smallestWidth,
                   int buttonsLeft);

}  // namespace vantrel

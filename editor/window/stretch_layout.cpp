#include "stretch_layout.h"

#include <cmath>

namespace vantrel {

void StretchLayout::add(QWidget* widget, Stretch stretch) {
    entries_.push_back({widget, widget->geometry(), stretch});
}

void StretchLayout::apply(QSize extra) const {
    const auto share = [](int amount, double part) {
        return static_cast<int>(std::lround(amount * part));
    };
    for (const Entry& entry : entries_) {
        if (!entry.widget) {
            continue;
        }
        const Stretch& s = entry.stretch;
        // Edges are rounded rather than sizes, so that neighbours sharing an edge stay joined.
        const int left = entry.base.left() + share(extra.width(), s.left);
        const int right =
            entry.base.left() + entry.base.width() + share(extra.width(), s.left + s.width);
        const int top = entry.base.top() + share(extra.height(), s.top);
        const int bottom =
            entry.base.top() + entry.base.height() + share(extra.height(), s.top + s.height);
        entry.widget->setGeometry(left, top, right - left, bottom - top);
    }
}

}  // namespace vantrel

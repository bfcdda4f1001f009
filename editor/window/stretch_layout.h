// Lets the widgets of a window laid out at fixed places grow with it: each widget keeps its place
// at the window's smallest size and takes a share of what the window has more in width and height,
// by moving, by growing, or both.
#pragma once

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <vector>

namespace vantrel {

// Shares of the extra width (left, width) and of the extra height (top, height), from 0 to 1.
struct Stretch {
    double left = 0;
    double width = 0;
    double top = 0;
    double height = 0;
};

class StretchLayout {
  public:
    // The widget's present geometry is its place at the smallest size.
    void add(QWidget* widget, Stretch stretch);
    // Places every widget for a window that is `extra` larger than its smallest size.
    void apply(QSize extra) const;

  private:
    struct Entry {
        QPointer<QWidget> widget;
        QRect base;
        Stretch stretch;
    };
    std::vector<Entry> entries_;
};

}  // namespace vantrel

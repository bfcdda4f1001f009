// The popup menus of the editor window's lists: a right-button press on a list opens its menu at
// the mouse and leaves the list's selection as it is, so the menu's commands act on the entry
// chosen before.
#pragma once

class QAbstractItemView;
class QMenu;

namespace vantrel {

void AttachPopup(QAbstractItemView* list, QMenu* menu);

}  // namespace vantrel

// The windows opened from the launcher hide it while they are open and show it again when they
// close; a window busy with a long task stays open until the task ends.
#pragma once

#include <QCloseEvent>
#include <QWidget>

namespace vantrel {

inline void CloseBackToLauncher(QCloseEvent* event, bool busy, QWidget* launcher) {
    if (busy) {
        event->ignore();
        return;
    }
    if (launcher) {
        launcher->show();
    }
    event->accept();
}

}  // namespace vantrel

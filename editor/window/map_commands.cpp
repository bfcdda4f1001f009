// The editor window's map preview: opening frmMap and handing it every change of the legs list,
// its selection and the legs label.
#include <QAbstractItemModel>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>

#include "editor_window.h"
#include "map_window.h"
#include "text_codec.h"

namespace vantrel {

void EditorWindow::mnuShowMap_Click() {
    if (!map_) {
        map_ = new MapWindow(context_);
        // The connections go with the map when it is closed.
        const auto refresh = [this] { refreshMap(); };
        const QAbstractItemModel* model = ListView1->model();
        connect(model, &QAbstractItemModel::dataChanged, map_, refresh);
        connect(model, &QAbstractItemModel::rowsInserted, map_, refresh);
        connect(model, &QAbstractItemModel::rowsRemoved, map_, refresh);
        connect(model, &QAbstractItemModel::modelReset, map_, refresh);
        connect(model, &QAbstractItemModel::layoutChanged, map_, refresh);
        connect(ListView1, &QTreeWidget::itemSelectionChanged, map_, refresh);
        connect(ListView1, &QTreeWidget::currentItemChanged, map_, refresh);
        refreshMap();
        placeBeside(map_);
    }
    map_->show();
    map_->raise();
    map_->activateWindow();
}

MapWindow* EditorWindow::map() const {
    return map_;
}

void EditorWindow::refreshMap() {
    if (!map_) {
        return;
    }
    if (shown_) {
        map_->setContent({Label7->text(), ToQt(shown_->entry), shownLegs(), selectedLeg()});
    } else {
        map_->setContent({});
    }
}

// Beside the editor: to its right where the screen has room there, else to its left. Where neither
// side has room, at the screen's left edge and narrowed if need be so that it ends before the
// editor's move buttons, which stay in reach.
void EditorWindow::placeBeside(QWidget* window) const {
    constexpr int kGap = 8;
    const QRect editor = frameGeometry();
    const QScreen* screen = this->screen();
    const QRect room =
        screen ? screen->availableGeometry() : editor.united(QRect(0, 0, 4000, 3000));
    const int width = window->width();
    const int top = std::max(room.top(), std::min(editor.top(), room.bottom() - window->height()));
    if (editor.right() + kGap + width <= room.right()) {
        window->move(editor.right() + kGap, top);
        return;
    }
    if (editor.left() - kGap - width >= room.left()) {
        window->move(editor.left() - kGap - width, top);
        return;
    }
    const int buttonsLeft = mapToGlobal(Command3->geometry().topLeft()).x();
    const int narrowed = std::min(width, buttonsLeft - kGap - room.left());
    window->resize(std::max(narrowed, window->minimumSizeHint().width()), window->height());
    window->move(room.left(), top);
}

}  // namespace vantrel

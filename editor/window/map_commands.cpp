// The editor window's map preview: opening frmMap and handing it every change of the legs list,
// its selection and the legs label.
#include <QAbstractItemModel>
#include <QLabel>
#include <QScreen>
#include <QTreeWidget>

#include "editor_window.h"
#include "map_window.h"

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
    if (shownProcedureDeleted_ || Label7->text().isEmpty()) {
        map_->setContent({});
    } else {
        map_->setContent({Label7->text(), shownLegs(), selectedLeg()});
    }
}

// To the right of the editor when the screen has room there, else as far right as it has.
void EditorWindow::placeBeside(QWidget* window) const {
    QPoint at = frameGeometry().topRight() + QPoint(8, 0);
    if (const QScreen* screen = this->screen()) {
        const QRect room = screen->availableGeometry();
        at.setX(std::max(room.left(), std::min(at.x(), room.right() - window->width())));
        at.setY(std::max(room.top(), std::min(at.y(), room.bottom() - window->height())));
    }
    window->move(at);
}

}  // namespace vantrel

// The editor window's map preview: opening frmMap and handing it every change of the legs list,
// its selection and the legs label.
#include <QAbstractItemModel>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>

#include "editor_window.h"
#include "map_placement.h"
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

void EditorWindow::placeBeside(QWidget* window) const {
    const QRect editor = frameGeometry();
    const QScreen* screen = this->screen();
    const QRect room =
        screen ? screen->availableGeometry() : editor.united(QRect(0, 0, 4000, 3000));
    const QRect place =
        MapPlacement(editor, room, window->size(), window->minimumSizeHint().width(),
                     mapToGlobal(Command3->geometry().topLeft()).x());
    window->resize(place.size());
    window->move(place.topLeft());
}

}  // namespace vantrel

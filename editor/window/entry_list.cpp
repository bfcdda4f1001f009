#include "entry_list.h"

#include <QMouseEvent>

namespace vantrel {

int SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

EntryList::EntryList(QWidget* parent, const char* name) : QListWidget(parent) {
    setObjectName(name);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Qt makes a pressed row current before it selects it, so the selection, not the current row,
    // tells when an entry has been chosen.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (SelectedRow(this) >= 0) {
            emit entryChosen();
        }
    });
}

void EntryList::mousePressEvent(QMouseEvent* event) {
    const int selectedBefore = SelectedRow(this);
    QListWidget::mousePressEvent(event);
    // A press on the entry that was already selected changes no selection: it loads it anew.
    if (event->button() == Qt::LeftButton && selectedBefore >= 0 &&
        indexAt(event->position().toPoint()).row() == selectedBefore &&
        SelectedRow(this) == selectedBefore) {
        emit entryChosen();
    }
}

}  // namespace vantrel

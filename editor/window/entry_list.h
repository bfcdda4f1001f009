// The list boxes of the editor window's airports and procedures. A list reports every choice of an
// entry: a selection made by a click, a key or code, and a click on the entry that is already
// selected, which asks for that entry to be loaded again.
#pragma once

#include <QListWidget>

class QMouseEvent;

namespace vantrel {

class EntryList : public QListWidget {
    Q_OBJECT
  public:
    EntryList(QWidget* parent, const char* name);

  signals:
    void entryChosen();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// Row of the selected entry of a list, -1 when none is selected.
int SelectedRow(const QListWidget* list);

}  // namespace vantrel

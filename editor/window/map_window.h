// frmMap: the map preview of the procedure shown in the editor. It stays open beside the editor,
// which hands it every change of the legs; the legs that cannot be drawn are listed below the map,
// and "Save Picture..." writes the map as a PNG file.
#pragma once

#include <QImage>
#include <QWidget>

#include "app_context.h"
#include "map_picture.h"

class QListWidget;
class QPushButton;

namespace vantrel {

class MapWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MapWindow(AppContext& context);

    void setContent(MapContent content);
    const MapContent& content() const { return content_; }
    // The map as the window shows it.
    QImage picture() const;

    // "Save Picture...": asks for a file and writes the map there as a PNG.
    void Command1_Click();

  private:
    AppContext& context_;
    MapContent content_;
    QWidget* Picture1;
    QListWidget* List1;  // the legs that cannot be drawn, in red
    QPushButton* Command1;
};

}  // namespace vantrel

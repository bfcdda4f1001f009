// frmPBD: the place/bearing/distance calculator's dialog. It shows the known point's name and
// asks for the track, the distance and the new point's name.
#pragma once

#include "dialog_window.h"

namespace vantrel {

class PbdDialog : public DialogWindow {
    Q_OBJECT
  public:
    explicit PbdDialog(QWidget* opener);

    QLineEdit* Text1;  // the known point's name, shown only
    QLineEdit* Text2;  // track in degrees
    QLineEdit* Text3;  // distance in nautical miles
    QLineEdit* Text4;  // name of the new point

  protected:
    void clearFields() override;
};

}  // namespace vantrel

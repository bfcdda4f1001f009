// frmFIX: the dialog in which a fix is typed by hand: name, latitude and longitude. Its caption is
// its mode: "Add NEW FIX" or "Modify FIX".
#pragma once

#include "dialog_window.h"

namespace vantrel {

class FixDialog : public DialogWindow {
    Q_OBJECT
  public:
    explicit FixDialog(QWidget* opener);

    QLabel* Label1;    // prompt
    QLineEdit* Text1;  // fix name
    QLineEdit* Text2;  // latitude
    QLineEdit* Text3;  // longitude

  protected:
    void clearFields() override;
};

}  // namespace vantrel

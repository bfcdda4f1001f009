// frmProcModify: the dialog for the name and runway of a SID or STAR. Its caption is its mode:
// "Add NEW SID", "Modify SID", "Add NEW STAR" or "Modify STAR".
#pragma once

#include "dialog_window.h"

namespace vantrel {

class ProcedureDialog : public DialogWindow {
    Q_OBJECT
  public:
    explicit ProcedureDialog(QWidget* opener);

    QLabel* Label1;    // prompt
    QLineEdit* Text1;  // name
    QLineEdit* Text2;  // runway

  protected:
    void clearFields() override;
};

}  // namespace vantrel

#include "procedure_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "twips.h"

namespace vantrel {

ProcedureDialog::ProcedureDialog(QWidget* opener) : DialogWindow(opener, "frmProcModify") {
    setFixedSize(TwipsSize(5295, 1950));
    Label1 = addLabel("Label1", "Enter the name of the NEW SID:", TwipsRect(120, 120, 5055, 255));
    addLabel("Label2", "Name:", TwipsRect(120, 510, 1000, 255));
    Text1 = addField("Text1", TwipsRect(1200, 480, 2400, 315));
    addLabel("Label5", "like: BADOV1D", TwipsRect(3720, 510, 1455, 255));
    addLabel("Label3", "Runway:", TwipsRect(120, 930, 1000, 255));
    Text2 = addField("Text2", TwipsRect(1200, 900, 800, 315));
    addLabel("Label4", "like: 13R", TwipsRect(2120, 930, 1200, 255));
    Command1->setGeometry(TwipsRect(1200, 1440, 1215, 375));
    Command2->setGeometry(TwipsRect(2520, 1440, 1215, 375));
}

void ProcedureDialog::clearFields() {
    Text1->clear();
    Text2->clear();
}

}  // namespace vantrel

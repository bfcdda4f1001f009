#include "fix_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "twips.h"

namespace vantrel {

FixDialog::FixDialog(QWidget* opener) : DialogWindow(opener, "frmFIX") {
    setFixedSize(TwipsSize(5415, 3045));
    Label1 = addLabel("Label1", "Enter the name of the NEW FIX:", TwipsRect(120, 120, 5175, 255));
    addLabel("Label2", "FIX Name:", TwipsRect(120, 510, 1100, 255));
    Text1 = addField("Text1", TwipsRect(1320, 480, 1800, 315));
    addLabel("Label5", "like: TORNO", TwipsRect(3240, 510, 2000, 255));
    addLabel("Label3", "Latitude:", TwipsRect(120, 930, 1100, 255));
    Text2 = addField("Text2", TwipsRect(1320, 900, 1800, 315));
    addLabel("Label6", "like: 47539776", TwipsRect(3240, 930, 2000, 255));
    addLabel("Label4", "Longtitude:", TwipsRect(120, 1350, 1100, 255));
    Text3 = addField("Text3", TwipsRect(1320, 1320, 1800, 315));
    addLabel("Label7", "like: 18292444", TwipsRect(3240, 1350, 2000, 255));
    QLabel* help = addLabel("Label8",
                            "Coordinates are in DECIMAL format. Do not use any marker string or "
                            "separator! Just type the value like: 47539776 or -0621681 etc.",
                            TwipsRect(120, 1770, 5175, 615));
    help->setWordWrap(true);
    Command1->setGeometry(TwipsRect(1320, 2520, 1215, 375));
    Command2->setGeometry(TwipsRect(2640, 2520, 1215, 375));
}

void FixDialog::clearFields() {
    Text1->clear();
    Text2->clear();
    Text3->clear();
}

}  // namespace vantrel

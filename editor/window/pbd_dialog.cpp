#include "pbd_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "twips.h"

namespace vantrel {

PbdDialog::PbdDialog(QWidget* opener) : DialogWindow(opener, "frmPBD") {
    setWindowTitle("Place/Bearing/Distance Waypoint Calculator");
    setFixedSize(TwipsSize(5415, 3780));
    QLabel* help = addLabel(
        "Label1",
        "Some SID/STAR route do not contain definied intersection, NDB, VOR, etc locations just "
        "the heading and the distance are given from a point (intersection, NDB, VOR, etc). With "
        "this tool you can easily calculate the next point's coordinates of the route, just type "
        "the direction in degrees and the distance in nautical miles.",
        TwipsRect(120, 120, 5175, 1200));
    help->setWordWrap(true);
    addLabel("Label2", "Navaid name (NDB, VOR, etc):", TwipsRect(120, 1470, 2640, 255));
    Text1 = addField("Text1", TwipsRect(2880, 1440, 2415, 315));
    Text1->setReadOnly(true);
    Text1->setFocusPolicy(Qt::NoFocus);
    addLabel("Label3", "Track (heading):", TwipsRect(120, 1890, 2640, 255));
    Text2 = addField("Text2", TwipsRect(2880, 1860, 2415, 315));
    addLabel("Label4", "Distance:", TwipsRect(120, 2310, 2640, 255));
    Text3 = addField("Text3", TwipsRect(2880, 2280, 2415, 315));
    addLabel("Label5", "New point name:", TwipsRect(120, 2730, 2640, 255));
    Text4 = addField("Text4", TwipsRect(2880, 2700, 2415, 315));
    Command1->setGeometry(TwipsRect(1320, 3240, 1215, 375));
    Command2->setGeometry(TwipsRect(2880, 3240, 1215, 375));
    clearFields();
}

void PbdDialog::clearFields() {
    Text1->clear();
    Text2->clear();
    Text3->clear();
    Text4->setText("FIX");
}

}  // namespace vantrel

// The place/bearing/distance calculator driven through the real widgets: opened from a found
// waypoint, from a leg and from one of its own points, OK and Cancel and the close box, the refused
// inputs, and a computed point added as a leg with the file compared byte for byte.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "finder_session.h"
#include "pbd_dialog.h"
#include "pbd_point.h"

using namespace vantrel;
using namespace vantrel::testing;

namespace {

const char* const kCaption = "Place/Bearing/Distance Waypoint Calculator";

// The finder with KOVEK (47000000, 19000000) found, its intersection line selected.
struct Calculator : Finder {
    Calculator() {
        search("KOVEK");
        ClickRow(results, 0);
    }
    PbdDialog* open(const char* menu, const char* item) {
        command(menu, item);
        return OpenWindow<PbdDialog>("frmPBD");
    }
    // Types the track, distance and, when given, the new name, then presses the button.
    static void fill(PbdDialog* dialog, const QString& track, const QString& distance,
                     const QString& name, QPushButton* button) {
        QTest::keyClicks(dialog->Text2, track);
        QTest::keyClicks(dialog->Text3, distance);
        if (!name.isNull()) {
            dialog->Text4->clear();
            QTest::keyClicks(dialog->Text4, name);
        }
        QTest::mouseClick(button, Qt::LeftButton);
    }
};

}  // namespace

class PbdTest : public QObject {
    Q_OBJECT
  private slots:
    void opensFromAFoundWaypointAndAppendsThePoint();
    void chainsFromAComputedPoint();
    void cancelAndTheCloseBoxLeaveTheListAndResetTheFields();
    void opensFromTheSelectedLeg();
    void refusesWhatCannotMakeAPoint();
    void computedPointBecomesALeg();
    void aTrackOrDistanceThatIsNotANumberIsMendedInTheOpenDialog();
};

void PbdTest::opensFromAFoundWaypointAndAppendsThePoint() {
    Calculator calculator;
    const QStringList found = Texts(calculator.results);
    PbdDialog* dialog = calculator.open("mnuFinder", "mnuPBD");
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QString(kCaption));
    QVERIFY(!calculator.window->isEnabled());
    QCOMPARE(Child<QLabel>(dialog, "Label1")->text(),
             QString("Some SID/STAR route do not contain definied intersection, NDB, VOR, etc "
                     "locations just the heading and the distance are given from a point "
                     "(intersection, NDB, VOR, etc). With this tool you can easily calculate the "
                     "next point's coordinates of the route, just type the direction in degrees "
                     "and the distance in nautical miles."));
    const QStringList labels = {
        Child<QLabel>(dialog, "Label2")->text(), Child<QLabel>(dialog, "Label3")->text(),
        Child<QLabel>(dialog, "Label4")->text(), Child<QLabel>(dialog, "Label5")->text()};
    QCOMPARE(labels, (QStringList{"Navaid name (NDB, VOR, etc):", "Track (heading):", "Distance:",
                                  "New point name:"}));
    QCOMPARE(dialog->Text1->text(), QString("KOVEK"));
    QVERIFY(dialog->Text1->isReadOnly());
    QCOMPARE(dialog->Text2->text(), QString());
    QCOMPARE(dialog->Text3->text(), QString());
    QCOMPARE(dialog->Text4->text(), QString("FIX"));

    // The track is shown as typed.
    Calculator::fill(dialog, "090", "60", "D090K", dialog->Command1);
    QVERIFY(!OpenWindow<PbdDialog>("frmPBD"));
    QVERIFY(calculator.window->isEnabled());
    QCOMPARE(Texts(calculator.results),
             found + QStringList{"D090K|46990642|20466108|   -   [PBD] HDG: 090 DIST: 60"});
    // The calculator's points stay out of the search cache.
    QVERIFY(calculator.file("cache.dat").find("[PBD]") == std::string::npos);
}

void PbdTest::chainsFromAComputedPoint() {
    Calculator calculator;
    PbdDialog* first = calculator.open("mnuFinder", "mnuPBD");
    Calculator::fill(first, "90", "60", "EAST", first->Command1);
    const int computed = calculator.results->count() - 1;
    ClickRow(calculator.results, computed);

    PbdDialog* second = calculator.open("mnuFinder", "mnuPBD");
    QVERIFY(second);
    QCOMPARE(second->Text1->text(), QString("EAST"));
    Calculator::fill(second, "270", "60", "BACK", second->Command1);
    QCOMPARE(calculator.results->item(computed + 1)->text(),
             QString::fromStdString(
                 ComputePbdPoint("46990642", "20466108", "270", "60", "BACK").record));
}

void PbdTest::cancelAndTheCloseBoxLeaveTheListAndResetTheFields() {
    Calculator calculator;
    const QStringList found = Texts(calculator.results);
    PbdDialog* dialog = calculator.open("mnuFinder", "mnuPBD");
    Calculator::fill(dialog, "45", "10", "NEVER", dialog->Command2);
    QVERIFY(!OpenWindow<PbdDialog>("frmPBD"));
    QVERIFY(calculator.window->isEnabled());
    QCOMPARE(Texts(calculator.results), found);

    dialog = calculator.open("mnuFinder", "mnuPBD");
    QCOMPARE(dialog->Text2->text(), QString());
    QCOMPARE(dialog->Text3->text(), QString());
    QCOMPARE(dialog->Text4->text(), QString("FIX"));
    QTest::keyClicks(dialog->Text2, "45");
    dialog->close();
    QVERIFY(calculator.window->isEnabled());
    QCOMPARE(Texts(calculator.results), found);
    QCOMPARE(calculator.open("mnuFinder", "mnuPBD")->Text2->text(), QString());
}

void PbdTest::opensFromTheSelectedLeg() {
    Calculator calculator;
    const int before = calculator.results->count();
    // CPT 51487000 -1219000 is the shown SID's only leg; with none selected nothing opens.
    calculator.legs->clearSelection();
    QVERIFY(!calculator.open("mnuLEG", "mnuPBDWP"));
    QVERIFY(calculator.window->isEnabled());

    calculator.selectLeg(0);
    PbdDialog* dialog = calculator.open("mnuLEG", "mnuPBDWP");
    QVERIFY(dialog);
    QCOMPARE(dialog->Text1->text(), QString("CPT"));
    Calculator::fill(dialog, "0", "60", "NORTH", dialog->Command1);
    QCOMPARE(calculator.results->count(), before + 1);
    // Straight north keeps the longitude, less the last digit that the cut drops.
    QCOMPARE(calculator.results->item(before)->text(),
             QString("NORTH|52487000|-1218999|   -   [PBD] HDG: 0 DIST: 60"));

    // No procedure shown: the legs list is empty and nothing opens.
    Finder empty(false);
    QCOMPARE(empty.legs->topLevelItemCount(), 0);
    empty.command("mnuLEG", "mnuPBDWP");
    QVERIFY(!OpenWindow<PbdDialog>("frmPBD"));
}

void PbdTest::refusesWhatCannotMakeAPoint() {
    Calculator calculator;
    calculator.session.prompts.clearShown();

    // A name holding the field separator: the dialog stays open to mend it.
    PbdDialog* dialog = calculator.open("mnuFinder", "mnuPBD");
    const int before = calculator.results->count();
    Calculator::fill(dialog, "90", "10", "A|B", dialog->Command1);
    QCOMPARE(calculator.session.prompts.shown().size(), std::size_t{1});
    QVERIFY(calculator.lastPrompt().text.contains("\"|\""));
    QVERIFY(OpenWindow<PbdDialog>("frmPBD"));
    QCOMPARE(calculator.results->count(), before);

    // A distance beyond any number: the dialog stays open too.
    for (const auto& [field, text] : {std::pair{dialog->Text3, "1e400"}, {dialog->Text4, "FAR"}}) {
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
    }
    QTest::mouseClick(dialog->Command1, Qt::LeftButton);
    QCOMPARE(calculator.session.prompts.shown().size(), std::size_t{2});
    QVERIFY(OpenWindow<PbdDialog>("frmPBD"));
    QCOMPARE(calculator.results->count(), before);
    QTest::mouseClick(dialog->Command2, Qt::LeftButton);

    // A waypoint line without coordinates: nothing can be computed from it, the dialog closes.
    calculator.search("SHORT");
    ClickRow(calculator.results, 0);
    dialog = calculator.open("mnuFinder", "mnuPBD");
    QCOMPARE(dialog->Text1->text(), QString("SHORT"));
    Calculator::fill(dialog, "90", "10", QString(), dialog->Command1);
    QCOMPARE(calculator.lastPrompt().title, QString(kCaption));
    QVERIFY(calculator.lastPrompt().text.contains("SHORT has no usable coordinates"));
    QVERIFY(!OpenWindow<PbdDialog>("frmPBD"));
    QVERIFY(calculator.window->isEnabled());
    QCOMPARE(calculator.results->count(), 1);
}

void PbdTest::computedPointBecomesALeg() {
    Calculator calculator;
    PbdDialog* dialog = calculator.open("mnuFinder", "mnuPBD");
    Calculator::fill(dialog, "180", "60", QString(), dialog->Command1);
    calculator.doubleClick(calculator.results->count() - 1);
    QCOMPARE(calculator.sid(), "\r\nP|CPT3F|27L| |0|0|\r\n" + Leg("CPT", "51487000", "-1219000") +
                                   Leg("FIX", "46000000", "19000000") + "\r\n\r\n");
}

void PbdTest::aTrackOrDistanceThatIsNotANumberIsMendedInTheOpenDialog() {
    Calculator calculator;
    const QStringList found = Texts(calculator.results);
    PbdDialog* dialog = calculator.open("mnuFinder", "mnuPBD");
    calculator.session.prompts.clearShown();
    const auto retype = [](QLineEdit* field, const QString& text) {
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
    };

    // "9O" with a letter O made a point due north, "12,5" one 12 nautical miles away.
    Calculator::fill(dialog, "9O", "12,5", QString(), dialog->Command1);
    QCOMPARE(calculator.session.prompts.shown().size(), std::size_t{1});
    QCOMPARE(calculator.lastPrompt().text,
             QString("The track is not a number: type degrees as digits, like 90, 127.5 or -45, "
                     "with \".\" before any decimals."));
    QCOMPARE(calculator.lastPrompt().title, QString(kCaption));
    QCOMPARE(calculator.lastPrompt().icon, PromptIcon::Exclamation);
    QCOMPARE(OpenWindow<PbdDialog>("frmPBD"), dialog);
    QCOMPARE(dialog->Text2->text(), QString("9O"));
    QCOMPARE(dialog->Text3->text(), QString("12,5"));
    QCOMPARE(Texts(calculator.results), found);

    retype(dialog->Text2, "90");
    QTest::mouseClick(dialog->Command1, Qt::LeftButton);
    QCOMPARE(calculator.session.prompts.shown().size(), std::size_t{2});
    QCOMPARE(calculator.lastPrompt().text,
             QString("The distance is not a number: type nautical miles as digits, like 60 or "
                     "12.5, with \".\" before any decimals."));
    QCOMPARE(OpenWindow<PbdDialog>("frmPBD"), dialog);
    QCOMPARE(dialog->Text3->text(), QString("12,5"));
    QCOMPARE(Texts(calculator.results), found);

    retype(dialog->Text3, "12.5");
    QTest::mouseClick(dialog->Command1, Qt::LeftButton);
    QVERIFY(!OpenWindow<PbdDialog>("frmPBD"));
    QVERIFY(calculator.window->isEnabled());
    QCOMPARE(Texts(calculator.results),
             found + QStringList{"FIX|46999593|19305473|   -   [PBD] HDG: 90 DIST: 12.5"});
}

QTEST_MAIN(PbdTest)
#include "pbd_test.moc"

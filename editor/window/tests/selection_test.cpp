// Choosing airports and procedures with the mouse and the keyboard, and the procedure that the leg
// commands write into: always the one whose legs are shown, and nothing while the lists no longer
// select it. The files are compared byte for byte after every step.
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "dialog_fill.h"
#include "editor_session.h"
#include "fix_dialog.h"
#include "procedure_dialog.h"

using namespace vantrel;
using namespace vantrel::testing;

namespace {

const std::string kAnker = "P|ANKER2N|26R| |0|0|\r\n" + Leg("NIRMU", "48380000", "11200000") +
                           Leg("WLD", "48578056", "11129722") + Leg("MIQ", "48570389", "11597389") +
                           "\r\n\r\n";
const std::string kBibag = "P|BIBAG1S|26L| |0|0|\r\n" + Leg("BIBAG", "48100000", "11500000") +
                           Leg("MIQ", "48570389", "11597389") +
                           Leg("TULSI", "48000000", "11700000") + "\r\n\r\n";
const std::string kRokil = "P|ROKIL1A|26R| |0|0|\r\n" + Leg("ROKIL", "48900000", "11300000") +
                           Leg("MIQ", "48570389", "11597389") + "\r\n\r\n";

// The editor on a folder that also holds EDDM: SIDs ANKER2N and BIBAG1S, STAR ROKIL1A.
struct Eddm : Editor {
    QLabel* label = Child<QLabel>(window, "Label7");
    QPushButton* down = Child<QPushButton>(window, "Command4");

    Eddm() {
        session.folder.write("sid/EDDM.txt", "\r\n" + kAnker + kBibag);
        session.folder.write("star/EDDM.txt", "\r\n" + kRokil);
        // The catalogue was built before EDDM's files came: EDDM is added as a user adds it.
        session.prompts.answerInput("EDDM");
        command("mnuAirport", "mnuNewAirport");
        session.prompts.clearShown();
    }
    std::string sid() const { return file("sid/EDDM.txt"); }
    std::string star() const { return file("star/EDDM.txt"); }
    QStringList legNames() const {
        QStringList names;
        for (const QStringList& row : Legs(legs)) {
            names << row[0];
        }
        return names;
    }
};

}  // namespace

class SelectionTest : public QObject {
    Q_OBJECT
  private slots:
    void clicksAndKeysLoadWhatTheySelect();
    void clickOnTheSelectedRowLoadsItAgain();
    void legCommandsWriteIntoTheProcedureShown();
    void nothingIsWrittenWhileTheShownProcedureIsNotSelected();
    void deletingTheShownProcedureOrItsAirportClearsTheLegs();
    void renamedShownProcedureKeepsItsLegs();
    void rightButtonKeepsTheSelection();
};

void SelectionTest::clicksAndKeysLoadWhatTheySelect() {
    Eddm editor;
    QCOMPARE(Texts(editor.sids), (QStringList{"ANKER2N @ 26R", "BIBAG1S @ 26L"}));
    QCOMPARE(Texts(editor.stars), QStringList{"ROKIL1A @ 26R"});

    ClickRow(editor.sids, 1);
    QCOMPARE(editor.label->text(), QString("SID: EDDM"));
    QCOMPARE(editor.legNames(), (QStringList{"BIBAG", "MIQ", "TULSI"}));

    // A list of one entry opens with a click too.
    ClickRow(editor.stars, 0);
    QCOMPARE(editor.label->text(), QString("STAR: EDDM"));
    QCOMPARE(editor.legNames(), (QStringList{"ROKIL", "MIQ"}));
    QCOMPARE(SelectedRow(editor.sids), -1);

    // Keys move the selection and load as they go.
    ClickRow(editor.sids, 1);
    QTest::keyClick(editor.sids, Qt::Key_Up);
    QCOMPARE(SelectedRow(editor.sids), 0);
    QCOMPARE(editor.legNames(), (QStringList{"NIRMU", "WLD", "MIQ"}));
    QCOMPARE(SelectedRow(editor.stars), -1);

    // A key in the airport list loads that airport's lists and leaves the legs shown.
    QTest::keyClick(editor.airports, Qt::Key_Home);
    QCOMPARE(editor.airports->currentItem()->text(), QString("EGLL"));
    QCOMPARE(Texts(editor.sids), QStringList{"CPT3F @ 27L"});
    QCOMPARE(editor.legNames(), (QStringList{"NIRMU", "WLD", "MIQ"}));
    ClickRow(editor.sids, 0);
    QCOMPARE(editor.legNames(), QStringList{"CPT"});
    QCOMPARE(editor.label->text(), QString("SID: EGLL"));
}

void SelectionTest::clickOnTheSelectedRowLoadsItAgain() {
    Eddm editor;
    ClickRow(editor.sids, 1);
    editor.session.folder.write("sid/EDDM.txt", "\r\n" + kAnker + "P|BIBAG1S|26L| |0|0|\r\n" +
                                                    Leg("BIBAG", "48100000", "11500000") +
                                                    "\r\n\r\n" + "P|NEW1A|08L| |0|0|\r\n");
    ClickRow(editor.sids, 1);
    QCOMPARE(editor.legNames(), QStringList{"BIBAG"});

    // The airport again: its lists are read anew, with nothing selected.
    ClickRow(editor.airports, editor.airports->count() - 1);
    QCOMPARE(Texts(editor.sids), (QStringList{"ANKER2N @ 26R", "BIBAG1S @ 26L", "NEW1A @ 08L"}));
    QCOMPARE(SelectedRow(editor.sids), -1);
    QCOMPARE(editor.legNames(), QStringList{"BIBAG"});
}

void SelectionTest::legCommandsWriteIntoTheProcedureShown() {
    Eddm editor;
    // ANKER2N by keyboard, then BIBAG1S by mouse: the move goes into BIBAG1S.
    QTest::keyClick(editor.sids, Qt::Key_Down);
    QCOMPARE(editor.legNames(), (QStringList{"NIRMU", "WLD", "MIQ"}));
    ClickRow(editor.sids, 1);
    editor.selectLeg(1);
    QTest::mouseClick(editor.down, Qt::LeftButton);
    const std::string bibagMoved =
        "P|BIBAG1S|26L| |0|0|\r\n" + Leg("BIBAG", "48100000", "11500000") +
        Leg("TULSI", "48000000", "11700000") + Leg("MIQ", "48570389", "11597389") + "\r\n\r\n";
    QCOMPARE(editor.sid(), "\r\n" + kAnker + bibagMoved);

    // A click on the STAR shows it, and a new fix goes into the STAR.
    ClickRow(editor.stars, 0);
    editor.command("mnuLEG", "mnuNewFIX");
    Fill(OpenWindow<FixDialog>("frmFIX"), {"NAPSA", "48700000", "11000000"});
    QCOMPARE(editor.star(), "\r\nP|ROKIL1A|26R| |0|0|\r\n" + Leg("ROKIL", "48900000", "11300000") +
                                Leg("MIQ", "48570389", "11597389") +
                                Leg("NAPSA", "48700000", "11000000") + "\r\n\r\n");
    QCOMPARE(editor.sid(), "\r\n" + kAnker + bibagMoved);
}

void SelectionTest::nothingIsWrittenWhileTheShownProcedureIsNotSelected() {
    Eddm editor;
    ClickRow(editor.sids, 1);
    const std::string before = editor.sid();
    const QString refused =
        "The change was not written.\r\nThe legs shown are those of the SID BIBAG1S @ 26L of "
        "EDDM, which is not selected in its list any more: select it again and repeat the change.";

    // Another airport: every leg command refuses before it asks or opens anything.
    editor.selectAirport("EGLL");
    editor.selectLeg(1);
    const struct { const char* item; } commands[] = {{"mnuEditLeg"}, {"mnuNewFIX"}, {"mnuDelLEG"}};
    for (const auto& command : commands) {
        editor.session.prompts.clearShown();
        editor.command("mnuLEG", command.item);
        QCOMPARE(editor.session.prompts.shown().size(), std::size_t(1));
        QCOMPARE(editor.lastPrompt().text, refused);
        QCOMPARE(editor.lastPrompt().title, QString("Not written"));
        QVERIFY(!OpenWindow<FixDialog>("frmFIX"));
        QVERIFY(editor.window->isEnabled());
    }
    QTest::mouseClick(editor.down, Qt::LeftButton);
    QCOMPARE(editor.lastPrompt().text, refused);
    QCOMPARE(editor.legNames(), (QStringList{"BIBAG", "MIQ", "TULSI"}));
    QCOMPARE(editor.sid(), before);

    // The row highlighted no more (Ctrl+click takes the selection away).
    ClickRow(editor.airports, editor.airports->count() - 1);
    ClickRow(editor.sids, 1);
    ClickRow(editor.sids, 1, Qt::ControlModifier);
    QCOMPARE(SelectedRow(editor.sids), -1);
    editor.selectLeg(0);
    editor.session.prompts.clearShown();
    QTest::mouseClick(editor.down, Qt::LeftButton);
    QCOMPARE(editor.lastPrompt().text, refused);
    QCOMPARE(editor.sid(), before);
}

void SelectionTest::deletingTheShownProcedureOrItsAirportClearsTheLegs() {
    Eddm editor;
    ClickRow(editor.sids, 1);
    editor.session.prompts.answerMessage(PromptAnswer::Ok);
    editor.command("mnuSID", "mnuDelSID");
    QCOMPARE(editor.sid(), "\r\n" + kAnker);
    QCOMPARE(editor.legs->topLevelItemCount(), 0);
    QCOMPARE(editor.label->text(), QString());
    QVERIFY(!editor.window->shownProcedure());

    // The next SID's own legs move, and nothing of the deleted one comes back.
    ClickRow(editor.sids, 0);
    editor.selectLeg(0);
    QTest::mouseClick(editor.down, Qt::LeftButton);
    QCOMPARE(editor.sid(), "\r\nP|ANKER2N|26R| |0|0|\r\n" + Leg("WLD", "48578056", "11129722") +
                               Leg("NIRMU", "48380000", "11200000") +
                               Leg("MIQ", "48570389", "11597389") + "\r\n\r\n");

    // Deleting the airport takes its legs off the screen too; a new fix has nowhere to go.
    editor.session.prompts.answerMessage(PromptAnswer::Ok);
    editor.command("mnuAirport", "mnuDelSelectedAirport");
    QVERIFY(!editor.exists("sid/EDDM.txt") && !editor.exists("star/EDDM.txt"));
    QCOMPARE(editor.legs->topLevelItemCount(), 0);
    QCOMPARE(editor.label->text(), QString());
    editor.command("mnuLEG", "mnuNewFIX");
    QVERIFY(!OpenWindow<FixDialog>("frmFIX"));
    QCOMPARE(editor.lastPrompt().text,
             QString("Select a SID or STAR first: new legs are added to the procedure shown."));
}

void SelectionTest::renamedShownProcedureKeepsItsLegs() {
    Eddm editor;
    ClickRow(editor.sids, 1);
    editor.command("mnuSID", "mnuEditSID");
    Fill(OpenWindow<ProcedureDialog>("frmProcModify"), {"BIBAG2S", "26L"});
    QCOMPARE(editor.legNames(), (QStringList{"BIBAG", "MIQ", "TULSI"}));
    QCOMPARE(editor.window->shownProcedure()->entry, std::string("BIBAG2S @ 26L"));
    editor.selectLeg(0);
    QTest::mouseClick(editor.down, Qt::LeftButton);
    QCOMPARE(editor.sid(), "\r\n" + kAnker + "P|BIBAG2S|26L| |0|0|\r\n" +
                               Leg("MIQ", "48570389", "11597389") +
                               Leg("BIBAG", "48100000", "11500000") +
                               Leg("TULSI", "48000000", "11700000") + "\r\n\r\n");
}

void SelectionTest::rightButtonKeepsTheSelection() {
    Eddm editor;
    ClickRow(editor.sids, 0);
    RightClick(editor.sids, RowCentre(editor.sids, 1));
    auto* menu = Child<QMenu>(editor.window, "mnuSID");
    QVERIFY(menu->isVisible());
    QCOMPARE(SelectedRow(editor.sids), 0);
    QCOMPARE(editor.legNames(), (QStringList{"NIRMU", "WLD", "MIQ"}));
    menu->close();

    editor.selectLeg(2);
    RightClick(editor.legs, RowCentre(editor.legs, 0));
    QCOMPARE(editor.legs->currentItem()->text(0), QString("MIQ"));
    Child<QMenu>(editor.window, "mnuLEG")->close();

    // No selection at all: the menu opens all the same, and the selection stays empty.
    ClickRow(editor.stars, 0);
    RightClick(editor.sids, RowCentre(editor.sids, 1));
    QVERIFY(menu->isVisible());
    QCOMPARE(SelectedRow(editor.sids), -1);
    menu->close();
}

QTEST_MAIN(SelectionTest)
#include "selection_test.moc"

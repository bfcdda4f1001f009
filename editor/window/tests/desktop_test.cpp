// What a desktop user expects of the editor's windows: the dialogs ready for typing, with Enter as
// OK and Escape as Cancel; the Delete key in the lists; a window that can be made larger; the map
// beside the editor and named after the procedure shown; no label over a frame line and no line
// cut.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QtTest>

#include "finder_session.h"
#include "fix_dialog.h"
#include "map_window.h"
#include "pbd_dialog.h"
#include "procedure_dialog.h"

using namespace vantrel;
using namespace vantrel::testing;

namespace {

// Types into whatever widget has the keyboard focus, as a user does.
void TypeIntoFocus(const QString& text) {
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClicks(focus, text);
}

void PressKey(Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, key);
}

QRect GlobalRect(const QWidget* widget) {
    return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT
  private slots:
    void dialogsTakeTypingEnterAndEscape();
    void deleteKeyRunsTheListsDeleteCommand();
    void listsGrowWithTheWindow();
    void finderTextsStandClearAndWhole();
    void mapIsBesideTheEditorAndNamedAfterTheProcedure();
};

void DesktopTest::dialogsTakeTypingEnterAndEscape() {
    Editor editor;
    editor.selectAirport("EGLL");

    // The procedure dialog: typing goes into the name, Tab leads to the runway, Enter is OK.
    editor.command("mnuSID", "mnuNewSID");
    auto* procedure = OpenWindow<ProcedureDialog>("frmProcModify");
    QVERIFY(QTest::qWaitForWindowActive(procedure));
    QCOMPARE(QApplication::focusWidget(), procedure->Text1);
    TypeIntoFocus("DVR1A");
    PressKey(Qt::Key_Tab);
    TypeIntoFocus("09L");
    PressKey(Qt::Key_Return);
    QVERIFY(!procedure->isVisible());
    QCOMPARE(Texts(editor.sids), (QStringList{"CPT3F @ 27L", "DVR1A @ 09L"}));

    // The fix dialog: Escape is Cancel, and nothing is written.
    ClickRow(editor.sids, 0);
    const std::string before = editor.file("sid/EGLL.txt");
    editor.command("mnuLEG", "mnuNewFIX");
    auto* fix = OpenWindow<FixDialog>("frmFIX");
    QVERIFY(QTest::qWaitForWindowActive(fix));
    QCOMPARE(QApplication::focusWidget(), fix->Text1);
    TypeIntoFocus("DVR");
    PressKey(Qt::Key_Escape);
    QVERIFY(!fix->isVisible());
    QVERIFY(editor.window->isEnabled());
    QCOMPARE(editor.file("sid/EGLL.txt"), before);

    // Modify FIX opens with the name selected, so typing replaces it.
    editor.selectLeg(0);
    editor.command("mnuLEG", "mnuEditLeg");
    fix = OpenWindow<FixDialog>("frmFIX");
    QVERIFY(QTest::qWaitForWindowActive(fix));
    QCOMPARE(QApplication::focusWidget(), fix->Text1);
    TypeIntoFocus("CPT2");
    PressKey(Qt::Key_Return);
    QCOMPARE(Legs(editor.legs), (QList<QStringList>{{"CPT2", "51487000", "-1219000"}}));

    // The calculator: its first field that takes typing is the track.
    editor.command("mnuLEG", "mnuPBDWP");
    auto* pbd = OpenWindow<PbdDialog>("frmPBD");
    QVERIFY(QTest::qWaitForWindowActive(pbd));
    QCOMPARE(QApplication::focusWidget(), pbd->Text2);
    PressKey(Qt::Key_Escape);
    QVERIFY(!pbd->isVisible());
    QVERIFY(editor.window->isEnabled());
}

void DesktopTest::deleteKeyRunsTheListsDeleteCommand() {
    Editor editor;
    editor.selectAirport("LHBP");
    ClickRow(editor.sids, 1);
    editor.selectLeg(1);

    // The legs list: the confirmation names the leg; Cancel keeps it.
    QTest::keyClick(editor.legs, Qt::Key_Delete);
    QCOMPARE(editor.lastPrompt().text, QString("Are you sure you want to delete GITAS?"));
    QCOMPARE(editor.legs->topLevelItemCount(), 2);
    editor.session.prompts.answerMessage(PromptAnswer::Ok);
    QTest::keyClick(editor.legs, Qt::Key_Delete);
    QCOMPARE(editor.legs->topLevelItemCount(), 1);
    QVERIFY(editor.file("sid/LHBP.txt").find("GITAS") == std::string::npos);

    // The key acts in the list that has the keyboard focus, here after a click into it.
    ClickRow(editor.sids, 1);
    editor.session.prompts.answerMessage(PromptAnswer::Ok);
    QTest::keyClick(editor.sids, Qt::Key_Delete);
    QCOMPARE(editor.lastPrompt().text, QString("Are you sure you want to delete BADOV1D @ 13R?"));
    QCOMPARE(editor.sids->count(), 1);

    ClickRow(editor.stars, 0);
    QTest::keyClick(editor.stars, Qt::Key_Delete);
    QCOMPARE(editor.lastPrompt().text, QString("Are you sure you want to delete ABETI1N @ 31L?"));
    QCOMPARE(editor.stars->count(), 1);

    ClickRow(editor.airports, 1);
    editor.session.prompts.answerMessage(PromptAnswer::Ok);
    QTest::keyClick(editor.airports, Qt::Key_Delete);
    QCOMPARE(editor.lastPrompt().text, QString("Are you sure you want to delete LHBP?"));
    QVERIFY(!editor.exists("sid/LHBP.txt") && !editor.exists("star/LHBP.txt"));
    QCOMPARE(Texts(editor.airports), (QStringList{"EGLL", "LFPG"}));
}

void DesktopTest::listsGrowWithTheWindow() {
    Editor editor;
    const QSize smallest = editor.window->size();
    QCOMPARE(editor.window->minimumSize(), smallest);
    QWidget* grown[] = {editor.airports, editor.sids, editor.stars, editor.legs,
                        Child<QWidget>(editor.window, "List4")};
    QList<QSize> before;
    for (QWidget* widget : grown) {
        before << widget->size();
    }
    editor.window->resize(smallest + QSize(400, 300));
    for (int i = 0; i < before.size(); ++i) {
        QVERIFY2(grown[i]->width() > before[i].width(), qPrintable(grown[i]->objectName()));
        QVERIFY2(grown[i]->height() > before[i].height(), qPrintable(grown[i]->objectName()));
    }
    // Everything stays in the window, the move buttons beside the legs, and no two lists meet.
    const QRect client = editor.window->rect();
    auto* up = Child<QPushButton>(editor.window, "Command3");
    QVERIFY(client.contains(up->geometry()));
    QVERIFY(up->x() > editor.legs->geometry().right());
    QVERIFY(client.contains(Child<QWidget>(editor.window, "Frame2")->geometry()));
    for (int i = 0; i + 1 < 4; ++i) {
        QVERIFY(!grown[i]->geometry().intersects(grown[i + 1]->geometry()));
    }

    // It cannot be made smaller than the layout, which comes back as it was.
    editor.window->resize(smallest);
    for (int i = 0; i < before.size(); ++i) {
        QCOMPARE(grown[i]->size(), before[i]);
    }
}

void DesktopTest::finderTextsStandClearAndWhole() {
    Finder finder;
    auto* frame = Child<QGroupBox>(finder.window, "Frame2");
    for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QVERIFY2(frame->contentsRect().contains(child->geometry()),
                 qPrintable(child->objectName()));
    }
    // The cache note stands clear of the lines below it.
    const QRect note = Child<QLabel>(finder.window, "Label1")->geometry();
    QVERIFY(!note.intersects(Child<QLabel>(finder.window, "Label11")->geometry()));
    QVERIFY(!note.intersects(Child<QWidget>(finder.window, "Command2")->geometry()));

    // The history's drop-down list shows its longest line whole.
    finder.search("BKS");
    finder.doubleClick(0);
    const QString line = finder.box->itemText(0);
    QAbstractItemView* dropDown = finder.box->view();
    QVERIFY(dropDown->minimumWidth() >= dropDown->fontMetrics().horizontalAdvance(line));
}

void DesktopTest::mapIsBesideTheEditorAndNamedAfterTheProcedure() {
    Editor editor;
    editor.selectAirport("LHBP");
    ClickRow(editor.sids, 1);
    editor.command("mnuLEG", "mnuShowMap");
    auto* map = OpenWindow<MapWindow>("frmMap");
    QVERIFY(map);
    QCOMPARE(map->windowTitle(), QString("VANTREL - Map - SID: LHBP  BADOV1D @ 13R"));
    // The screen here has no room beside the editor: the map still leaves the move buttons free.
    const QRect screen = editor.window->screen()->availableGeometry();
    QVERIFY(editor.window->frameGeometry().width() + map->frameGeometry().width() > screen.width());
    for (const char* button : {"Command3", "Command4"}) {
        QVERIFY2(
            !map->frameGeometry().intersects(GlobalRect(Child<QWidget>(editor.window, button))),
            button);
    }
    QVERIFY(screen.contains(map->frameGeometry()));

    ClickRow(editor.stars, 0);
    QCOMPARE(map->windowTitle(), QString("VANTREL - Map - STAR: LHBP  ABETI1N @ 31L"));
}

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"

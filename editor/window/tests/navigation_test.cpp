// The launcher and the editor window's navigation, driven through the real widgets.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "editor_session.h"

using namespace vantrel;
using namespace vantrel::testing;

class NavigationTest : public QObject {
    Q_OBJECT
  private slots:
    void launcherOpensTheEditorWithTheCatalogue();
    void selectingProceduresShowsTheirLegs();
    void equalEntriesReachTheirOwnBlocks();
    void quickSearchSelectsTheFirstMatchingAirport();
    void popupMenusHoldTheirItemsInOrder();
    void rightClickWithoutSelectionOpensTheMenu();
    void closingShowsTheLauncherAndReopeningRebuildsTheList();
    void converterHidesTheLauncherWhileOpen();
};

void NavigationTest::launcherOpensTheEditorWithTheCatalogue() {
    Session session;
    LauncherWindow& launcher = *session.launcher;
    QCOMPARE(launcher.windowTitle(), QString("VANTREL"));
    QCOMPARE(launcher.minimumSize(), launcher.maximumSize());
    QCOMPARE(Child<QPushButton>(&launcher, "Command1")->text(),
             QString("Create Terminal Procedures for vasFMC"));
    QCOMPARE(Child<QPushButton>(&launcher, "Command2")->text(),
             QString("Convert FSNavigator SIDs/STARs to vasFMC"));

    EditorWindow* editor = session.open();
    QVERIFY(editor);
    QVERIFY(editor->isVisible());
    QVERIFY(!launcher.isVisible());
    QCOMPARE(editor->windowTitle(), QString("VANTREL"));
    QCOMPARE(editor->size(), QSize(665, 453));
    QCOMPARE(Texts(Child<QListWidget>(editor, "List1")), (QStringList{"EGLL", "LHBP", "LFPG"}));
    QCOMPARE(SelectedRow(Child<QListWidget>(editor, "List1")), -1);
    QCOMPARE(Child<QListWidget>(editor, "List2")->count(), 0);
    QCOMPARE(Child<QListWidget>(editor, "List3")->count(), 0);
    QCOMPARE(Child<QTreeWidget>(editor, "ListView1")->topLevelItemCount(), 0);
    QCOMPARE(Child<QLabel>(editor, "Label7")->text(), QString());
    QCOMPARE(Child<QGroupBox>(editor, "Frame2")->title(), QString("WAYPOINT FINDER"));
    QVERIFY(!editor->findChild<QWidget*>("frmLoad"));

    QCOMPARE(session.prompts.shown().size(), size_t(1));
    const ShownPrompt& warning = session.prompts.shown()[0];
    QCOMPARE(warning.text,
             QString("All changes IMMIDIATELY take effect and they are ONLY undo by manual edit!"));
    QCOMPARE(warning.title, QString("ATTENTION!"));
    QCOMPARE(warning.buttons, PromptButtons::Ok);
    QCOMPARE(warning.icon, PromptIcon::Exclamation);
}

void NavigationTest::selectingProceduresShowsTheirLegs() {
    Editor editor;
    auto* label = Child<QLabel>(editor.window, "Label7");
    QCOMPARE(editor.legs->headerItem()->text(2), QString("Longtitude"));

    ClickRow(editor.airports, 1);
    QCOMPARE(Texts(editor.sids), (QStringList{"BADOV1D @ 13R", "BADOV1D @ 13R"}));
    QCOMPARE(Texts(editor.stars), (QStringList{"ABETI1N @ 31L"}));

    ClickRow(editor.sids, 0);
    QCOMPARE(label->text(), QString("SID: LHBP"));
    QCOMPARE(Legs(editor.legs), (QList<QStringList>{{"BADOV", "47100000", "19500000"}}));

    ClickRow(editor.stars, 0);
    QCOMPARE(SelectedRow(editor.sids), -1);
    QCOMPARE(SelectedRow(editor.stars), 0);
    QCOMPARE(label->text(), QString("STAR: LHBP"));
    QCOMPARE(Legs(editor.legs), (QList<QStringList>{{"ABETI", "47900000", "18900000"}}));

    // Back to the SID it was: the STAR list loses its selection in turn.
    ClickRow(editor.sids, 0);
    QCOMPARE(SelectedRow(editor.stars), -1);
    QCOMPARE(label->text(), QString("SID: LHBP"));

    // Another airport: new procedure lists, nothing selected, the editor.legs shown stay.
    ClickRow(editor.airports, 0);
    QCOMPARE(Texts(editor.sids), (QStringList{"CPT3F @ 27L"}));
    QCOMPARE(editor.stars->count(), 0);
    QCOMPARE(SelectedRow(editor.sids), -1);
    QCOMPARE(label->text(), QString("SID: LHBP"));
    QCOMPARE(Legs(editor.legs), (QList<QStringList>{{"BADOV", "47100000", "19500000"}}));
}

void NavigationTest::equalEntriesReachTheirOwnBlocks() {
    Editor editor;
    ClickRow(editor.airports, 1);
    ClickRow(editor.sids, 1);
    QCOMPARE(Legs(editor.legs), (QList<QStringList>{{"TORNO", "47539776", "18292444"},
                                                    {"GITAS", "47200000", "19700000"}}));
}

void NavigationTest::quickSearchSelectsTheFirstMatchingAirport() {
    Session session;
    // Codes that differ by case only are two airports where file names are told apart by case;
    // Windows' file systems hold one file for both.
#ifdef _WIN32
    const QStringList codes{"EGLL", "LHBP", "LFPG"};
#else
    session.folder.write("sid/egll.txt", "\r\n");
    const QStringList codes{"EGLL", "egll", "LHBP", "LFPG"};
#endif
    EditorWindow* editor = session.open();
    auto* airports = Child<QListWidget>(editor, "List1");
    auto* search = Child<QLineEdit>(editor, "Text2");
    QCOMPARE(Texts(airports), codes);

    QTest::keyClicks(search, "pg");
    QCOMPARE(SelectedRow(airports), codes.indexOf("LFPG"));
    QCOMPARE(Texts(Child<QListWidget>(editor, "List3")), (QStringList{"LORNI2W @ 27R"}));

    // Typing over the whole text, as after Ctrl+A.
    QTest::keyClick(search, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(search, "hb");
    QCOMPARE(SelectedRow(airports), codes.indexOf("LHBP"));
    QCOMPARE(Child<QListWidget>(editor, "List2")->count(), 2);

    // Nothing contains XYZ: the selection stays.
    QTest::keyClick(search, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(search, "xyz");
    QCOMPARE(SelectedRow(airports), codes.indexOf("LHBP"));

    QTest::keyClick(search, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(search, Qt::Key_Backspace);
    QCOMPARE(SelectedRow(airports), 0);

    // The typed text is searched in upper case: the lower-case entry is not reached by its name.
    QTest::keyClicks(search, "egll");
    QCOMPARE(SelectedRow(airports), 0);
}

void NavigationTest::popupMenusHoldTheirItemsInOrder() {
    Session session;
    EditorWindow* editor = session.open();
    const struct {
        const char* menu;
        const char* title;
        QList<QPair<QString, QString>> items;
    } menus[] = {
        {"mnuAirport",
         "MenuAirport",
         {{"mnuNewAirport", "Add NEW Airport"},
          {"mnuDelSelectedAirport", "Delete Selected"},
          {"mnuApFix", "Fix Selected"}}},
        {"mnuSID",
         "MenuSID",
         {{"mnuEditSID", "Edit Selected"},
          {"mnuNewSID", "Add New SID"},
          {"mnuDelSID", "Delete Selected"}}},
        {"mnuSTAR",
         "MenuSTAR",
         {{"mnuEditSTAR", "Edit Selected"},
          {"mnuNewSTAR", "Add New STAR"},
          {"mnuDelSTAR", "Delete Selected"}}},
        {"mnuLEG",
         "MenuLEG",
         {{"mnuEditLeg", "Edit Selected"},
          {"mnuNewFIX", "Add New FIX"},
          {"mnuDelLEG", "Delete Selected"},
          {"mnuPBDWP", "Place/Bearing/Distance WP from here"},
          {"mnuShowMap", "Show Map"}}},
        {"mnuFinder", "MenuFinder", {{"mnuPBD", "Place/Bearing/Distance WP from here"}}},
    };
    for (const auto& expected : menus) {
        auto* menu = Child<QMenu>(editor, expected.menu);
        QCOMPARE(menu->title(), QString(expected.title));
        QList<QPair<QString, QString>> items;
        for (QAction* action : menu->actions()) {
            items.append({action->objectName(), action->text()});
        }
        QCOMPARE(items, expected.items);
    }
}

void NavigationTest::rightClickWithoutSelectionOpensTheMenu() {
    Session session;
    EditorWindow* editor = session.open();
    const struct {
        const char* list;
        const char* menu;
    } pairs[] = {{"List1", "mnuAirport"},
                 {"List2", "mnuSID"},
                 {"List3", "mnuSTAR"},
                 {"ListView1", "mnuLEG"},
                 {"List4", "mnuFinder"}};
    for (const auto& pair : pairs) {
        auto* view = Child<QAbstractItemView>(editor, pair.list);
        auto* menu = Child<QMenu>(editor, pair.menu);
        // On List1 the point is on its first row, which stays unselected.
        RightClick(view, QPoint(10, 10));
        QVERIFY2(menu->isVisible(), pair.menu);
        QVERIFY(view->selectionModel()->selectedIndexes().isEmpty());
        menu->close();
    }
}

void NavigationTest::closingShowsTheLauncherAndReopeningRebuildsTheList() {
    Session session;
    EditorWindow* editor = session.open();
    editor->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!session.launcher->editor());
    QVERIFY(session.launcher->isVisible());

    session.folder.write("star/KJFK.txt", "\r\n");
    editor = session.open();
    QCOMPARE(Texts(Child<QListWidget>(editor, "List1")),
             (QStringList{"EGLL", "LHBP", "KJFK", "LFPG"}));
    QCOMPARE(session.prompts.shown().size(), size_t(2));
}

void NavigationTest::converterHidesTheLauncherWhileOpen() {
    Session session;
    ClickButton(session.launcher.get(), "Command2");
    QVERIFY(!session.launcher->isVisible());
    QWidget* window = session.launcher->converter();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), QString("VANTREL"));
    window->close();
    QVERIFY(session.launcher->isVisible());
}

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"

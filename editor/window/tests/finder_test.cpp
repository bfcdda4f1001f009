// The waypoint finder pane driven through the real widgets: typing and searching, the messages,
// adding found waypoints as legs with the file compared byte for byte, the insertion history and
// emptying the cache.
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "edit_messages.h"
#include "finder_session.h"

using namespace vantrel;
using namespace vantrel::testing;

namespace {

const char* const kAbeti = "ABETI|46720000|18880000|LH   -   [INTERSECTION]";
const char* const kBks = "BKS|46672222|21160000|BEKESCSABA - LH   -   [VOR]";
const std::string kCptHeader = "\r\nP|CPT3F|27L| |0|0|\r\n" + Leg("CPT", "51487000", "-1219000");

}  // namespace

class FinderTest : public QObject {
    Q_OBJECT
  private slots:
    void paneShowsItsTexts();
    void typingIsUpperCasedAndEnterSearches();
    void searchErrorsKeepTheLinesFoundAndReturnToIdle();
    void doubleClickAddsALegAndWritesIt();
    void historyKeepsTheTenNewestInsertions();
    void choosingAHistoryEntryAddsItAgain();
    void linesThatCannotBeLegsAreRefused();
    void emptyCacheAsksFirst();
};

void FinderTest::paneShowsItsTexts() {
    Finder finder(false);
    const struct {
        const char* name;
        const char* text;
    } labels[] = {
        {"Label8", "Enter the name of a WP and press enter:"},
        {"Label11", "Format:   ID | Latitude | Longtitude | Name and/or Country | Facility type"},
        {"Label1",
         "The search engine uses a cache file for faster searching because the NAVAID database is "
         "very large. If you update the database you have to empty the cache file to make the "
         "search function up to date."},
        {"Label10", "Double click on a waypoint to add to the LEGs list."},
        {"Label6", "SEARCHING..."},
    };
    for (const auto& label : labels) {
        QCOMPARE(Child<QLabel>(finder.window, label.name)->text(), QString(label.text));
    }
    QCOMPARE(Child<QGroupBox>(finder.window, "Frame2")->title(), QString("WAYPOINT FINDER"));
    QCOMPARE(Child<QPushButton>(finder.window, "Command1")->text(), QString("Search"));
    QCOMPARE(Child<QPushButton>(finder.window, "Command2")->text(), QString("Empty Cache"));
    QVERIFY(!finder.notice->isVisible());
    QCOMPARE(Child<QLabel>(finder.window, "Label6")->parentWidget(), finder.notice);
}

void FinderTest::typingIsUpperCasedAndEnterSearches() {
    Finder finder;
    QTest::keyClicks(finder.box->lineEdit(), "kov");
    QCOMPARE(finder.box->currentText(), QString("KOV"));
    // Typed in the middle, the text is upper-cased and the caret goes to the end.
    finder.box->lineEdit()->setCursorPosition(0);
    QTest::keyClicks(finder.box->lineEdit(), "x");
    QCOMPARE(finder.box->currentText(), QString("XKOV"));
    QCOMPARE(finder.box->lineEdit()->cursorPosition(), 4);

    // While the search runs the notice is shown and the window takes no input, but it still
    // processes its events.
    bool seenSearching = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        seenSearching =
            seenSearching || (finder.notice->isVisible() && !finder.window->isEnabled());
    });
    watch.start(0);
    finder.search("kovek");
    watch.stop();
    QVERIFY(seenSearching);
    QCOMPARE(Texts(finder.results),
             QStringList{"KOVEK|47000000|19000000|KOVEK NDB - LH   -   [NDB]"});
    QVERIFY(!finder.notice->isVisible());
    QVERIFY(finder.window->isEnabled());
    QVERIFY(finder.session.prompts.shown().empty());
    QVERIFY(finder.history().isEmpty());

    // The button searches too; a search that finds nothing leaves the list empty, silently.
    QTest::mouseClick(Child<QPushButton>(finder.window, "Command1"), Qt::LeftButton);
    QCOMPARE(finder.results->count(), 1);
    finder.search("nothing");
    QCOMPARE(finder.results->count(), 0);
    QVERIFY(finder.session.prompts.shown().empty());
}

void FinderTest::searchErrorsKeepTheLinesFoundAndReturnToIdle() {
    Finder finder;
    std::filesystem::remove(finder.session.folder.path() / "navaids.txt");
    finder.search("abeti");
    QCOMPARE(Texts(finder.results), QStringList{kAbeti});
    const ShownPrompt& error = finder.lastPrompt();
    QCOMPARE(error.text, QString("Error with opening or reading information from NAVAIDS.TXT"));
    QCOMPARE(error.title, QString("Error!"));
    QCOMPARE(error.icon, PromptIcon::Exclamation);
    QCOMPARE(error.buttons, PromptButtons::Ok);
    QVERIFY(!finder.notice->isVisible());
    QVERIFY(finder.window->isEnabled());
    // The failed search cached nothing: with the navaids back, the next search scans again.
    QVERIFY(!finder.exists("cache.dat"));

    std::filesystem::remove(finder.session.folder.path() / "waypoints.txt");
    finder.search("ABETI");
    QCOMPARE(finder.results->count(), 0);
    QCOMPARE(finder.lastPrompt().text,
             QString("Error with opening or reading information from WAYPOINTS.TXT"));
    QVERIFY(finder.window->isEnabled());
}

void FinderTest::doubleClickAddsALegAndWritesIt() {
    Finder finder;
    finder.search("ABETI");
    finder.doubleClick(0);
    QCOMPARE(Legs(finder.legs).last(), (QStringList{"ABETI", "46720000", "18880000"}));
    QCOMPARE(finder.sid(), kCptHeader + Leg("ABETI", "46720000", "18880000") + "\r\n\r\n");
    QCOMPARE(finder.history(), QStringList{kAbeti});
    // The search box keeps what was typed.
    QCOMPARE(finder.box->currentText(), QString("ABETI"));
    QVERIFY(finder.session.prompts.shown().empty());
}

void FinderTest::historyKeepsTheTenNewestInsertions() {
    Finder finder;
    finder.search("ABETI");
    for (int i = 0; i < 5; ++i) {
        finder.doubleClick(0);
    }
    finder.search("BKS");
    for (int i = 0; i < 6; ++i) {
        finder.doubleClick(0);
    }
    QStringList expected;
    for (int i = 0; i < 6; ++i) {
        expected << kBks;
    }
    for (int i = 0; i < 4; ++i) {
        expected << kAbeti;
    }
    QCOMPARE(finder.history(), expected);
    QCOMPARE(finder.legs->topLevelItemCount(), 12);
    QCOMPARE(finder.box->currentText(), QString("BKS"));
}

void FinderTest::choosingAHistoryEntryAddsItAgain() {
    Finder finder;
    finder.search("ABETI");
    finder.doubleClick(0);
    finder.search("BKS");
    finder.doubleClick(0);
    const std::string written =
        kCptHeader + Leg("ABETI", "46720000", "18880000") + Leg("BKS", "46672222", "21160000");
    QCOMPARE(finder.sid(), written + "\r\n\r\n");

    // Arrow keys and the wheel over the closed box add nothing.
    finder.box->setFocus();
    QTest::keyClick(finder.box->lineEdit(), Qt::Key_Down);
    QTest::keyClick(finder.box->lineEdit(), Qt::Key_Up);
    QWheelEvent wheel(QPointF(5, 5), finder.box->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                      Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(finder.box, &wheel);
    QCOMPARE(finder.sid(), written + "\r\n\r\n");

    // Chosen in the open list: the older entry goes in again, and the box is emptied.
    finder.box->showPopup();
    QAbstractItemView* list = finder.box->view();
    QTRY_VERIFY(list->isVisible());
    list->setCurrentIndex(list->model()->index(1, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(finder.sid(), written + Leg("ABETI", "46720000", "18880000") + "\r\n\r\n");
    QCOMPARE(finder.box->currentText(), QString());
    QCOMPARE(finder.history(), (QStringList{kBks, kAbeti}));
}

void FinderTest::linesThatCannotBeLegsAreRefused() {
    // No procedure shown: nothing to add the leg to.
    Finder none(false);
    none.search("ABETI");
    none.doubleClick(0);
    QCOMPARE(none.legs->topLevelItemCount(), 0);
    QCOMPARE(none.lastPrompt().text, NoProcedureShownText());
    QVERIFY(none.history().isEmpty());

    // A line with fewer than three fields.
    Finder finder;
    finder.search("SHORT");
    QCOMPARE(Texts(finder.results), QStringList{"SHORT|47100000   -   [INTERSECTION]"});
    finder.doubleClick(0);
    QVERIFY(finder.lastPrompt().text.contains("no latitude and longitude"));
    QCOMPARE(finder.legs->topLevelItemCount(), 1);
    QCOMPARE(finder.sid(), kCptHeader + "\r\n\r\n");
    QVERIFY(finder.history().isEmpty());
}

void FinderTest::emptyCacheAsksFirst() {
    Finder finder;
    finder.search("KOVEK");
    QVERIFY(finder.exists("cache.dat"));
    auto* empty = Child<QPushButton>(finder.window, "Command2");

    finder.session.prompts.answerMessage(PromptAnswer::Cancel);
    QTest::mouseClick(empty, Qt::LeftButton);
    const ShownPrompt& question = finder.lastPrompt();
    QCOMPARE(question.text, QString("Are you sure you want to delete the cache file?"));
    QCOMPARE(question.title, QString("Confirm"));
    QCOMPARE(question.buttons, PromptButtons::OkCancel);
    QVERIFY(finder.exists("cache.dat"));

    finder.session.prompts.answerMessage(PromptAnswer::Ok);
    QTest::mouseClick(empty, Qt::LeftButton);
    QVERIFY(!finder.exists("cache.dat"));
    QCOMPARE(finder.session.prompts.shown().size(), std::size_t{2});
    QCOMPARE(finder.results->count(), 1);
}

QTEST_MAIN(FinderTest)
#include "finder_test.moc"

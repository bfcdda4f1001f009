// Files the editor cannot read, write or delete, made so even for the superuser: a folder where a
// file should be, a file where a folder should be. Every command names the file in a message,
// leaves the files as they were and keeps its lists showing what the files hold.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "dialog_fill.h"
#include "editor_session.h"
#include "finder_session.h"
#include "fix_dialog.h"
#include "procedure_dialog.h"
#include "procedure_file.h"

using namespace vantrel;
using namespace vantrel::testing;

namespace {

// Puts a folder, with something in it, where the file or folder at `relative` was.
void FolderInPlace(const Session& session, const char* relative) {
    const std::filesystem::path path = session.folder.path() / relative;
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path / "inside");
}

}  // namespace

class FileProblemsTest : public QObject {
    Q_OBJECT
  private slots:
    void aFolderThatCannotBeListedIsNamedAtLoad();
    void unreadableProcedureFilesAreNamed();
    void changesThatCannotBeWrittenLeaveFileAndListsAsTheyWere();
    void aProcedureFileInAFolderThatIsAFileIsNamed();
    void anAirportWhoseFilesCannotBeDeletedStays();
    void fixSelectedNamesTheFileItCannotRepair();
    void finderNamesTheCacheItCannotWriteOrDelete();
    void aFileWithALineFeedAloneIsNotChangedAndFixSelectedIsNamed();
    void aReadOnlyFileIsNeitherChangedNorDeleted();
};

void FileProblemsTest::aFolderThatCannotBeListedIsNamedAtLoad() {
    Session session;
    std::filesystem::remove_all(session.folder.path() / "sid");
    session.folder.write("sid", "a file where the folder should be");
    EditorWindow* window = session.open();
    const auto& shown = session.prompts.shown();
    QCOMPARE(shown.size(), std::size_t(2));
    QCOMPARE(shown[0].text,
             QString("The folder sid cannot be read; the airports of its files are not listed."));
    QCOMPARE(shown[0].title, QString("Not read"));
    QCOMPARE(shown[0].icon, PromptIcon::Exclamation);
    QCOMPARE(shown[1].title, QString("ATTENTION!"));
    QCOMPARE(Texts(Child<QListWidget>(window, "List1")), (QStringList{"EGLL", "LFPG", "LHBP"}));
}

void FileProblemsTest::unreadableProcedureFilesAreNamed() {
    Editor editor;
    editor.selectAirport("LHBP");
    ClickRow(editor.stars, 0);
    QCOMPARE(Legs(editor.legs).size(), 1);

    // The legs of a listed procedure whose file has become unreadable: nothing is shown that a
    // leg command could write back in place of the file's legs.
    FolderInPlace(editor.session, "sid/LHBP.txt");
    ClickRow(editor.sids, 0);
    QCOMPARE(editor.lastPrompt().text, QString("The file sid/LHBP.txt cannot be read; the legs "
                                               "of BADOV1D @ 13R are not shown."));
    QCOMPARE(editor.lastPrompt().title, QString("Not read"));
    QVERIFY(Legs(editor.legs).isEmpty());
    QVERIFY(Child<QLabel>(editor.window, "Label7")->text().isEmpty());
    editor.command("mnuLEG", "mnuNewFIX");
    QVERIFY(!OpenWindow<FixDialog>("frmFIX"));
    QVERIFY(editor.lastPrompt().text.startsWith("Select a SID or STAR first"));

    // Selecting the airport again: its SIDs cannot be listed, its STARs can.
    editor.selectAirport("EGLL");
    editor.selectAirport("LHBP");
    QCOMPARE(editor.lastPrompt().text, QString("The file sid/LHBP.txt cannot be read; the "
                                               "procedures in it are not listed."));
    QVERIFY(Texts(editor.sids).isEmpty());
    QCOMPARE(Texts(editor.stars), QStringList{"ABETI1N @ 31L"});
    QVERIFY(std::filesystem::is_directory(editor.session.folder.path() / "sid/LHBP.txt/inside"));
}

void FileProblemsTest::changesThatCannotBeWrittenLeaveFileAndListsAsTheyWere() {
    const QString inTheWay =
        "The change was not written.\r\nThe new content is written to sid/LHBP.tmp first, and a "
        "folder of that name is in the way. sid/LHBP.txt keeps its former content.";
    struct Case {
        const char* what;
        std::function<void(Editor&)> command;
    };
    const Case cases[] = {
        {"move a leg",
         [](Editor& e) {
             QTest::mouseClick(Child<QPushButton>(e.window, "Command4"), Qt::LeftButton);
         }},
        {"delete a leg",
         [](Editor& e) {
             e.session.prompts.answerMessage(PromptAnswer::Ok);
             e.command("mnuLEG", "mnuDelLEG");
         }},
        {"add a fix",
         [](Editor& e) {
             e.command("mnuLEG", "mnuNewFIX");
             Fill(OpenWindow<FixDialog>("frmFIX"), {"NEW", "1", "2"});
         }},
        {"modify a fix",
         [](Editor& e) {
             e.command("mnuLEG", "mnuEditLeg");
             Fill(OpenWindow<FixDialog>("frmFIX"), {"NEW", "1", "2"});
         }},
        {"add a SID",
         [](Editor& e) {
             e.command("mnuSID", "mnuNewSID");
             Fill(OpenWindow<ProcedureDialog>("frmProcModify"), {"NEW1A", "09"});
         }},
        {"modify a SID",
         [](Editor& e) {
             e.command("mnuSID", "mnuEditSID");
             Fill(OpenWindow<ProcedureDialog>("frmProcModify"), {"NEW1A", "09"});
         }},
        {"delete a SID",
         [](Editor& e) {
             e.session.prompts.answerMessage(PromptAnswer::Ok);
             e.command("mnuSID", "mnuDelSID");
         }},
    };
    for (const Case& c : cases) {
        Editor editor;
        editor.selectAirport("LHBP");
        ClickRow(editor.sids, 1);
        editor.selectLeg(0);
        FolderInPlace(editor.session, "sid/LHBP.tmp");
        const std::string file = editor.file("sid/LHBP.txt");
        const QStringList sids = Texts(editor.sids);
        const QList<QStringList> legs = Legs(editor.legs);

        c.command(editor);
        QVERIFY2(!editor.session.prompts.shown().empty(), c.what);
        QVERIFY2(editor.lastPrompt().text == inTheWay, c.what);
        QCOMPARE(editor.lastPrompt().title, QString("Not written"));
        QVERIFY2(editor.file("sid/LHBP.txt") == file, c.what);
        QVERIFY2(std::filesystem::is_directory(editor.session.folder.path() / "sid/LHBP.tmp"),
                 c.what);
        QVERIFY2(Texts(editor.sids) == sids, c.what);
        QCOMPARE(editor.sids->currentRow(), 1);
        QVERIFY2(Legs(editor.legs) == legs, c.what);
        QCOMPARE(editor.legs->indexOfTopLevelItem(editor.legs->currentItem()), 0);
        QVERIFY2(editor.window->isEnabled(), c.what);
        QVERIFY(!OpenWindow<QWidget>("frmFIX") && !OpenWindow<QWidget>("frmProcModify"));
    }

    // A folder in the place of the airport's file.
    Editor editor;
    editor.selectAirport("EGLL");
    ClickRow(editor.sids, 0);
    FolderInPlace(editor.session, "sid/EGLL.txt");
    editor.command("mnuLEG", "mnuNewFIX");
    Fill(OpenWindow<FixDialog>("frmFIX"), {"NEW", "1", "2"});
    QCOMPARE(editor.lastPrompt().text, QString("The change was not written.\r\nsid/EGLL.txt is a "
                                               "folder, not a procedure file."));
    QCOMPARE(Legs(editor.legs), (QList<QStringList>{{"CPT", "51487000", "-1219000"}}));
    QVERIFY(std::filesystem::is_directory(editor.session.folder.path() / "sid/EGLL.txt/inside"));
}

void FileProblemsTest::aProcedureFileInAFolderThatIsAFileIsNamed() {
    Editor editor;
    editor.session.prompts.answerInput("LKPR");
    editor.command("mnuAirport", "mnuNewAirport");
    std::filesystem::remove_all(editor.session.folder.path() / "star");
    editor.session.folder.write("star", "a file where the folder should be");
    editor.command("mnuSTAR", "mnuNewSTAR");
    Fill(OpenWindow<ProcedureDialog>("frmProcModify"), {"NEW1A", "09"});
    QCOMPARE(editor.lastPrompt().text,
             QString("The change was not written.\r\nstar is a file, not a folder, so "
                     "star/LKPR.txt cannot be in it."));
    QVERIFY(Texts(editor.stars).isEmpty());
    QCOMPARE(editor.file("star"), std::string("a file where the folder should be"));
}

void FileProblemsTest::anAirportWhoseFilesCannotBeDeletedStays() {
    Editor editor;
    FolderInPlace(editor.session, "sid/LHBP.txt");
    editor.selectAirport("LHBP");
    const std::string starBytes = editor.file("star/LHBP.txt");
    const QStringList stars = Texts(editor.stars);
    QVERIFY(!stars.isEmpty());
    editor.session.prompts.clearShown();
    editor.session.prompts.answerMessage(PromptAnswer::Ok);
    editor.command("mnuAirport", "mnuDelSelectedAirport");
    const ShownPrompt& notDeleted = editor.session.prompts.shown().at(1);
    QCOMPARE(notDeleted.text, QString("The airport LHBP was not deleted:\r\nsid/LHBP.txt could "
                                      "not be deleted: a folder stands at its place.\r\nIts files "
                                      "are as they were."));
    QCOMPARE(notDeleted.title, QString("Not deleted"));
    QVERIFY(std::filesystem::is_directory(editor.session.folder.path() / "sid/LHBP.txt/inside"));
    // All or nothing: the STAR file, which could have been deleted, is kept too.
    QCOMPARE(editor.file("star/LHBP.txt"), starBytes);
    QCOMPARE(editor.airports->currentItem()->text(), QString("LHBP"));
    QCOMPARE(Texts(editor.stars), stars);
}

void FileProblemsTest::fixSelectedNamesTheFileItCannotRepair() {
    Editor editor;
    editor.session.folder.write("sid/LHBP.txt", "P|A|1| |0|0|\n");
    FolderInPlace(editor.session, "sid/LHBP.txt2");
    editor.selectAirport("LHBP");
    editor.session.prompts.answerMessage(PromptAnswer::Yes);
    editor.command("mnuAirport", "mnuApFix");
    const ShownPrompt& report = editor.session.prompts.shown().at(1);
    QCOMPARE(report.text,
             QString("Fixing report:\r\n\r\nThere are SIDs for this airport but the file "
                     "sid/LHBP.txt could not be modified; it keeps its former content.\r\nThere "
                     "are STARs for this airport but the file is correct."));
    QCOMPARE(editor.file("sid/LHBP.txt"), std::string("P|A|1| |0|0|\n"));
    QVERIFY(std::filesystem::is_directory(editor.session.folder.path() / "sid/LHBP.txt2/inside"));
}

void FileProblemsTest::finderNamesTheCacheItCannotWriteOrDelete() {
    Finder finder;
    FolderInPlace(finder.session, "cache.dat");
    const std::string sid = finder.sid();
    finder.search("KOVEK");
    QCOMPARE(finder.lastPrompt().text,
             QString("Error with opening or writing the search cache file CACHE.DAT"));
    QCOMPARE(finder.lastPrompt().title, QString("Error!"));
    QVERIFY(finder.notice->isHidden() && finder.window->isEnabled());

    finder.session.prompts.answerMessage(PromptAnswer::Ok);
    QTest::mouseClick(Child<QPushButton>(finder.window, "Command2"), Qt::LeftButton);
    QCOMPARE(finder.lastPrompt().text,
             QString("The search cache cache.dat could not be deleted; searches still read it."));
    QCOMPARE(finder.lastPrompt().title, QString("Not deleted"));
    QVERIFY(std::filesystem::is_directory(finder.session.folder.path() / "cache.dat/inside"));

    // A navigation file that is a folder is named by the search's own message.
    std::filesystem::remove_all(finder.session.folder.path() / "cache.dat");
    FolderInPlace(finder.session, "waypoints.txt");
    finder.search("KOVEK");
    QCOMPARE(finder.lastPrompt().text,
             QString("Error with opening or reading information from WAYPOINTS.TXT"));

    // A found waypoint that cannot be written into the procedure is not kept in the legs list
    // nor in the history.
    finder.session.folder.write("cache.dat", "ABETI|46720000|18880000|LH   -   [INTERSECTION]\r\n");
    finder.search("ABETI");
    QCOMPARE(finder.results->count(), 1);
    FolderInPlace(finder.session, "sid/EGLL.tmp");
    finder.doubleClick(0);
    QVERIFY(finder.lastPrompt().text.startsWith("The change was not written."));
    QCOMPARE(Legs(finder.legs), (QList<QStringList>{{"CPT", "51487000", "-1219000"}}));
    QVERIFY(finder.history().isEmpty());
    QCOMPARE(finder.sid(), sid);
}

void FileProblemsTest::aFileWithALineFeedAloneIsNotChangedAndFixSelectedIsNamed() {
    Editor editor;
    // The line of TORNO ends with a line feed alone: the editor reads it and GITAS's as one.
    const std::string before = "\r\nP|BADOV1D|13R| |0|0|\r\n" +
                               Leg("BADOV", "47100000", "19500000") +
                               "S|TORNO|47539776|18292444| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0\n" +
                               Leg("GITAS", "47200000", "19700000") + "\r\n\r\n";
    editor.session.folder.write("sid/LHBP.txt", before);
    editor.selectAirport("LHBP");
    editor.session.prompts.clearShown();
    ClickRow(editor.sids, 0);
    const QList<QStringList> shown = Legs(editor.legs);
    QCOMPARE(shown, (QList<QStringList>{{"BADOV", "47100000", "19500000"},
                                        {"TORNO", "47539776", "18292444"}}));

    // Moving BADOV down would have written the file back without GITAS.
    editor.selectLeg(0);
    QTest::mouseClick(Child<QPushButton>(editor.window, "Command4"), Qt::LeftButton);
    QCOMPARE(editor.session.prompts.shown().size(), std::size_t{1});
    QCOMPARE(editor.lastPrompt().text,
             QString("The change was not written.\r\nThe file sid/LHBP.txt has lines that end "
                     "with a line feed alone, which Vantrel reads as one long line, so it is not "
                     "changed: repair it with \"Fix Selected\" in the airport's menu, then make "
                     "the change again."));
    QCOMPARE(editor.lastPrompt().title, QString("Not written"));
    QCOMPARE(editor.lastPrompt().icon, PromptIcon::Exclamation);
    QCOMPARE(editor.file("sid/LHBP.txt"), before);
    QVERIFY(!editor.exists("sid/LHBP.tmp"));
    QCOMPARE(Legs(editor.legs), shown);
}

void FileProblemsTest::aReadOnlyFileIsNeitherChangedNorDeleted() {
    Editor editor;
    const std::string before = "\r\nP|BADOV1D|13R| |0|0|\r\n" +
                               Leg("BADOV", "47100000", "19500000") +
                               Leg("GITAS", "47200000", "19700000") + "\r\n\r\n";
    const std::filesystem::path sid = editor.session.folder.write("sid/LHBP.txt", before);
    vantrel::testing::SetReadOnly(sid, true);
    editor.selectAirport("LHBP");
    ClickRow(editor.sids, 0);
    const QList<QStringList> shown = Legs(editor.legs);
    QCOMPARE(shown.size(), 2);

    // A leg moved down: the change is refused, and the list shows the file's order again
    // before the message is read.
    editor.session.prompts.clearShown();
    QList<QStringList> whileTold;
    editor.session.prompts.whileMessageShown = [&] { whileTold = Legs(editor.legs); };
    editor.selectLeg(0);
    QTest::mouseClick(Child<QPushButton>(editor.window, "Command4"), Qt::LeftButton);
    editor.session.prompts.whileMessageShown = nullptr;
    QCOMPARE(whileTold, shown);
    QCOMPARE(editor.lastPrompt().text, QString("The change was not written.\r\nThe file "
                                               "sid/LHBP.txt is read-only, so it is not changed."));
    QCOMPARE(editor.lastPrompt().title, QString("Not written"));
    QCOMPARE(Legs(editor.legs), shown);

    // Deleting the airport deletes neither of its files.
    editor.session.prompts.answerMessage(PromptAnswer::Ok);
    editor.command("mnuAirport", "mnuDelSelectedAirport");
    QCOMPARE(editor.lastPrompt().text, QString("The airport LHBP was not deleted:\r\nsid/LHBP.txt "
                                               "could not be deleted: it is read-only.\r\nIts "
                                               "files are as they were."));
    QVERIFY(editor.exists("star/LHBP.txt"));
    QVERIFY(IsReadOnly(sid));
    vantrel::testing::SetReadOnly(sid, false);
    QCOMPARE(editor.file("sid/LHBP.txt"), before);
}

QTEST_MAIN(FileProblemsTest)
#include "file_problems_test.moc"

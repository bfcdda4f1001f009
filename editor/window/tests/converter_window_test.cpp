// The converter window opened from the launcher, driven through its real widgets.
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "converter_session.h"
#include "editor_window.h"

using namespace vantrel;
using namespace vantrel::testing;

namespace {

const char* const kEddf =
    "[Airport]\r\nK=EDDF\r\n"
    "[Sid001]\r\nN=ANEKI 1L\r\n01=R:7C:50.040556:8.586667:0:0\r\n"
    "02=W:ANEKI:50.148889:9.310278:7000:0\r\n\r\n"
    "[Star001]\r\nN=ROLIS 1B\r\n01=W:ROLIS:50.401944:7.700833:11000:0\r\n"
    "02=R:25R:50.037778:8.586944:0:0\r\n\r\n[EOF]\r\n";

using Session = ConverterSession;

}  // namespace

class ConverterWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void opensOnTheProgramFolderInPlaceOfTheLauncher();
    void convertsEveryFsnavigatorFileAndReportsTheSkippedOnes();
    void eachRunListsTheFolderAnewAndCompletes();
    void namesTheProcedureFileThatCannotBeWritten();
    void theEditorListsTheConvertedDemoAirports();
    void showsTheAirportOfEachFileAndNamesAStarWithoutRunwayPoint();
};

void ConverterWindowTest::opensOnTheProgramFolderInPlaceOfTheLauncher() {
    Session session({{"notes.txt", ""}, {"EDDF.ssa", kEddf}, {"b.ssa", kEddf}});
    std::filesystem::create_directory(session.folder.path() / "sid");
    QVERIFY(session.window && session.window->isVisible());
    QVERIFY(!session.launcher->isVisible());
    QCOMPARE(session.window->objectName(), QString("frmConvert"));
    QCOMPARE(session.window->windowTitle(), QString("VANTREL"));
    QCOMPARE(session.window->font().family(), QString("Tahoma"));
    QCOMPARE(session.text("Label1"),
             QString("This tool convert the FSNavigator SIDs and STARs to vasFMC SID/STAR "
                     "format. "));
    QCOMPARE(session.text("Label2"), QString("WARNING! THE FSNAV SID/STAR FILES MUST BE COPIED "
                                             "THE SAME DIRECTORY WITH THIS TOOL!"));
    QCOMPARE(session.text("Label3"), QString("Progress:"));
    QCOMPARE(session.text("Label4"), QString("Current file:"));
    QCOMPARE(session.text("Label5"), QString("Current Airport:"));
    QCOMPARE(session.child<QPushButton>("Command2")->text(), QString("Convert"));
    QCOMPARE(session.items("File1"), (QStringList{"b.ssa", "EDDF.ssa", "notes.txt"}));

    session.window->close();
    QVERIFY(session.launcher->isVisible());
}

void ConverterWindowTest::convertsEveryFsnavigatorFileAndReportsTheSkippedOnes() {
    const std::string truncated = std::string(kEddf).substr(0, 60);
    Session session({{"A.ssa", truncated},
                     {"EDDF.ssa", kEddf},
                     {"notes.txt", "K=NOTE"},
                     {"ZUGY.ssa", "[Airport]\r\nK=ZUGY\r\n[EOF]\r\n"}});
    auto* button = session.child<QPushButton>("Command2");
    auto* bar = session.child<QProgressBar>("ProgressBar1");
    QSignalSpy steps(bar, &QProgressBar::valueChanged);

    // The window keeps processing events during the run: the button is off, and closing is refused.
    bool enabledDuringRun = true, closedDuringRun = true;
    QTimer::singleShot(0, session.window, [&] {
        enabledDuringRun = button->isEnabled();
        closedDuringRun = session.window->close();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!enabledDuringRun);
    QVERIFY(!closedDuringRun);
    QVERIFY(session.window && session.window->isVisible());

    QVERIFY(button->isEnabled());
    QCOMPARE(session.text("Label3"), QString("COMPLETED!"));
    QCOMPARE(session.text("Label4"), QString("Current file: ZUGY.ssa"));
    QCOMPARE(session.text("Label5"), QString("Current Airport: ZUGY"));
    QCOMPARE(bar->maximum(), 4);
    QList<int> values;
    for (const auto& step : steps) {
        values << step.at(0).toInt();
    }
    QCOMPARE(values, (QList<int>{0, 1, 2, 3, 4, 0}));
    QCOMPARE(session.text("Label6"), QString("1 file converted, 2 files skipped:"));
    QCOMPARE(session.items("List1"), (QStringList{"A.ssa: the file ends before its [EOF] line",
                                                  "ZUGY.ssa: airport ZUGY is not converted"}));

    const std::string tail = "| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0\r\n";
    QCOMPARE(testing::ReadBytes(session.folder.path() / "sid/EDDF.txt"),
             "P|ANEKI1L|07C| |0|0|\r\nS|ANEKI|50148889|9310278" + tail + "\r\n\r\n");
    QCOMPARE(testing::ReadBytes(session.folder.path() / "star/EDDF.txt"),
             "P|ROLIS1B|25R| |0|0|\r\nS|ROLIS|50401944|7700833" + tail + "\r\n\r\n");
    QVERIFY(std::filesystem::exists(session.folder.path() / "ZUGY.ssa"));
    QVERIFY(!std::filesystem::exists(session.folder.path() / "sid/ZUGY.txt"));
    QVERIFY(!std::filesystem::exists(session.folder.path() / "sid/NOTE.txt"));
}

void ConverterWindowTest::eachRunListsTheFolderAnewAndCompletes() {
    Session session({{"Vantrel", ""}, {"notes.txt", ""}});
    QTest::mouseClick(session.child<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(session.text("Label3"), QString("COMPLETED!"));
    QCOMPARE(session.text("Label4"), QString("Current file:"));
    QCOMPARE(session.text("Label6"), QString("0 files converted."));
    QVERIFY(session.items("List1").isEmpty());
    QVERIFY(std::filesystem::is_directory(session.folder.path() / "sid"));
    QVERIFY(std::filesystem::is_directory(session.folder.path() / "star"));

    // A file copied in while the window is open is listed and converted by the next run.
    session.folder.write("EDDF.ssa", kEddf);
    QTest::mouseClick(session.child<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(session.items("File1"), (QStringList{"EDDF.ssa", "notes.txt", "Vantrel"}));
    QCOMPARE(session.text("Label6"), QString("1 file converted."));
    QVERIFY(std::filesystem::exists(session.folder.path() / "sid/EDDF.txt"));
}

void ConverterWindowTest::namesTheProcedureFileThatCannotBeWritten() {
    Session session({{"EDDF.ssa", kEddf}, {"sid/EDDF.txt/inside", ""}});
    QTest::mouseClick(session.child<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(session.text("Label6"), QString("0 files converted, 1 file skipped:"));
    QCOMPARE(session.items("List1"), QStringList{"EDDF.ssa: sid/EDDF.txt cannot be written"});
    QVERIFY(std::filesystem::exists(session.folder.path() / "sid/EDDF.txt/inside"));
}

void ConverterWindowTest::theEditorListsTheConvertedDemoAirports() {
    const std::filesystem::path demo = VANTREL_DEMO_FOLDER;
    Session session({{"EDDF.ssa", testing::ReadBytes(demo / "EDDF.ssa")},
                     {"LKPR.ssa", testing::ReadBytes(demo / "LKPR.ssa")}});
    QTest::mouseClick(session.child<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(session.text("Label6"), QString("2 files converted."));
    session.window->close();

    ClickButton(session.launcher.get(), "Command1");
    QWidget* editor = session.launcher->editor();
    QVERIFY(editor);
    auto* airports = editor->findChild<QListWidget*>("List1");
    auto* sids = editor->findChild<QListWidget*>("List2");
    auto* stars = editor->findChild<QListWidget*>("List3");
    QVERIFY(airports && sids && stars);
    QCOMPARE(airports->count(), 2);
    ClickRow(airports, 1);
    QCOMPARE(airports->currentItem()->text(), QString("LKPR"));
    QCOMPARE(sids->count(), 3);
    QCOMPARE(stars->count(), 2);
    QCOMPARE(stars->item(0)->text(), QString("RAPET2P @ 24"));
    delete editor;
}

void ConverterWindowTest::showsTheAirportOfEachFileAndNamesAStarWithoutRunwayPoint() {
    std::string noRunway = kEddf;
    noRunway.replace(noRunway.find("K=EDDF"), 6, "K=LOWW");
    noRunway.replace(noRunway.find("02=R:25R"), 4, "02=W");
    Session session({{"A.ssa", kEddf},
                     {"B.ssa", "[Airport]\r\nK=ZUGY\r\n[EOF]\r\n"},
                     {"C.ssa", "[Airport]\r\n"},
                     {"D.ssa", noRunway}});
    // The labels as each file is done: after ZUGY the airport before it was still named.
    QStringList shown;
    connect(session.child<QProgressBar>("ProgressBar1"), &QProgressBar::valueChanged,
            session.window, [&](int step) {
                if (step > 0) {
                    shown << session.text("Label4") + " / " + session.text("Label5");
                }
            });
    QTest::mouseClick(session.child<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(shown, (QStringList{"Current file: A.ssa / Current Airport: EDDF",
                                 "Current file: B.ssa / Current Airport: ZUGY",
                                 "Current file: C.ssa / Current Airport:",
                                 "Current file: D.ssa / Current Airport: LOWW"}));
    // The look-ahead for the STAR's runway ran on to the end of the file.
    QCOMPARE(session.items("List1"), (QStringList{"B.ssa: airport ZUGY is not converted",
                                                  "C.ssa: the file ends before its [EOF] line",
                                                  "D.ssa: STAR ROLIS1B has no runway point"}));
    QVERIFY(!std::filesystem::exists(session.folder.path() / "sid/LOWW.txt"));
    QVERIFY(!std::filesystem::exists(session.folder.path() / "star/LOWW.txt"));
}

QTEST_MAIN(ConverterWindowTest)
#include "converter_window_test.moc"

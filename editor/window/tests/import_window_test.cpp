// The converter window's ARINC 424 import, driven through its real widgets: the file chooser and
// the airport codes, the replace question asked once for the run, the enroute transitions box,
// the progress bar and the report.
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "arinc_fixture.h"
#include "converter_session.h"

using namespace vantrel;
using vantrel::testing::AirportFix;
using vantrel::testing::EnrouteWaypoint;
using vantrel::testing::ProcedureLine;

namespace {

// KXYZ: SID DEEZ1 from runway 13 with the enroute transition BRAVO; KABC: STAR ABC2.
const std::string kFile = vantrel::testing::Lines({
    AirportFix('C', "KXYZ", "ALPHA", "N40400000", "W073500000"),
    EnrouteWaypoint("BRAVO", "K6", "N41153000", "W072000000"),
    ProcedureLine({'D', "KXYZ", "DEEZ1", '4', "RW13", "010", "ALPHA", "K6PC", "DF"}),
    ProcedureLine({'D', "KXYZ", "DEEZ1", '6', "BRAVO", "010", "BRAVO", "K6EA", "TF"}),
    ProcedureLine({'E', "KABC", "ABC2", '2', "", "010", "BRAVO", "K6EA", "IF"}),
});
const std::string kTail = "| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0\r\n";
const std::string kAlpha = "S|ALPHA|40666667|-73833333" + kTail;
const std::string kBravo = "S|BRAVO|41258333|-72000000" + kTail;
const std::string kDeez = "P|DEEZ1|13| |0|0|\r\n" + kAlpha + "\r\n\r\n";
const std::string kDeezBravo = "P|DEEZ1.BRAVO|13| |0|0|\r\n" + kAlpha + kBravo + "\r\n\r\n";
const std::string kAbc = "P|ABC2|ALL| |0|0|\r\n" + kBravo + "\r\n\r\n";
const QString kTitle = "Import ARINC 424";

// The converter open on a program folder of its own holding the ARINC 424 file.
struct Session : vantrel::testing::ConverterSession {
    QString input = QString::fromStdString((folder.path() / "FAACIFP18").string());

    Session() : ConverterSession({{"FAACIFP18", kFile}}) {}

    QStringList report() const {
        QStringList lines{text("Label6")};
        auto* list = child<QListWidget>("List1");
        for (int i = 0; i < list->count(); ++i) {
            lines << list->item(i)->text();
        }
        return lines;
    }
    // Clicks "Import ARINC 424..." with the file chosen and the codes typed.
    void import(const QString& codes) {
        prompts.answerOpenFile(input);
        prompts.answerInput(codes);
        QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
    }
    std::string file(const char* relative) const {
        return vantrel::testing::ReadBytes(folder.path() / relative);
    }
    bool exists(const char* relative) const {
        return std::filesystem::exists(folder.path() / relative);
    }
};

}  // namespace

class ImportWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void importsTheChosenFileShowingProgressAndReport();
    void asksOnceWhetherToReplaceTheAirportsWithFiles();
    void importsTheTypedAirportsWithOrWithoutTransitions();
    void cancellingOrAnUnsafeCodeImportsNothing();
    void aFileWithoutRecordsIsNamedAndTheChooserStartsWhereTheLastFileWas();
};

void ImportWindowTest::importsTheChosenFileShowingProgressAndReport() {
    Session session;
    auto* button = session.child<QPushButton>("Command3");
    QCOMPARE(button->text(), QString("Import ARINC 424..."));
    QCOMPARE(session.child<QCheckBox>("Check1")->text(), QString("Import enroute transitions"));
    QVERIFY(session.child<QCheckBox>("Check1")->isChecked());
    auto* bar = session.child<QProgressBar>("ProgressBar1");
    QSignalSpy steps(bar, &QProgressBar::valueChanged);

    // The window keeps processing events during the run: both buttons are off, and closing is
    // refused.
    bool enabledDuringRun = true, closedDuringRun = true;
    QTimer::singleShot(0, session.window, [&] {
        enabledDuringRun =
            button->isEnabled() || session.child<QPushButton>("Command2")->isEnabled();
        closedDuringRun = session.window->close();
    });
    session.import("ALL");
    QVERIFY(!enabledDuringRun);
    QVERIFY(!closedDuringRun);
    QVERIFY(button->isEnabled());

    const auto& shown = session.prompts.shown();
    QCOMPARE(shown.size(), std::size_t{2});
    QVERIFY(shown[0].isOpenFile);
    QCOMPARE(shown[0].title, kTitle);
    QCOMPARE(shown[0].text, QString("ARINC 424 files (*)"));
    QCOMPARE(shown[0].defaultText, QString::fromStdString(session.folder.path().string()));
    QVERIFY(shown[1].isInput);
    QCOMPARE(shown[1].title, kTitle);
    QCOMPARE(shown[1].text, QString("Airport codes to import, separated by blanks, or ALL for "
                                    "every airport of the file:"));
    QCOMPARE(shown[1].defaultText, QString("ALL"));

    QCOMPARE(session.report(), QStringList{"2 airports written with 3 procedures."});
    QCOMPARE(session.text("Label3"), QString("COMPLETED!"));
    QCOMPARE(session.text("Label4"), QString("Current file: FAACIFP18"));
    QCOMPARE(session.text("Label5"), QString("Current Airport: KABC"));
    QCOMPARE(session.file("sid/KXYZ.txt"), kDeez + kDeezBravo);
    QCOMPARE(session.file("star/KABC.txt"), kAbc);
    QCOMPARE(session.file("FAACIFP18"), kFile);

    QList<int> values;
    for (const auto& step : steps) {
        values << step.at(0).toInt();
    }
    QVERIFY(values.contains(1000));  // the file read to its end
    QVERIFY(values.contains(500));   // one of the two airports written
    QCOMPARE(values.last(), 0);
}

void ImportWindowTest::asksOnceWhetherToReplaceTheAirportsWithFiles() {
    Session session;
    session.folder.write("sid/KXYZ.txt", "P|OLD|09| |0|0|\r\n");
    session.folder.write("star/KABC.txt", "P|OLD|27| |0|0|\r\n");
    const QString question =
        "Airport KXYZ already has procedure files, and other airports of the file may have them "
        "too. Replace the files of every such airport?";

    session.prompts.answerMessage(PromptAnswer::No);
    session.import("ALL");
    QCOMPARE(session.prompts.shown().size(), std::size_t{3});
    const ShownPrompt& asked = session.prompts.shown()[2];
    QCOMPARE(asked.text, question);
    QCOMPARE(asked.title, kTitle);
    QCOMPARE(asked.buttons, PromptButtons::YesNo);
    QCOMPARE(asked.icon, PromptIcon::Exclamation);
    QCOMPARE(session.report(),
             (QStringList{"0 airports written with 0 procedures.",
                          "2 airports skipped, as they have procedure files: KXYZ, KABC"}));
    QCOMPARE(session.file("sid/KXYZ.txt"), std::string("P|OLD|09| |0|0|\r\n"));
    QCOMPARE(session.file("star/KABC.txt"), std::string("P|OLD|27| |0|0|\r\n"));

    session.prompts.clearShown();
    session.prompts.answerMessage(PromptAnswer::Yes);
    session.import("ALL");
    QCOMPARE(session.prompts.shown().size(), std::size_t{3});
    QCOMPARE(session.prompts.shown()[2].text, question);
    QCOMPARE(session.report(), QStringList{"2 airports written with 3 procedures."});
    QCOMPARE(session.file("sid/KXYZ.txt"), kDeez + kDeezBravo);
    QCOMPARE(session.file("star/KABC.txt"), kAbc);
}

void ImportWindowTest::importsTheTypedAirportsWithOrWithoutTransitions() {
    Session session;
    auto* transitions = session.child<QCheckBox>("Check1");
    QTest::mouseClick(transitions, Qt::LeftButton);
    QVERIFY(!transitions->isChecked());
    session.import(" kxyz ,KNONE ");
    QCOMPARE(session.report(), (QStringList{"1 airport written with 1 procedure.",
                                            "Not in the file with SIDs or STARs: KNONE"}));
    QCOMPARE(session.file("sid/KXYZ.txt"), kDeez);
    QVERIFY(!session.exists("star/KABC.txt"));

    QTest::mouseClick(transitions, Qt::LeftButton);
    QVERIFY(transitions->isChecked());
    session.prompts.answerMessage(PromptAnswer::Yes);
    session.import("KXYZ");
    QCOMPARE(session.report(), QStringList{"1 airport written with 2 procedures."});
    QCOMPARE(session.file("sid/KXYZ.txt"), kDeez + kDeezBravo);
}

void ImportWindowTest::cancellingOrAnUnsafeCodeImportsNothing() {
    Session session;
    QTest::mouseClick(session.child<QPushButton>("Command3"), Qt::LeftButton);
    QCOMPARE(session.prompts.shown().size(), std::size_t{1});
    QVERIFY(session.report() == QStringList{QString()});

    // Cancel in the airport codes' box.
    session.import("");
    QCOMPARE(session.prompts.shown().size(), std::size_t{3});
    QVERIFY(session.prompts.shown()[2].isInput);

    session.prompts.clearShown();
    session.import("KXYZ K/ABC");
    QCOMPARE(session.prompts.shown().size(), std::size_t{3});
    const ShownPrompt& refused = session.prompts.shown()[2];
    QCOMPARE(refused.text, QString("K/ABC is not an airport code: it holds \"/\"."));
    QCOMPARE(refused.icon, PromptIcon::Exclamation);
    QCOMPARE(refused.buttons, PromptButtons::Ok);
    QVERIFY(!session.exists("sid"));
    QCOMPARE(session.text("Label3"), QString("Progress:"));
}

void ImportWindowTest::aFileWithoutRecordsIsNamedAndTheChooserStartsWhereTheLastFileWas() {
    Session session;
    session.import("ALL");
    QCOMPARE(session.text("Label5"), QString("Current Airport: KABC"));

    // vasFMC's waypoint file, in a folder of its own, chosen by mistake.
    const auto waypoints = session.folder.write("navdata/waypoints.txt", "ABETI|1|2|LH\r\n");
    session.input = QString::fromStdString(waypoints.string());
    session.prompts.clearShown();
    session.import("ALL");
    QCOMPARE(session.report(),
             QStringList{"waypoints.txt holds no ARINC 424 procedure or fix records."});
    QCOMPARE(session.text("Label4"), QString("Current file: waypoints.txt"));
    QCOMPARE(session.text("Label5"), QString("Current Airport:"));

    session.prompts.clearShown();
    session.import("");  // Cancel at the airport codes
    QCOMPARE(session.prompts.shown().front().defaultText,
             QFileInfo(QString::fromStdString(waypoints.string())).absolutePath());
}

QTEST_MAIN(ImportWindowTest)
#include "import_window_test.moc"

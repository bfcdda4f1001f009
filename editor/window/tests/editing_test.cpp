// The editing commands driven through the real widgets: menus, dialogs and move buttons, with
// the files on disk compared byte for byte after every step.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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

const std::string kLhbpSid = "\r\nP|BADOV1D|13R| |0|0|\r\n" + Leg("BADOV", "47100000", "19500000") +
                             "\r\n\r\nP|BADOV1D|13R| |0|0|\r\n" +
                             Leg("TORNO", "47539776", "18292444") +
                             Leg("GITAS", "47200000", "19700000") + "\r\n\r\n";

}  // namespace

class EditingTest : public QObject {
    Q_OBJECT
  private slots:
    void aProcedureIsBuiltFromScratch();
    void airportCodesAreUpperCasedAndUnsafeOnesRefused();
    void deletingAnAirportDeletesBothFiles();
    void fixSelectedRepairsLineFeedFiles();
    void procedureDialogRefusesWhatTheFileCannotHold();
    void fixDialogRefusesWhatIsNotACoordinate();
    void procedureCommandsReachTheSelectedOccurrence();
    void legCommandsRewriteTheShownProcedure();
    void changesThatCannotBeWrittenAreReported();
};

void EditingTest::aProcedureIsBuiltFromScratch() {
    Editor editor;
    editor.session.prompts.answerInput("lkpr");
    editor.command("mnuAirport", "mnuNewAirport");
    QCOMPARE(editor.airports->currentItem()->text(), QString("LKPR"));
    QVERIFY(!editor.exists("sid/LKPR.txt"));

    editor.command("mnuSID", "mnuNewSID");
    auto* procedure = OpenWindow<ProcedureDialog>("frmProcModify");
    QVERIFY(procedure);
    QVERIFY(!editor.window->isEnabled());
    QCOMPARE(procedure->windowTitle(), QString("Add NEW SID"));
    QCOMPARE(procedure->Label1->text(), QString("Enter the name of the new SID:"));
    Fill(procedure, {" VLM2A ", "24 "});
    QVERIFY(!procedure->isVisible());
    QVERIFY(editor.window->isEnabled());
    QCOMPARE(editor.file("sid/LKPR.txt"), std::string("\r\nP|VLM2A|24| |0|0|\r\n"));
    QCOMPARE(Texts(editor.sids), QStringList{"VLM2A @ 24"});

    ClickRow(editor.sids, 0);
    QCOMPARE(Child<QLabel>(editor.window, "Label7")->text(), QString("SID: LKPR"));
    const QList<QStringList> typed = {
        {"VLM", "50100000", "14200000"}, {"RAK", "50200000", "13900000"}, {"TAU", "1", "2"}};
    const std::string header = "\r\nP|VLM2A|24| |0|0|\r\n";
    for (const QStringList& fix : typed) {
        editor.command("mnuLEG", "mnuNewFIX");
        auto* dialog = OpenWindow<FixDialog>("frmFIX");
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QString("Add NEW FIX"));
        QCOMPARE(dialog->Label1->text(), QString("Enter the name of the NEW FIX:"));
        Fill(dialog, {fix[0], " " + fix[1], fix[2] + " "});
        QVERIFY(!dialog->isVisible());
        // The header was the file's last line: the first leg ends the file.
        if (fix[0] == "VLM") {
            QCOMPARE(editor.file("sid/LKPR.txt"), header + Leg("VLM", "50100000", "14200000"));
        }
    }
    QVERIFY(editor.window->isEnabled());
    QCOMPARE(Legs(editor.legs), typed);
    QCOMPARE(editor.file("sid/LKPR.txt"), header + Leg("VLM", "50100000", "14200000") +
                                              Leg("RAK", "50200000", "13900000") +
                                              Leg("TAU", "1", "2") + "\r\n\r\n");

    // Reordered: TAU up to the middle.
    editor.selectLeg(2);
    QTest::mouseClick(Child<QPushButton>(editor.window, "Command3"), Qt::LeftButton);
    QCOMPARE(editor.legs->currentItem()->text(0), QString("TAU"));
    QCOMPARE(editor.file("sid/LKPR.txt"), header + Leg("VLM", "50100000", "14200000") +
                                              Leg("TAU", "1", "2") +
                                              Leg("RAK", "50200000", "13900000") + "\r\n\r\n");

    editor.command("mnuLEG", "mnuEditLeg");
    auto* edit = OpenWindow<FixDialog>("frmFIX");
    QCOMPARE(edit->windowTitle(), QString("Modify FIX"));
    QCOMPARE(edit->Label1->text(), QString("Change the name of the FIX:"));
    QCOMPARE(edit->Text2->text(), QString("1"));
    Fill(edit, {"TAU", "50300000", "14000000"});
    QCOMPARE(editor.file("sid/LKPR.txt"), header + Leg("VLM", "50100000", "14200000") +
                                              Leg("TAU", "50300000", "14000000") +
                                              Leg("RAK", "50200000", "13900000") + "\r\n\r\n");

    editor.session.prompts.answerMessage(PromptAnswer::Ok);
    editor.command("mnuLEG", "mnuDelLEG");
    QCOMPARE(editor.lastPrompt().text, QString("Are you sure you want to delete TAU?"));
    QCOMPARE(editor.file("sid/LKPR.txt"), header + Leg("VLM", "50100000", "14200000") +
                                              Leg("RAK", "50200000", "13900000") + "\r\n\r\n");

    editor.session.prompts.answerMessage(PromptAnswer::Ok);
    editor.command("mnuSID", "mnuDelSID");
    QCOMPARE(editor.lastPrompt().text, QString("Are you sure you want to delete VLM2A @ 24?"));
    QCOMPARE(editor.file("sid/LKPR.txt"), std::string("\r\n"));
    QCOMPARE(editor.sids->count(), 0);

    editor.session.prompts.answerMessage(PromptAnswer::Ok);
    editor.command("mnuAirport", "mnuDelSelectedAirport");
    QVERIFY(!editor.exists("sid/LKPR.txt"));
    QVERIFY(!editor.airports->findItems("LKPR", Qt::MatchExactly).size());
}

void EditingTest::airportCodesAreUpperCasedAndUnsafeOnesRefused() {
    Editor editor;
    auto& prompts = editor.session.prompts;
    prompts.answerInput("lhbp");
    editor.command("mnuAirport", "mnuNewAirport");
    QCOMPARE(prompts.shown()[0].text, QString("Enter the new airport's ICAO code:"));
    QCOMPARE(prompts.shown()[0].title, QString("Add"));
    QCOMPARE(prompts.shown()[0].defaultText, QString());
    // A code already listed selects that airport instead of listing it twice.
    QCOMPARE(Texts(editor.airports), (QStringList{"EGLL", "LHBP", "LFPG"}));
    QCOMPARE(SelectedRow(editor.airports), 1);
    QCOMPARE(editor.sids->count(), 2);

    // Cancel (an empty answer) and blanks add nothing, and the selection stays.
    for (const char* nothing : {"", "   "}) {
        prompts.answerInput(nothing);
        editor.command("mnuAirport", "mnuNewAirport");
        QCOMPARE(Texts(editor.airports), (QStringList{"EGLL", "LHBP", "LFPG"}));
        QCOMPARE(SelectedRow(editor.airports), 1);
    }

    for (const char* unsafe : {"../egll", "sid\\x", "a:b"}) {
        prompts.answerInput(unsafe);
        editor.command("mnuAirport", "mnuNewAirport");
        QCOMPARE(editor.airports->count(), 3);
        QCOMPARE(editor.lastPrompt().icon, PromptIcon::Exclamation);
        QVERIFY2(editor.lastPrompt().text.startsWith("The airport code cannot contain \""),
                 qPrintable(editor.lastPrompt().text));
    }

    // A procedure cannot be added while no airport is selected: there is no file for it.
    Editor fresh;
    fresh.command("mnuSID", "mnuNewSID");
    Fill(OpenWindow<ProcedureDialog>("frmProcModify"), {"ABC1A", "27"});
    QVERIFY(fresh.lastPrompt().text.startsWith("Select an airport first"));
    QVERIFY(!fresh.exists("sid/.txt"));
    QVERIFY(!OpenWindow<ProcedureDialog>("frmProcModify"));
    QVERIFY(fresh.window->isEnabled());
}

void EditingTest::deletingAnAirportDeletesBothFiles() {
    Editor editor;
    editor.selectAirport("LHBP");
    ClickRow(editor.sids, 0);
    editor.command("mnuAirport", "mnuDelSelectedAirport");  // unscripted: Cancel
    QCOMPARE(editor.lastPrompt().text, QString("Are you sure you want to delete LHBP?"));
    QCOMPARE(editor.lastPrompt().title, QString("Confirm"));
    QCOMPARE(editor.lastPrompt().buttons, PromptButtons::OkCancel);
    QCOMPARE(editor.lastPrompt().icon, PromptIcon::None);
    QVERIFY(editor.exists("sid/LHBP.txt") && editor.exists("star/LHBP.txt"));
    QCOMPARE(editor.sids->count(), 2);
    QCOMPARE(editor.legs->topLevelItemCount(), 1);

    editor.session.prompts.answerMessage(PromptAnswer::Ok);
    editor.command("mnuAirport", "mnuDelSelectedAirport");
    QVERIFY(!editor.exists("sid/LHBP.txt") && !editor.exists("star/LHBP.txt"));
    QCOMPARE(Texts(editor.airports), (QStringList{"EGLL", "LFPG"}));
    QCOMPARE(SelectedRow(editor.airports), -1);
    QCOMPARE(editor.sids->count() + editor.stars->count() + editor.legs->topLevelItemCount(), 0);

    // Only a STAR file: it goes, and so does the row.
    editor.selectAirport("LFPG");
    editor.session.prompts.answerMessage(PromptAnswer::Ok);
    editor.command("mnuAirport", "mnuDelSelectedAirport");
    QVERIFY(!editor.exists("star/LFPG.txt"));
    QCOMPARE(Texts(editor.airports), QStringList{"EGLL"});
}

void EditingTest::fixSelectedRepairsLineFeedFiles() {
    Editor editor;
    const std::string lfOnly = "P|A1|27| |0|0|\nS|X|1|2\n\nP|B1|09| |0|0|\n";
    editor.session.folder.write("sid/EGLL.txt", lfOnly);
    editor.selectAirport("EGLL");
    QCOMPARE(editor.sids->count(), 1);
    // A line of the window tells so while the airport is selected, without a message box.
    auto* note = Child<QLabel>(editor.window, "Label12");
    const QString lineFeeds =
        "sid/EGLL.txt has lines that end with a line feed alone: not every procedure may be "
        "listed, and no change is written until \"Fix Selected\" in the airport's menu repairs "
        "the line ends.";
    QCOMPARE(note->text(), lineFeeds);
    QVERIFY(note->isVisible());
    QVERIFY(editor.session.prompts.shown().empty());
    // At the window's smallest size the note reads whole, even for both files of an airport.
    QCOMPARE(editor.window->size(), editor.window->minimumSize());
    const std::string stars = editor.file("star/EGLL.txt");
    editor.session.folder.write("star/EGLL.txt", lfOnly);
    editor.selectAirport("LHBP");
    editor.selectAirport("EGLL");
    QVERIFY(note->text().startsWith("sid/EGLL.txt and star/EGLL.txt have lines"));
    QVERIFY(note->wordWrap());
    const int needed = note->heightForWidth(note->width());
    QVERIFY(needed > note->fontMetrics().height() && needed <= note->height());
    editor.session.folder.write("star/EGLL.txt", stars);
    editor.selectAirport("LHBP");
    editor.selectAirport("EGLL");
    editor.selectAirport("LHBP");
    QCOMPARE(note->text(), QString());
    editor.selectAirport("EGLL");
    QCOMPARE(note->text(), lineFeeds);

    editor.command("mnuAirport", "mnuApFix");  // unscripted: No
    QCOMPARE(editor.session.prompts.shown().size(), size_t(1));
    QCOMPARE(editor.lastPrompt().title, QString("FIX"));
    QCOMPARE(editor.lastPrompt().buttons, PromptButtons::YesNo);
    QCOMPARE(editor.lastPrompt().text,
             QString("Some of the procedures use different separators in the file format than "
                     "Vantrel\r\nand in this case the SID/STAR list is maybe empty. You can try "
                     "to fix that with\r\nthis option. Do you want to try to fix the selected "
                     "file?"));
    QCOMPARE(editor.file("sid/EGLL.txt"), lfOnly);

    // The procedure shown reads as one long line, without legs, until the file is repaired.
    ClickRow(editor.sids, 0);
    QVERIFY(Legs(editor.legs).isEmpty());
    editor.session.prompts.answerMessage(PromptAnswer::Yes);
    editor.command("mnuAirport", "mnuApFix");
    QCOMPARE(editor.lastPrompt().title, QString("Report"));
    QCOMPARE(editor.lastPrompt().icon, PromptIcon::Information);
    QCOMPARE(editor.lastPrompt().text,
             QString("Fixing report:\r\n\r\nThere are SIDs for this airport and the file is "
                     "successfully modified.\r\nThere are STARs for this airport but the file is "
                     "correct."));
    QCOMPARE(editor.file("sid/EGLL.txt"),
             std::string("P|A1|27| |0|0|\r\nS|X|1|2\r\n\r\nP|B1|09| |0|0|\r\n\r\n"));
    QCOMPARE(Texts(editor.sids), (QStringList{"A1 @ 27", "B1 @ 09"}));
    QCOMPARE(note->text(), QString());
    // It is shown again from the repaired file, and stays selected.
    QCOMPARE(Legs(editor.legs), (QList<QStringList>{{"X", "1", "2"}}));
    QCOMPARE(SelectedRow(editor.sids), 0);

    editor.session.prompts.answerInput("EDDM");
    editor.command("mnuAirport", "mnuNewAirport");
    editor.session.prompts.answerMessage(PromptAnswer::Yes);
    editor.command("mnuAirport", "mnuApFix");
    QCOMPARE(editor.lastPrompt().text,
             QString("Fixing report:\r\n\r\nThere are no SIDs for this airport.\r\nThere are no "
                     "STARs for this airport."));
    QVERIFY(!editor.exists("sid/EDDM.txt") && !editor.exists("sid/EDDM.txt2"));
}

void EditingTest::procedureDialogRefusesWhatTheFileCannotHold() {
    Editor editor;
    editor.selectAirport("EGLL");
    const std::string before = editor.file("sid/EGLL.txt");
    editor.command("mnuSID", "mnuNewSID");
    auto* dialog = OpenWindow<ProcedureDialog>("frmProcModify");

    // A name of blanks only, or no runway: the message says what is missing, the dialog stays
    // with what was typed and the editor stays disabled.
    for (const auto& [name, runway, missing] :
         {std::tuple{"   ", "27R", "The name is missing: type the procedure's name, like BADOV1D."},
          {"DVR1A", "", "The runway is missing: type the runway, like 13R."}}) {
        editor.session.prompts.clearShown();
        Fill(dialog, {name, runway});
        QVERIFY(dialog->isVisible());
        QVERIFY(!editor.window->isEnabled());
        QCOMPARE(editor.session.prompts.shown().size(), std::size_t(1));
        QCOMPARE(editor.lastPrompt().text, QString(missing));
        QCOMPARE(editor.lastPrompt().title, QString("Add NEW SID"));
        QCOMPARE(dialog->Text1->text(), QString(name));
    }

    for (const auto& [name, runway, character] :
         {std::tuple{"AB|C", "27R", "|"}, {"ABC", "27@R", "@"}, {"A@B", "27", "@"}}) {
        Fill(dialog, {name, runway});
        QVERIFY(dialog->isVisible());
        QVERIFY(editor.lastPrompt().text.startsWith(QString("The character \"") + character));
    }
    QCOMPARE(editor.file("sid/EGLL.txt"), before);

    // The close box acts as Cancel.
    dialog->close();
    QVERIFY(editor.window->isEnabled());
    QCOMPARE(editor.file("sid/EGLL.txt"), before);
    QCOMPARE(editor.sids->count(), 1);

    ClickRow(editor.sids, 0);
    editor.command("mnuLEG", "mnuNewFIX");
    auto* fix = OpenWindow<FixDialog>("frmFIX");
    Fill(fix, {"CPT", "51|48", "0"});
    QVERIFY(fix->isVisible());
    QVERIFY(editor.lastPrompt().text.startsWith("The character \"|\""));
    QTest::mouseClick(fix->Command2, Qt::LeftButton);
    QVERIFY(!fix->isVisible());
    QVERIFY(editor.window->isEnabled());
    QCOMPARE(editor.legs->topLevelItemCount(), 1);
    QCOMPARE(editor.file("sid/EGLL.txt"), before);
}

void EditingTest::fixDialogRefusesWhatIsNotACoordinate() {
    Editor editor;
    editor.selectAirport("EGLL");
    ClickRow(editor.sids, 0);
    const std::string before = editor.file("sid/EGLL.txt");
    editor.command("mnuLEG", "mnuNewFIX");
    auto* dialog = OpenWindow<FixDialog>("frmFIX");
    const QString form =
        " is not coordinate text: degrees times 1,000,000 as digits with an optional minus sign, "
        "like 47539776 or -0621681.";
    const struct {
        const char* name;
        const char* latitude;
        const char* longitude;
        QString message;
    } refused[] = {
        {"X", "5O000000", "0", "The latitude \"5O000000\"" + form},
        {"X", "50.5", "0", "The latitude \"50.5\"" + form},
        {"X", "", "0", "The latitude \"\"" + form},
        {"X", "99999999999999", "0",
         "The latitude 99999999999999 is out of range: -90000000 to 90000000."},
        {"X", "-90000001", "0", "The latitude -90000001 is out of range: -90000000 to 90000000."},
        {"X", "0", "180000001",
         "The longitude 180000001 is out of range: -180000000 to 180000000."},
        {"X", "0", "E18", "The longitude \"E18\"" + form},
        {" ", "1", "2", "The FIX has no name: type its name, like TORNO."},
    };
    for (const auto& input : refused) {
        editor.session.prompts.clearShown();
        Fill(dialog, {input.name, input.latitude, input.longitude});
        QCOMPARE(editor.session.prompts.shown().size(), std::size_t(1));
        QCOMPARE(editor.lastPrompt().text, input.message);
        QCOMPARE(editor.lastPrompt().title, QString("Add NEW FIX"));
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->Text2->text(), QString(input.latitude));
        QCOMPARE(editor.file("sid/EGLL.txt"), before);
    }
    // The limits themselves are coordinates.
    Fill(dialog, {"EDGE", "-90000000", "180000000"});
    QVERIFY(!dialog->isVisible());
    QCOMPARE(Legs(editor.legs).last(), (QStringList{"EDGE", "-90000000", "180000000"}));
}

void EditingTest::procedureCommandsReachTheSelectedOccurrence() {
    Editor editor;
    editor.selectAirport("LHBP");

    // Edit and delete need a selected row; add does not.
    editor.command("mnuSID", "mnuEditSID");
    editor.command("mnuSID", "mnuDelSID");
    QVERIFY(!OpenWindow<ProcedureDialog>("frmProcModify"));
    QVERIFY(editor.session.prompts.shown().empty());

    ClickRow(editor.sids, 1);
    editor.command("mnuSID", "mnuEditSID");
    auto* dialog = OpenWindow<ProcedureDialog>("frmProcModify");
    QCOMPARE(dialog->windowTitle(), QString("Modify SID"));
    QCOMPARE(dialog->Label1->text(), QString("Change the name of the SID:"));
    QCOMPARE(dialog->Text1->text(), QString("BADOV1D"));
    QCOMPARE(dialog->Text2->text(), QString("13R"));
    Fill(dialog, {"BADOV2D", "13R"});
    QCOMPARE(Texts(editor.sids), (QStringList{"BADOV1D @ 13R", "BADOV2D @ 13R"}));
    QCOMPARE(SelectedRow(editor.sids), 1);
    std::string expected = kLhbpSid;
    expected.replace(expected.rfind("BADOV1D"), 7, "BADOV2D");
    QCOMPARE(editor.file("sid/LHBP.txt"), expected);

    ClickRow(editor.stars, 0);
    editor.command("mnuSTAR", "mnuNewSTAR");
    dialog = OpenWindow<ProcedureDialog>("frmProcModify");
    QCOMPARE(dialog->windowTitle(), QString("Add NEW STAR"));
    QCOMPARE(dialog->Label1->text(), QString("Enter the name of the new STAR:"));
    Fill(dialog, {"ABETI1N", "31L"});
    QCOMPARE(Texts(editor.stars), (QStringList{"ABETI1N @ 31L", "ABETI1N @ 31L"}));
    QCOMPARE(SelectedRow(editor.stars), 0);

    // Deleting the second of the two equal STARs keeps the first block.
    ClickRow(editor.stars, 1);
    editor.session.prompts.answerMessage(PromptAnswer::Ok);
    editor.command("mnuSTAR", "mnuDelSTAR");
    QCOMPARE(Texts(editor.stars), QStringList{"ABETI1N @ 31L"});
    QCOMPARE(SelectedRow(editor.stars), -1);
    QCOMPARE(editor.file("star/LHBP.txt"),
             "P|ABETI1N|31L| |0|0|\r\n" + Leg("ABETI", "47900000", "18900000") + "\r\n\r\n\r\n");

    ClickRow(editor.stars, 0);
    editor.command("mnuSTAR", "mnuDelSTAR");  // unscripted: Cancel
    QCOMPARE(editor.stars->count(), 1);
}

void EditingTest::legCommandsRewriteTheShownProcedure() {
    Editor editor;
    editor.selectAirport("LHBP");
    ClickRow(editor.sids, 1);
    QPushButton* up = Child<QPushButton>(editor.window, "Command3");
    QPushButton* down = Child<QPushButton>(editor.window, "Command4");

    // No selection, first row up, last row down: nothing moves and nothing is written.
    QTest::mouseClick(up, Qt::LeftButton);
    editor.selectLeg(0);
    QTest::mouseClick(up, Qt::LeftButton);
    editor.selectLeg(1);
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(editor.file("sid/LHBP.txt"), kLhbpSid);

    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(Legs(editor.legs), (QList<QStringList>{{"GITAS", "47200000", "19700000"},
                                                    {"TORNO", "47539776", "18292444"}}));
    QCOMPARE(editor.legs->indexOfTopLevelItem(editor.legs->currentItem()), 0);
    QVERIFY(editor.file("sid/LHBP.txt") != kLhbpSid);
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(editor.file("sid/LHBP.txt"), kLhbpSid);

    // A new fix goes to the end whatever row is selected; its values are trimmed.
    editor.selectLeg(0);
    editor.command("mnuLEG", "mnuNewFIX");
    Fill(OpenWindow<FixDialog>("frmFIX"), {" KOVEK", "47000000 ", "-0621681"});
    std::string expected = kLhbpSid;
    const std::string tail = "\r\n\r\n";
    expected.insert(expected.size() - tail.size(), Leg("KOVEK", "47000000", "-0621681"));
    QCOMPARE(editor.file("sid/LHBP.txt"), expected);
    QCOMPARE(editor.legs->indexOfTopLevelItem(editor.legs->currentItem()), 0);

    // Delete names the leg by its fix name; Cancel keeps it.
    editor.command("mnuLEG", "mnuDelLEG");
    QCOMPARE(editor.lastPrompt().text, QString("Are you sure you want to delete TORNO?"));
    QCOMPARE(editor.legs->topLevelItemCount(), 3);
    QCOMPARE(editor.file("sid/LHBP.txt"), expected);

    // Deleting every leg leaves the header and two empty lines before the end of the file.
    for (int i = 0; i < 3; ++i) {
        editor.selectLeg(0);
        editor.session.prompts.answerMessage(PromptAnswer::Ok);
        editor.command("mnuLEG", "mnuDelLEG");
    }
    QCOMPARE(editor.legs->topLevelItemCount(), 0);
    QCOMPARE(editor.file("sid/LHBP.txt"), "\r\nP|BADOV1D|13R| |0|0|\r\n" +
                                              Leg("BADOV", "47100000", "19500000") +
                                              "\r\n\r\nP|BADOV1D|13R| |0|0|\r\n\r\n\r\n");
    QVERIFY(editor.window->isEnabled());
}

void EditingTest::changesThatCannotBeWrittenAreReported() {
    Editor editor;
    editor.selectAirport("LHBP");
    ClickRow(editor.sids, 0);

    // Another airport selected: the shown procedure is no longer selected in its list.
    editor.selectAirport("EGLL");
    editor.selectLeg(0);
    editor.session.prompts.answerMessage(PromptAnswer::Ok);
    editor.command("mnuLEG", "mnuDelLEG");
    QCOMPARE(editor.lastPrompt().title, QString("Not written"));
    QCOMPARE(editor.lastPrompt().text,
             QString("The change was not written.\r\nThe legs shown are those of the SID BADOV1D "
                     "@ 13R of LHBP, which is not selected in its list any more: select it again "
                     "and repeat the change."));
    QCOMPARE(editor.file("sid/LHBP.txt"), kLhbpSid);
    QVERIFY(editor.window->isEnabled());

    // The file went away behind the editor's back.
    editor.selectAirport("LHBP");
    ClickRow(editor.sids, 0);
    std::filesystem::remove(editor.session.folder.path() / "sid/LHBP.txt");
    editor.command("mnuLEG", "mnuNewFIX");
    Fill(OpenWindow<FixDialog>("frmFIX"), {"X", "1", "2"});
    QCOMPARE(editor.lastPrompt().text,
             QString("The change was not written.\r\nThe file sid/LHBP.txt cannot be opened."));
    QVERIFY(!editor.exists("sid/LHBP.txt") && !editor.exists("sid/LHBP.tmp"));

    // With no procedure shown there is nothing to add a fix to.
    Editor fresh;
    fresh.command("mnuLEG", "mnuNewFIX");
    QVERIFY(!OpenWindow<FixDialog>("frmFIX"));
    QVERIFY(fresh.lastPrompt().text.startsWith("Select a SID or STAR first"));
}

QTEST_MAIN(EditingTest)
#include "editing_test.moc"

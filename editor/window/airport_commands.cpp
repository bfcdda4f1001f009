// The editor window's airport commands: adding and deleting an airport, and repairing the line
// ends of its procedure files.
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "airport_edits.h"
#include "edit_messages.h"
#include "editor_window.h"
#include "procedure_file.h"
#include "records.h"
#include "separator_repair.h"
#include "text_codec.h"

namespace vantrel {
void EditorWindow::mnuNewAirport_Click() {
    const std::string code = AddAirport(FromQt(
        context_.prompts.input(this, "Enter the new airport's ICAO code:", "Add", QString())));
    // Cancel, Escape and an answer of blanks give no airport.
    if (TrimBlanks(code).empty()) {
        return;
    }
    // The code names the airport's files: it must not lead outside the sid and star folders.
    if (const auto unsafe = UnsafeFileNamePart(code)) {
        context_.prompts.message(
            this,
            "The airport code cannot contain " + ToQt(*unsafe) + ": it names the airport's files.",
            "Add", PromptButtons::Ok, PromptIcon::Exclamation);
        return;
    }
    // An airport already listed is selected rather than listed twice.
    const QList<QListWidgetItem*> listed = List1->findItems(ToQt(code), Qt::MatchExactly);
    if (!listed.isEmpty()) {
        List1->setCurrentItem(listed.first());
        return;
    }
    List1->addItem(ToQt(code));
    List1->setCurrentRow(List1->count() - 1);
}

void EditorWindow::mnuDelSelectedAirport_Click() {
    const int row = SelectedRow(List1);
    if (row < 0) {
        return;
    }
    const QString airport = List1->item(row)->text();
    if (context_.prompts.message(this, "Are you sure you want to delete " + airport + "?",
                                 "Confirm", PromptButtons::OkCancel,
                                 PromptIcon::None) != PromptAnswer::Ok) {
        return;
    }
    if (const std::optional<FileRefusal> refusal =
            DeleteAirport(context_.programFolder, FromQt(airport))) {
        // Nothing was deleted: the airport stays in the list as it was.
        context_.prompts.message(
            this,
            AirportNotDeletedText(airport, FileText(context_.programFolder, refusal->file),
                                  ToQt(refusal->reason)),
            kNotDeletedTitle, PromptButtons::Ok, PromptIcon::Exclamation);
        return;
    }
    {
        // Removing the row must not select, and load, another airport.
        const QSignalBlocker guard(List1);
        delete List1->takeItem(row);
        List1->setCurrentRow(-1);
        List1->clearSelection();
    }
    List2->clear();
    List3->clear();
    Label12->clear();
    clearShownProcedure();
}

void EditorWindow::mnuApFix_Click() {
    if (SelectedRow(List1) < 0) {
        return;
    }
    const std::string airport = selectedAirport();
    const QString question =
        "Some of the procedures use different separators in the file format than Vantrel\r\n"
        "and in this case the SID/STAR list is maybe empty. You can try to fix that with\r\n"
        "this option. Do you want to try to fix the selected file?";
    if (context_.prompts.message(this, question, "FIX", PromptButtons::YesNo, PromptIcon::None) !=
        PromptAnswer::Yes) {
        return;
    }
    const RepairOutcome sid = RepairSeparators(context_.programFolder, ProcedureKind::Sid, airport);
    const RepairOutcome star =
        RepairSeparators(context_.programFolder, ProcedureKind::Star, airport);
    context_.prompts.message(this,
                             "Fixing report:\r\n\r\n" +
                                 ToQt(RepairReportLine(sid, ProcedureKind::Sid, airport)) + "\r\n" +
                                 ToQt(RepairReportLine(star, ProcedureKind::Star, airport)),
                             "Report", PromptButtons::Ok, PromptIcon::Information);
    List1_Click();
    // The procedure shown is read again from the repaired file, where it is still there.
    if (shown_ && shown_->airport == airport) {
        const ShownProcedure shown = *shown_;
        if (selectEntry(shown)) {
            showProcedure(shown.kind);
        } else {
            clearShownProcedure();
        }
    }
}

}  // namespace vantrel

// The editor window's leg commands: moving, editing, adding and deleting legs of the shown
// procedure, and writing the legs list back into its file after every change.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

#include "edit_messages.h"
#include "editor_window.h"
#include "fix_dialog.h"
#include "leg_list.h"
#include "procedure_check.h"
#include "procedure_edits.h"
#include "procedure_entry.h"
#include "records.h"
#include "text_codec.h"

namespace vantrel {
std::vector<LegRow> EditorWindow::shownLegs() const {
    std::vector<LegRow> legs;
    legs.reserve(ListView1->topLevelItemCount());
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = ListView1->topLevelItem(i);
        legs.push_back({FromQt(item->text(0)), FromQt(item->text(1)), FromQt(item->text(2))});
    }
    return legs;
}

// Rows stay in place: only their texts change, and rows are added or removed at the end.
void EditorWindow::showLegs(const std::vector<LegRow>& legs) {
    const int count = static_cast<int>(legs.size());
    while (ListView1->topLevelItemCount() > count) {
        delete ListView1->takeTopLevelItem(ListView1->topLevelItemCount() - 1);
    }
    QList<QTreeWidgetItem*> added;
    for (int i = ListView1->topLevelItemCount(); i < count; ++i) {
        added.append(new QTreeWidgetItem());
    }
    ListView1->addTopLevelItems(added);
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem* item = ListView1->topLevelItem(i);
        item->setText(0, ToQt(legs[i].name));
        item->setText(1, ToQt(legs[i].latitude));
        item->setText(2, ToQt(legs[i].longitude));
    }
}

int EditorWindow::selectedLeg() const {
    QTreeWidgetItem* item = ListView1->currentItem();
    return item && item->isSelected() ? ListView1->indexOfTopLevelItem(item) : -1;
}

void EditorWindow::selectLeg(int row) {
    ListView1->setCurrentItem(ListView1->topLevelItem(row));
}

std::optional<RewriteStatus> EditorWindow::RewriteLegs() {
    if (!shown_) {
        return std::nullopt;  // no procedure shown yet
    }
    return vantrel::RewriteLegs(context_.programFolder, shown_->address(), shownLegs());
}

bool EditorWindow::rewriteLegsOrRestore(const std::vector<LegRow>& former, int formerSelected) {
    const std::optional<RewriteStatus> status = RewriteLegs();
    if (status == RewriteStatus::Done) {
        return true;
    }
    showLegs(former);
    selectLeg(formerSelected);
    if (status) {
        context_.prompts.message(
            this, NotWrittenText(*status, context_.programFolder, shown_->kind, shown_->airport),
            kNotWrittenTitle, PromptButtons::Ok, PromptIcon::Exclamation);
    }
    return false;
}

bool EditorWindow::rewriteLegsDisabled(const std::vector<LegRow>& former, int formerSelected) {
    setEnabled(false);
    const bool written = rewriteLegsOrRestore(former, formerSelected);
    setEnabled(true);
    return written;
}

void EditorWindow::moveLeg(int direction) {
    const std::vector<LegRow> former = shownLegs();
    std::vector<LegRow> legs = former;
    const int selected = selectedLeg();
    const std::optional<int> moved =
        direction < 0 ? MoveLegUp(legs, selected) : MoveLegDown(legs, selected);
    if (!moved || !shownProcedureToChange(kNotWrittenTitle)) {
        return;
    }
    setEnabled(false);
    showLegs(legs);
    selectLeg(*moved);
    rewriteLegsOrRestore(former, selected);
    setEnabled(true);
}

void EditorWindow::mnuDelLEG_Click() {
    const int selected = selectedLeg();
    if (selected < 0) {
        return;
    }
    if (!shownProcedureToChange(kNotWrittenTitle)) {
        return;
    }
    const QString name = ListView1->topLevelItem(selected)->text(0);
    if (context_.prompts.message(this, "Are you sure you want to delete " + name + "?", "Confirm",
                                 PromptButtons::OkCancel, PromptIcon::None) != PromptAnswer::Ok) {
        return;
    }
    const std::vector<LegRow> former = shownLegs();
    delete ListView1->takeTopLevelItem(selected);
    rewriteLegsDisabled(former, selected);
}

FixDialog* EditorWindow::openFixDialog(const QString& mode, const QString& prompt) {
    auto* dialog = new FixDialog(this);
    dialog_ = dialog;
    dialog->setWindowTitle(mode);
    dialog->Label1->setText(prompt);
    connect(dialog, &DialogWindow::okClicked, this, [this, dialog] { fixDialogOk(dialog); });
    return dialog;
}

void EditorWindow::mnuEditLeg_Click() {
    const int selected = selectedLeg();
    if (selected < 0) {
        return;
    }
    if (!shownProcedureToChange("Modify FIX")) {
        return;
    }
    const QTreeWidgetItem* item = ListView1->topLevelItem(selected);
    FixDialog* dialog = openFixDialog("Modify FIX", "Change the name of the FIX:");
    dialog->Text1->setText(item->text(0));
    dialog->Text2->setText(item->text(1));
    dialog->Text3->setText(item->text(2));
    dialog->show();
}

void EditorWindow::mnuNewFIX_Click() {
    // A new leg needs a procedure to be written into.
    if (!shownProcedureToChange("Add NEW FIX")) {
        return;
    }
    openFixDialog("Add NEW FIX", "Enter the name of the NEW FIX:")->show();
}

void EditorWindow::fixDialogOk(FixDialog* dialog) {
    const QString name = dialog->Text1->text();
    const QString latitude = dialog->Text2->text();
    const QString longitude = dialog->Text3->text();
    if (auto problem = RecordFieldProblem({name, latitude, longitude}, false)) {
        context_.prompts.message(dialog, *problem, dialog->windowTitle(), PromptButtons::Ok,
                                 PromptIcon::Exclamation);
        return;
    }
    LegRow leg{std::string(TrimBlanks(FromQt(name))), std::string(TrimBlanks(FromQt(latitude))),
               std::string(TrimBlanks(FromQt(longitude)))};
    // vasFMC reads a coordinate that is not a number as 0 degrees; the dialog stays open to mend
    // it.
    std::string problem = leg.name.empty() ? "The FIX has no name: type its name, like TORNO."
                                           : CoordinateProblem(leg.latitude, true);
    if (problem.empty()) {
        problem = CoordinateProblem(leg.longitude, false);
    }
    if (!problem.empty()) {
        if (!leg.name.empty()) {
            problem = "The " + problem + ".";
        }
        context_.prompts.message(dialog, ToQt(problem), dialog->windowTitle(), PromptButtons::Ok,
                                 PromptIcon::Exclamation);
        return;
    }
    const std::vector<LegRow> former = shownLegs();
    std::vector<LegRow> legs = former;
    const QString mode = dialog->windowTitle();
    if (mode.contains("NEW FIX")) {
        AddLeg(legs, std::move(leg));
    } else if (mode.contains("Modify FIX")) {
        ModifyLeg(legs, selectedLeg(), std::move(leg));
    }
    showLegs(legs);
    dialog->setEnabled(false);
    rewriteLegsOrRestore(former, selectedLeg());
    dialog->setEnabled(true);
    dialog->close();
}

}  // namespace vantrel

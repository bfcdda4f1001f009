// The editor window's procedure commands: editing, adding and deleting SIDs and STARs of the
// selected airport, and the OK of the procedure dialog that edit and add open.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include "edit_messages.h"
#include "editor_window.h"
#include "procedure_dialog.h"
#include "procedure_edits.h"
#include "procedure_entry.h"
#include "records.h"
#include "text_codec.h"

namespace vantrel {
namespace {

struct DialogMode {
    const char* caption;
    ProcedureKind kind;
    bool modify;
};

// In the order in which OK tests the caption for them.
constexpr DialogMode kDialogModes[] = {
    {"Modify SID", ProcedureKind::Sid, true},
    {"Add NEW SID", ProcedureKind::Sid, false},
    {"Modify STAR", ProcedureKind::Star, true},
    {"Add NEW STAR", ProcedureKind::Star, false},
};

const DialogMode& ModeOf(ProcedureKind kind, bool modify) {
    for (const DialogMode& mode : kDialogModes) {
        if (mode.kind == kind && mode.modify == modify) {
            return mode;
        }
    }
    return kDialogModes[0];
}

const char* KindName(ProcedureKind kind) {
    return kind == ProcedureKind::Sid ? "SID" : "STAR";
}

}  // namespace

ProcedureDialog* EditorWindow::openProcedureDialog(const QString& mode, const QString& prompt) {
    auto* dialog = new ProcedureDialog(this);
    dialog_ = dialog;
    dialog->setWindowTitle(mode);
    dialog->Label1->setText(prompt);
    connect(dialog, &DialogWindow::okClicked, this, [this, dialog] { procedureDialogOk(dialog); });
    return dialog;
}

void EditorWindow::editProcedure(ProcedureKind kind) {
    const QListWidget* list = procedureList(kind);
    const int row = SelectedRow(list);
    if (row < 0) {
        return;
    }
    const QString prompt = QString("Change the name of the ") + KindName(kind) + ":";
    ProcedureDialog* dialog = openProcedureDialog(ModeOf(kind, true).caption, prompt);
    const std::string entry = FromQt(list->item(row)->text());
    const EntryParts parts = SplitEntry(entry);
    dialog->Text1->setText(ToQt(parts.name));
    dialog->Text2->setText(ToQt(parts.runway));
    dialog->show();
}

void EditorWindow::newProcedure(ProcedureKind kind) {
    const QString prompt = QString("Enter the name of the new ") + KindName(kind) + ":";
    openProcedureDialog(ModeOf(kind, false).caption, prompt)->show();
}

void EditorWindow::procedureDialogOk(ProcedureDialog* dialog) {
    const std::string name(TrimBlanks(FromQt(dialog->Text1->text())));
    const std::string runway(TrimBlanks(FromQt(dialog->Text2->text())));
    if (name.empty() || runway.empty()) {
        context_.prompts.message(dialog,
                                 name.empty() ? "The name is missing: type the procedure's name, "
                                                "like BADOV1D."
                                              : "The runway is missing: type the runway, like 13R.",
                                 dialog->windowTitle(), PromptButtons::Ok, PromptIcon::Exclamation);
        return;
    }
    if (auto problem = RecordFieldProblem({dialog->Text1->text(), dialog->Text2->text()}, true)) {
        context_.prompts.message(dialog, *problem, dialog->windowTitle(), PromptButtons::Ok,
                                 PromptIcon::Exclamation);
        return;
    }
    const QString caption = dialog->windowTitle();
    for (const DialogMode& mode : kDialogModes) {
        if (!caption.contains(mode.caption)) {
            continue;
        }
        QListWidget* list = procedureList(mode.kind);
        const std::string airport = selectedAirport();
        RewriteStatus status;
        if (mode.modify) {
            const std::optional<ShownProcedure> modified = selectedProcedure(mode.kind);
            if (!modified) {
                break;
            }
            const int row = SelectedRow(list);
            status = ModifyProcedure(context_.programFolder, modified->address(), name, runway);
            if (status == RewriteStatus::Done) {
                list->item(row)->setText(ToQt(EntryText(name, runway)));
                // The legs shown now belong to the procedure by its new name.
                if (modified == shown_) {
                    showProcedure(mode.kind);
                }
            }
        } else {
            if (airport.empty()) {
                context_.prompts.message(dialog,
                                         "Select an airport first: the new procedure is added to "
                                         "the selected airport's file.",
                                         caption, PromptButtons::Ok, PromptIcon::Exclamation);
                break;
            }
            status = AddProcedure(context_.programFolder, mode.kind, airport, name, runway);
            if (status == RewriteStatus::Done) {
                list->addItem(ToQt(EntryText(name, runway)));
            }
        }
        if (status != RewriteStatus::Done) {
            context_.prompts.message(
                dialog, NotWrittenText(status, context_.programFolder, mode.kind, airport),
                kNotWrittenTitle, PromptButtons::Ok, PromptIcon::Exclamation);
        }
        break;
    }
    dialog->close();
}

void EditorWindow::deleteProcedure(ProcedureKind kind) {
    QListWidget* list = procedureList(kind);
    const std::optional<ShownProcedure> deleted = selectedProcedure(kind);
    if (!deleted) {
        return;
    }
    const int row = SelectedRow(list);
    const QString entry = list->item(row)->text();
    if (context_.prompts.message(this, "Are you sure you want to delete " + entry + "?", "Confirm",
                                 PromptButtons::OkCancel, PromptIcon::None) != PromptAnswer::Ok) {
        return;
    }
    const RewriteStatus status = DeleteProcedure(context_.programFolder, deleted->address());
    if (status != RewriteStatus::Done) {
        context_.prompts.message(
            this, NotWrittenText(status, context_.programFolder, kind, deleted->airport),
            kNotWrittenTitle, PromptButtons::Ok, PromptIcon::Exclamation);
        return;
    }
    {
        // Removing the row must not make the list show another procedure.
        const QSignalBlocker guard(list);
        delete list->takeItem(row);
        list->setCurrentRow(-1);
        list->clearSelection();
    }
    // Legs left on screen would be written over another procedure by the next leg command.
    if (deleted == shown_) {
        clearShownProcedure();
    }
}

}  // namespace vantrel

// The editor window's place/bearing/distance calculator: frmPBD opened from a result line of the
// finder or from a leg, and the computed point appended to the finder's result list, from where a
// double click adds it as a leg.
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>

#include "edit_messages.h"
#include "editor_window.h"
#include "pbd_dialog.h"
#include "pbd_point.h"
#include "records.h"
#include "text_codec.h"

namespace vantrel {

void EditorWindow::mnuPBD_Click() {
    const int row = SelectedRow(List4);
    if (row < 0) {
        return;
    }
    const std::string line = FromQt(List4->item(row)->text());
    std::vector<std::string_view> fields = SplitFields(line);
    fields.resize(std::max<std::size_t>(fields.size(), 3));
    openPbdDialog({std::string(fields[0]), std::string(fields[1]), std::string(fields[2])});
}

void EditorWindow::mnuPBDWP_Click() {
    const int row = selectedLeg();
    if (row < 0) {
        return;
    }
    openPbdDialog(shownLegs()[static_cast<std::size_t>(row)]);
}

void EditorWindow::openPbdDialog(LegRow source) {
    pbdSource_ = std::move(source);
    auto* dialog = new PbdDialog(this);
    dialog_ = dialog;
    dialog->Text1->setText(ToQt(pbdSource_.name));
    connect(dialog, &DialogWindow::okClicked, this, [this, dialog] { pbdDialogOk(dialog); });
    dialog->show();
}

void EditorWindow::pbdDialogOk(PbdDialog* dialog) {
    const QString title = dialog->windowTitle();
    // A "|" in the name would shift the coordinates into other fields of the line.
    if (auto problem = RecordFieldProblem({dialog->Text4->text()}, false)) {
        context_.prompts.message(dialog, *problem, title, PromptButtons::Ok,
                                 PromptIcon::Exclamation);
        return;
    }
    const PbdPoint point =
        ComputePbdPoint(pbdSource_.latitude, pbdSource_.longitude, FromQt(dialog->Text2->text()),
                        FromQt(dialog->Text3->text()), FromQt(dialog->Text4->text()));
    switch (point.problem) {
        case PbdProblem::None:
            List4->addItem(ToQt(point.record));
            List4->scrollToBottom();
            break;
        case PbdProblem::SourceCoordinates:
            // Nothing in the dialog can mend the source point, so it closes.
            context_.prompts.message(
                dialog,
                "The point " + ToQt(pbdSource_.name) +
                    " has no usable coordinates: its latitude and longitude must be whole "
                    "numbers like 47539776 or -0621681. No point was computed.",
                title, PromptButtons::Ok, PromptIcon::Exclamation);
            break;
        case PbdProblem::TrackNotNumber:
            // The dialog stays open with what was typed, to be mended.
            context_.prompts.message(dialog,
                                     "The track is not a number: type degrees as digits, like 90, "
                                     "127.5 or -45, with \".\" before any decimals.",
                                     title, PromptButtons::Ok, PromptIcon::Exclamation);
            return;
        case PbdProblem::DistanceNotNumber:
            context_.prompts.message(dialog,
                                     "The distance is not a number: type nautical miles as "
                                     "digits, like 60 or 12.5, with \".\" before any decimals.",
                                     title, PromptButtons::Ok, PromptIcon::Exclamation);
            return;
        case PbdProblem::NotComputable:
            context_.prompts.message(
                dialog, "The track or the distance is too large to compute a point from.", title,
                PromptButtons::Ok, PromptIcon::Exclamation);
            return;
    }
    dialog->close();
}

}  // namespace vantrel

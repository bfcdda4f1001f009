#include "qt_prompts.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace vantrel {

PromptAnswer QtPrompts::message(QWidget* parent, const QString& text, const QString& title,
                                PromptButtons buttons, PromptIcon icon) {
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(icon == PromptIcon::Exclamation   ? QMessageBox::Warning
                : icon == PromptIcon::Information ? QMessageBox::Information
                                                  : QMessageBox::NoIcon);
    switch (buttons) {
        case PromptButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case PromptButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Ok);
            break;
        case PromptButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Ok:
            return PromptAnswer::Ok;
        case QMessageBox::Yes:
            return PromptAnswer::Yes;
        case QMessageBox::No:
            return PromptAnswer::No;
        default:
            // The close box answers like the button that refuses.
            return buttons == PromptButtons::Ok      ? PromptAnswer::Ok
                   : buttons == PromptButtons::YesNo ? PromptAnswer::No
                                                     : PromptAnswer::Cancel;
    }
}

QString QtPrompts::input(QWidget* parent, const QString& prompt, const QString& title,
                         const QString& defaultText) {
    bool accepted = false;
    const QString text =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, defaultText, &accepted);
    return accepted ? text : QString();
}

QString QtPrompts::saveFileName(QWidget* parent, const QString& title, const QString& suggested,
                                const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, suggested, filter);
}

QString QtPrompts::openFileName(QWidget* parent, const QString& title, const QString& folder,
                                const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

}  // namespace vantrel

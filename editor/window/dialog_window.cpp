#include "dialog_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>

#include "twips.h"

namespace vantrel {

DialogWindow::DialogWindow(QWidget* opener, const char* name) : opener_(opener) {
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(QFont("Tahoma", 8));
    opener_->setEnabled(false);
    Command1 = new QPushButton("OK", this);
    Command1->setObjectName("Command1");
    Command1->setDefault(true);
    Command2 = new QPushButton("Cancel", this);
    Command2->setObjectName("Command2");
    connect(Command1, &QPushButton::clicked, this, &DialogWindow::okClicked);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
    // Escape is Cancel, as in any dialog.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    clearFields();
    if (opener_) {
        opener_->setEnabled(true);
    }
    event->accept();
}

// The dialog opens over the middle of the window that opened it, ready for typing into its first
// field.
void DialogWindow::showEvent(QShowEvent* event) {
    if (opener_) {
        move(opener_->frameGeometry().center() - rect().center());
    }
    QWidget::showEvent(event);
    for (QLineEdit* field : findChildren<QLineEdit*>()) {
        if (field->focusPolicy() & Qt::TabFocus) {
            field->setFocus(Qt::TabFocusReason);
            field->selectAll();
            break;
        }
    }
    activateWindow();
}

QLabel* DialogWindow::addLabel(const char* name, const QString& text, QRect twips) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(twips);
    return label;
}

QLineEdit* DialogWindow::addField(const char* name, QRect twips) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setGeometry(twips);
    // Enter in a field is OK, as in a dialog with a default button.
    connect(field, &QLineEdit::returnPressed, this, &DialogWindow::okClicked);
    return field;
}

}  // namespace vantrel

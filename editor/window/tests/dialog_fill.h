// Filling the procedure and fix dialogs in window tests: typing into their fields and pressing OK.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <initializer_list>
#include <type_traits>

#include "fix_dialog.h"
#include "procedure_dialog.h"

namespace vantrel::testing {

// Types into the dialog's fields, replacing what they hold, and presses OK.
template <typename Dialog>
void Fill(Dialog* dialog, std::initializer_list<QString> texts) {
    QList<QLineEdit*> fields = {dialog->Text1, dialog->Text2};
    if constexpr (std::is_same_v<Dialog, FixDialog>) {
        fields.append(dialog->Text3);
    }
    int i = 0;
    for (const QString& text : texts) {
        fields[i]->clear();
        QTest::keyClicks(fields[i++], text);
    }
    QTest::mouseClick(dialog->Command1, Qt::LeftButton);
}

}  // namespace vantrel::testing

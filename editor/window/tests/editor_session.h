// An editor session on a program folder of its own, and helpers that read the editor's widgets,
// for the window tests.
#pragma once

#include <QApplication>
#include <QListWidget>
#include <QTreeWidget>
#include <memory>
#include <string>

#include "editor_window.h"
#include "launcher_window.h"
#include "scripted_prompts.h"
#include "temp_folder.h"

namespace vantrel::testing {

inline const char* const kLegTail = "| |TF|0|0|0|0|0|0|0|0|0|0|0|0|0\r\n";

inline std::string Leg(const char* name, const char* lat, const char* lon) {
    return std::string("S|") + name + "|" + lat + "|" + lon + kLegTail;
}

// An editor session on a program folder of its own.
struct Session {
    TempFolder folder;
    ScriptedPrompts prompts;
    AppContext context{folder.path(), prompts};
    std::unique_ptr<LauncherWindow> launcher;

    Session() {
        folder.write("sid/EGLL.txt", "\r\nP|CPT3F|27L| |0|0|\r\n" +
                                         Leg("CPT", "51487000", "-1219000") + "\r\n\r\n");
        folder.write("sid/LHBP.txt",
                     "\r\nP|BADOV1D|13R| |0|0|\r\n" + Leg("BADOV", "47100000", "19500000") +
                         "\r\n\r\nP|BADOV1D|13R| |0|0|\r\n" + Leg("TORNO", "47539776", "18292444") +
                         Leg("GITAS", "47200000", "19700000") + "\r\n\r\n");
        folder.write("star/LHBP.txt", "P|ABETI1N|31L| |0|0|\r\n" +
                                          Leg("ABETI", "47900000", "18900000") + "\r\n\r\n");
        folder.write("star/LFPG.txt", "P|LORNI2W|27R| |0|0|\r\n");
        folder.write("star/EGLL.txt", "\r\n");
        launcher = std::make_unique<LauncherWindow>(context);
        launcher->show();
    }
    ~Session() {
        if (EditorWindow* editor = launcher->editor()) {
            delete editor;
        }
    }

    EditorWindow* open() {
        launcher->Command1_Click();
        return launcher->editor();
    }
};

template <typename T>
T* Child(QWidget* window, const char* name) {
    T* child = window->findChild<T*>(name);
    if (!child) {
        qFatal("no child %s", name);
    }
    return child;
}

inline QStringList Texts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts << list->item(i)->text();
    }
    return texts;
}

inline QList<QStringList> Legs(const QTreeWidget* legs) {
    QList<QStringList> rows;
    for (int i = 0; i < legs->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = legs->topLevelItem(i);
        rows << QStringList{item->text(0), item->text(1), item->text(2)};
    }
    return rows;
}

// The visible top-level window of that name and type (a dialog, say); none when it is not open.
template <typename T>
T* OpenWindow(const char* name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) {
            return qobject_cast<T*>(widget);
        }
    }
    return nullptr;
}

}  // namespace vantrel::testing

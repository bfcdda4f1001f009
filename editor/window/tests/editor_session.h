// An editor session on a program folder of its own, and helpers that read and work the editor's
// widgets, for the window tests.
#pragma once

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QTreeWidget>
#include <QtTest>
#include <memory>
#include <string>

#include "editor_window.h"
#include "launcher_window.h"
#include "scripted_prompts.h"
#include "temp_folder.h"
#include "user_input.h"

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

    // Presses the launcher's editor button.
    EditorWindow* open() {
        ClickButton(launcher.get(), "Command1");
        return launcher->editor();
    }
};

// The editor opened on the session's folder, with its widgets at hand.
struct Editor {
    Session session;
    EditorWindow* window = session.open();
    QListWidget* airports = Child<QListWidget>(window, "List1");
    QListWidget* sids = Child<QListWidget>(window, "List2");
    QListWidget* stars = Child<QListWidget>(window, "List3");
    QTreeWidget* legs = Child<QTreeWidget>(window, "ListView1");

    // The editor is the active window, as it is for a user working in it.
    Editor() {
        session.prompts.clearShown();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window)) {
            qFatal("the editor window did not become active");
        }
    }

    // Right-clicks the list that the menu belongs to, on its selected row or below its rows, and
    // clicks the menu's item.
    void command(const char* menu, const char* item) {
        auto* list = Child<QAbstractItemView>(window, MenuList(menu));
        const QModelIndexList selected = list->selectionModel()->selectedIndexes();
        RightClick(list, selected.isEmpty() ? QPoint(5, list->viewport()->height() - 5)
                                            : list->visualRect(selected.first()).center());
        ClickMenuItem(Child<QMenu>(window, menu), item);
    }
    std::string file(const char* relative) const {
        return ReadBytes(session.folder.path() / relative);
    }
    bool exists(const char* relative) const {
        return std::filesystem::exists(session.folder.path() / relative);
    }
    void selectAirport(const QString& code) {
        ClickRow(airports, airports->row(airports->findItems(code, Qt::MatchExactly).value(0)));
    }
    void selectLeg(int row) { ClickRow(legs, row); }

    static const char* MenuList(const char* menu) {
        const std::string name = menu;
        return name == "mnuAirport" ? "List1"
               : name == "mnuSID"   ? "List2"
               : name == "mnuSTAR"  ? "List3"
               : name == "mnuLEG"   ? "ListView1"
                                    : "List4";
    }
    const ShownPrompt& lastPrompt() const { return session.prompts.shown().back(); }
};

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

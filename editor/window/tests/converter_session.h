// The converter window opened from the launcher on a program folder of its own, with helpers that
// read its widgets, for the converter's and the import's window tests.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "converter_window.h"
#include "launcher_window.h"
#include "scripted_prompts.h"
#include "temp_folder.h"
#include "user_input.h"

namespace vantrel::testing {

struct ConverterSession {
    TempFolder folder;
    ScriptedPrompts prompts;
    AppContext context{folder.path(), prompts};
    std::unique_ptr<LauncherWindow> launcher;
    QPointer<ConverterWindow> window;

    // The folder holds `files` (name, bytes) when the launcher's converter button is pressed.
    explicit ConverterSession(const std::vector<std::pair<std::string, std::string>>& files) {
        for (const auto& [name, bytes] : files) {
            folder.write(name, bytes);
        }
        launcher = std::make_unique<LauncherWindow>(context);
        launcher->show();
        ClickButton(launcher.get(), "Command2");
        window = launcher->converter();
    }
    ~ConverterSession() { delete window; }

    template <typename T>
    T* child(const char* name) const {
        T* found = window->findChild<T*>(name);
        if (!found) {
            qFatal("no child %s", name);
        }
        return found;
    }
    QString text(const char* label) const { return child<QLabel>(label)->text(); }
    QStringList items(const char* list) const {
        QStringList texts;
        for (int i = 0; i < child<QListWidget>(list)->count(); ++i) {
            texts << child<QListWidget>(list)->item(i)->text();
        }
        return texts;
    }
};

}  // namespace vantrel::testing

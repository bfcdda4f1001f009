// vantrel-screenshot FILE: opens the editor on the program folder beside it, answers the warning,
// selects the first airport and its first SID, opens the map, and writes PNG pictures of the
// editor to FILE and of the map to FILE with "-map" before its extension.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPixmap>
#include <cstdio>

#include "editor_window.h"
#include "launcher_window.h"
#include "map_window.h"
#include "scripted_prompts.h"
#include "text_codec.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vantrel-screenshot FILE.png\n");
        return 64;
    }
    vantrel::ScriptedPrompts prompts;
    vantrel::AppContext context{vantrel::ToPath(QCoreApplication::applicationDirPath()), prompts};
    vantrel::LauncherWindow launcher(context);
    launcher.show();
    launcher.Command1_Click();
    vantrel::EditorWindow* editor = launcher.editor();

    auto* airports = editor->findChild<QListWidget*>("List1");
    auto* sids = editor->findChild<QListWidget*>("List2");
    if (airports->count() > 0) {
        airports->setCurrentRow(0);
    }
    if (sids->count() > 0) {
        sids->setCurrentRow(0);
    }
    editor->mnuShowMap_Click();
    QApplication::processEvents();

    const QString file = QString::fromLocal8Bit(argv[1]);
    const QFileInfo info(file);
    const QString suffix = info.suffix().isEmpty() ? QString() : "." + info.suffix();
    const QString mapFile = info.dir().filePath(info.completeBaseName() + "-map" + suffix);
    for (const auto& [window, name] : {std::pair<QWidget*, QString>{editor, file},
                                       std::pair<QWidget*, QString>{editor->map(), mapFile}}) {
        if (!window->grab().save(name, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", name.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}

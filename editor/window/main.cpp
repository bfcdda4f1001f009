// Vantrel: the editor of SID and STAR procedures for vasFMC. It starts with the launcher; the
// program folder is the folder of the executable.
#include <QApplication>

#include "launcher_window.h"
#include "qt_prompts.h"
#include "text_codec.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vantrel::QtPrompts prompts;
    vantrel::AppContext context{vantrel::ToPath(QCoreApplication::applicationDirPath()), prompts};
    vantrel::LauncherWindow launcher(context);
    launcher.show();
    return app.exec();
}

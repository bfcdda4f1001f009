#include "converter_window.h"

#include <QCloseEvent>

namespace vantrel {

ConverterWindow::ConverterWindow(QWidget* launcher) : launcher_(launcher) {
    setObjectName("frmConvert");
    setWindowTitle("VANTREL");
    setAttribute(Qt::WA_DeleteOnClose);
    resize(480, 360);
    if (launcher_) {
        launcher_->hide();
    }
}

void ConverterWindow::closeEvent(QCloseEvent* event) {
    if (launcher_) {
        launcher_->show();
    }
    event->accept();
}

}  // namespace vantrel

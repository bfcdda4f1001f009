#include "load_window.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace vantrel {

LoadWindow::LoadWindow() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("frmLoad");
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    auto* title = new QLabel("Loading Airports...", frame);
    title->setObjectName("Label1");
    QFont bold("Tahoma", 10, QFont::Bold);
    title->setFont(bold);
    pBar1 = new QProgressBar(frame);
    pBar1->setObjectName("pBar1");
    pBar1->setTextVisible(false);
    auto* wait = new QLabel("Please wait!", frame);
    wait->setObjectName("Label2");

    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(title);
    inner->addWidget(pBar1);
    inner->addWidget(wait);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    setFixedSize(320, 110);
}

}  // namespace vantrel

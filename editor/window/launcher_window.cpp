#include "launcher_window.h"

#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "converter_window.h"
#include "editor_window.h"
#include "twips.h"

namespace vantrel {
namespace {

// The launcher's picture: a dusk sky over a runway, drawn rather than stored.
QPixmap LauncherPicture(QSize size) {
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0.0, QColor(12, 28, 66));
    sky.setColorAt(0.7, QColor(58, 96, 160));
    sky.setColorAt(1.0, QColor(236, 170, 96));
    painter.fillRect(picture.rect(), sky);
    const int horizon = size.height() * 3 / 4;
    painter.fillRect(0, horizon, size.width(), size.height() - horizon, QColor(40, 44, 40));
    const int centre = size.width() / 2;
    QPolygon runway({{centre - 30, horizon},
                     {centre + 30, horizon},
                     {centre + 170, size.height()},
                     {centre - 170, size.height()}});
    painter.setBrush(QColor(70, 70, 74));
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(runway);
    painter.setPen(QPen(Qt::white, 2, Qt::DashLine));
    painter.drawLine(centre, horizon + 2, centre, size.height());
    QFont title("Tahoma", 30, QFont::Bold);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 20, size.width(), 60), Qt::AlignCenter, "VANTREL");
    QFont subtitle("Tahoma", 10);
    painter.setFont(subtitle);
    painter.drawText(QRect(0, 80, size.width(), 24), Qt::AlignCenter,
                     "Terminal procedures for vasFMC");
    return picture;
}

// A push button whose long caption wraps onto several lines, as the launcher's large buttons need.
class WrappingButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        painter.setFont(font());
        painter.drawText(rect().adjusted(8, 4, -8, -4), Qt::AlignCenter | Qt::TextWordWrap, text());
    }
};

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect rect) {
    auto* button = new WrappingButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(rect);
    QFont font("Tahoma");
    font.setPointSizeF(15.75);
    button->setFont(font);
    return button;
}

}  // namespace

LauncherWindow::LauncherWindow(AppContext& context) : context_(context) {
    setObjectName("frmMain");
    setWindowTitle("VANTREL");
    setFixedSize(TwipsSize(7590, 4560));

    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setGeometry(0, 0, width(), Twips(2880));
    image->setPixmap(LauncherPicture(image->size()));
    auto* line = new QFrame(this);
    line->setObjectName("Line1");
    line->setFrameShape(QFrame::HLine);
    line->setGeometry(0, Twips(2960), width(), 2);

    auto* command1 = MakeButton(this, "Command1", "Create Terminal Procedures for vasFMC",
                                TwipsRect(120, 3120, 3495, 1335));
    auto* command2 = MakeButton(this, "Command2", "Convert FSNavigator SIDs/STARs to vasFMC",
                                TwipsRect(3960, 3120, 3495, 1335));
    connect(command1, &QPushButton::clicked, this, &LauncherWindow::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &LauncherWindow::Command2_Click);
}

void LauncherWindow::Command1_Click() {
    if (editor_) {
        editor_->raise();
        return;
    }
    editor_ = new EditorWindow(context_, this);
    editor_->Form_Load();
    editor_->show();
}

void LauncherWindow::Command2_Click() {
    if (converter_) {
        converter_->raise();
        return;
    }
    converter_ = new ConverterWindow(context_.programFolder, context_.prompts, this);
    converter_->show();
}

}  // namespace vantrel

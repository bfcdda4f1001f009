#include "map_window.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <algorithm>

namespace vantrel {
namespace {

constexpr const char* kCaption = "VANTREL - Map";
constexpr const char* kSaveTitle = "Save Picture";
constexpr int kListedLines = 5;

// Paints the map at its own size, so that the map grows with the window.
class MapView : public QWidget {
  public:
    MapView(const MapContent& content, QWidget* parent) : QWidget(parent), content_(content) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).drawImage(0, 0, DrawMap(content_, size()));
    }

  private:
    const MapContent& content_;
};

// "SID: LHBP" with "BADOV1D @ 13R" gives SID-LHBP-BADOV1D-13R.png, in the user's pictures folder.
QString SuggestedFile(const MapContent& content) {
    QString name = content.title.isEmpty() ? QString("map") : content.title;
    if (!content.procedure.isEmpty()) {
        name += "-" + content.procedure;
    }
    name.replace(": ", "-");
    name.replace(" @ ", "-");
    name.replace(QRegularExpression(R"([\\/:*?"<>|\s])"), "_");
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty()) {
        folder = QDir::homePath();
    }
    return QDir(folder).filePath(name + ".png");
}

}  // namespace

MapWindow::MapWindow(AppContext& context) : context_(context) {
    setObjectName("frmMap");
    setWindowTitle(kCaption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(QFont("Tahoma", 8));

    Picture1 = new MapView(content_, this);
    Picture1->setObjectName("Picture1");
    // Small enough to fit beside the editor on a narrow screen.
    Picture1->setMinimumSize(200, 160);
    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setStyleSheet("color: red;");
    List1->setSelectionMode(QAbstractItemView::NoSelection);
    List1->setFocusPolicy(Qt::NoFocus);
    List1->hide();
    Command1 = new QPushButton("Save Picture...", this);
    Command1->setObjectName("Command1");
    connect(Command1, &QPushButton::clicked, this, &MapWindow::Command1_Click);
    Command1->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(Picture1, 1);
    layout->addWidget(List1);
    layout->addLayout(buttons);
    resize(640, 600);
}

void MapWindow::setContent(MapContent content) {
    content_ = std::move(content);
    const QString heading = MapHeading(content_);
    setWindowTitle(heading.isEmpty() ? kCaption : QString(kCaption) + " - " + heading);
    List1->clear();
    for (const UnusableLeg& leg : PlaceLegs(content_.legs).unusable) {
        auto* item = new QListWidgetItem(leg.text, List1);
        // The selected leg's line stands out.
        if (leg.row == content_.selectedRow) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
    }
    // As high as its lines, up to five of them; it scrolls beyond that.
    if (List1->count() > 0) {
        List1->setFixedHeight(std::min(List1->count(), kListedLines) * List1->sizeHintForRow(0) +
                              2 * List1->frameWidth());
    }
    List1->setVisible(List1->count() > 0);
    // Without a procedure there is nothing to save.
    Command1->setEnabled(!content_.procedure.isEmpty());
    Picture1->update();
}

QImage MapWindow::picture() const {
    return DrawMap(content_, Picture1->size());
}

void MapWindow::Command1_Click() {
    QString file = context_.prompts.saveFileName(this, kSaveTitle, SuggestedFile(content_),
                                                 "PNG picture (*.png)");
    if (file.isEmpty()) {
        return;
    }
    if (QFileInfo(file).suffix().isEmpty()) {
        file += ".png";
    }
    // Written beside the file and renamed over it when whole, so a failure leaves the old file.
    QSaveFile out(file);
    if (out.open(QIODevice::WriteOnly) && picture().save(&out, "PNG") && out.commit()) {
        return;
    }
    context_.prompts.message(this,
                             "The picture could not be written to " +
                                 QDir::toNativeSeparators(file) + ": " + out.errorString(),
                             kSaveTitle, PromptButtons::Ok, PromptIcon::Exclamation);
}

}  // namespace vantrel

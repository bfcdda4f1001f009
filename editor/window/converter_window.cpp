#include "converter_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "conversion_report_text.h"
#include "convert_folder.h"
#include "edit_messages.h"
#include "event_pump.h"
#include "folder_listing.h"
#include "launcher_return.h"
#include "text_codec.h"

namespace vantrel {
namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

}  // namespace

ConverterWindow::ConverterWindow(std::filesystem::path programFolder, Prompts& prompts,
                                 QWidget* launcher)
    : programFolder_(std::move(programFolder)), prompts_(prompts), launcher_(launcher) {
    setObjectName("frmConvert");
    setWindowTitle("VANTREL");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(QFont("Tahoma", 9));

    auto* label1 =
        MakeLabel(this, "Label1",
                  "This tool convert the FSNavigator SIDs and STARs to vasFMC SID/STAR format. ");
    auto* label2 = MakeLabel(
        this, "Label2",
        "WARNING! THE FSNAV SID/STAR FILES MUST BE COPIED THE SAME DIRECTORY WITH THIS TOOL!");
    QFont bold = font();
    bold.setBold(true);
    label2->setFont(bold);
    File1 = new QListWidget(this);
    File1->setObjectName("File1");
    Label3 = MakeLabel(this, "Label3", "Progress:");
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setTextVisible(false);
    Label4 = MakeLabel(this, "Label4", "Current file:");
    Label5 = MakeLabel(this, "Label5", "Current Airport:");
    Label6 = MakeLabel(this, "Label6", QString());
    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setMaximumHeight(90);
    Command2 = new QPushButton("Convert", this);
    Command2->setObjectName("Command2");
    connect(Command2, &QPushButton::clicked, this, &ConverterWindow::Command2_Click);
    Check1 = new QCheckBox("Import enroute transitions", this);
    Check1->setObjectName("Check1");
    Check1->setChecked(true);
    Command3 = new QPushButton("Import ARINC 424...", this);
    Command3->setObjectName("Command3");
    connect(Command3, &QPushButton::clicked, this, &ConverterWindow::Command3_Click);

    auto* layout = new QVBoxLayout(this);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             label1, label2, File1, Label3, ProgressBar1, Label4, Label5, Label6, List1}) {
        layout->addWidget(widget);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Check1);
    buttons->addStretch();
    buttons->addWidget(Command3);
    buttons->addWidget(Command2);
    layout->addLayout(buttons);
    resize(520, 520);
    Form_Load();
}

void ConverterWindow::Form_Load() {
    listProgramFolder();
    if (launcher_) {
        launcher_->hide();
    }
}

std::vector<std::string> ConverterWindow::listProgramFolder() {
    std::vector<std::string> names = OrdinaryFileNames(programFolder_);
    File1->clear();
    for (const std::string& name : names) {
        File1->addItem(ToQt(name));
    }
    return names;
}

void ConverterWindow::Command2_Click() {
    running_ = true;
    Command2->setEnabled(false);
    Command3->setEnabled(false);
    Label6->clear();
    List1->clear();
    // Files copied into the folder while the window was open are converted too.
    const std::vector<std::string> names = listProgramFolder();
    // One step per listed file; the bar is full when the last file is done.
    ProgressBar1->setRange(0, std::max(static_cast<int>(names.size()), 1));
    ProgressBar1->setValue(0);
    EventPump pump;
    pump.flush();

    ConversionObserver observer;
    observer.fileStarted = [&](std::string_view name) {
        Label4->setText("Current file: " + ToQt(name));
        // Until the file names its airport, no airport is shown beside it.
        Label5->setText("Current Airport:");
        pump();
    };
    observer.airportStarted = [&](std::string_view code) {
        Label5->setText("Current Airport: " + ToQt(code));
        pump();
    };
    observer.betweenLines = [&] { pump(); };
    observer.nameDone = [&] {
        ProgressBar1->setValue(ProgressBar1->value() + 1);
        pump();
    };
    const ConversionReport report = ConvertFolder(programFolder_, names, observer);

    ProgressBar1->setValue(ProgressBar1->minimum());
    Label3->setText("COMPLETED!");
    showReport(report);
    Command2->setEnabled(true);
    Command3->setEnabled(true);
    running_ = false;
}

void ConverterWindow::showReport(const ConversionReport& report) {
    Label6->setText(ToQt(ConversionSummary(report)));
    for (const SkippedFile& skipped : report.skipped) {
        List1->addItem(ToQt(SkippedFileLine(skipped, programFolder_)));
    }
}

void ConverterWindow::closeEvent(QCloseEvent* event) {
    CloseBackToLauncher(event, running_, launcher_);
}

}  // namespace vantrel

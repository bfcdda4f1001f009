// The converter window's ARINC 424 import: the file chooser, the airport codes, the replace
// question asked once for the run, the progress over the file and then over the airports, and
// the report.
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>

#include "airport_edits.h"
#include "arinc_import.h"
#include "converter_window.h"
#include "event_pump.h"
#include "import_report_text.h"
#include "text_codec.h"

namespace vantrel {
namespace {

const QString kImportTitle = "Import ARINC 424";

}  // namespace

void ConverterWindow::Command3_Click() {
    // The chooser starts in the folder of the file chosen last, else in the program folder.
    const QString file = prompts_.openFileName(
        this, kImportTitle, importFolder_.isEmpty() ? FromPath(programFolder_) : importFolder_,
        "ARINC 424 files (*)");
    if (file.isEmpty()) {
        return;
    }
    importFolder_ = QFileInfo(file).absolutePath();
    // Cancel gives an empty text, which imports nothing; ALL stands for every airport.
    const QString typed = prompts_.input(
        this, "Airport codes to import, separated by blanks, or ALL for every airport of the file:",
        kImportTitle, "ALL");
    const QStringList codes = typed.split(QRegularExpression("[\\s,;]+"), Qt::SkipEmptyParts);
    if (codes.isEmpty()) {
        return;
    }
    std::vector<std::string> airports;
    for (const QString& code : codes) {
        if (codes.size() == 1 && code.compare("ALL", Qt::CaseInsensitive) == 0) {
            break;
        }
        airports.push_back(FromQt(code.toUpper()));
        // A code becomes a file name in the sid and star folders.
        if (const auto unsafe = UnsafeFileNamePart(airports.back())) {
            prompts_.message(this,
                             code + " is not an airport code: it holds " + ToQt(*unsafe) + ".",
                             kImportTitle, PromptButtons::Ok, PromptIcon::Exclamation);
            return;
        }
    }
    importArinc(file, airports);
}

void ConverterWindow::importArinc(const QString& file, const std::vector<std::string>& airports) {
    running_ = true;
    Command2->setEnabled(false);
    Command3->setEnabled(false);
    // Nothing of an earlier run stays on screen.
    Label6->clear();
    List1->clear();
    Label4->setText("Current file: " + QFileInfo(file).fileName());
    Label5->setText("Current Airport:");
    ProgressBar1->setRange(0, 1000);
    ProgressBar1->setValue(0);
    EventPump pump;
    pump.flush();

    ImportOptions options;
    options.airports = airports;
    options.enrouteTransitions = Check1->isChecked();
    options.askReplace = [this](std::string_view airport) {
        return prompts_.message(this,
                                "Airport " + ToQt(airport) +
                                    " already has procedure files, and other airports of the "
                                    "file may have them too. Replace the files of every such "
                                    "airport?",
                                kImportTitle, PromptButtons::YesNo,
                                PromptIcon::Exclamation) == PromptAnswer::Yes;
    };
    ImportObserver observer;
    // The bar goes over the file while it is read, then over its airports while they are written.
    observer.reading = [&](std::uintmax_t read, std::uintmax_t size) {
        ProgressBar1->setValue(size == 0 ? 1000 : static_cast<int>(read * 1000 / size));
        pump();
    };
    // The airport's name changes only when the window is about to be drawn, and once more at the
    // end: setting it for each of thousands of airports would cost more than their import.
    std::string airport;
    const auto showAirport = [&] {
        if (!airport.empty()) {
            Label5->setText("Current Airport: " + ToQt(airport));
        }
    };
    observer.writing = [&](std::string_view next, std::size_t done, std::size_t count) {
        if (!next.empty()) {
            airport = next;
        }
        ProgressBar1->setValue(count == 0 ? 1000 : static_cast<int>(done * 1000 / count));
        if (pump.due()) {
            showAirport();
            pump.flush();
        }
    };
    observer.betweenSteps = [&] { pump(); };
    const ImportReport report = ImportArinc(programFolder_, ToPath(file), options, observer);
    showAirport();
    pump.flush();  // the time since the last batch counts too
    importLongestGapMs_ = pump.longestGapMs();

    ProgressBar1->setValue(ProgressBar1->minimum());
    Label3->setText("COMPLETED!");
    const std::vector<std::string> lines =
        ImportReportLines(report, programFolder_, FromQt(QFileInfo(file).fileName()));
    Label6->setText(ToQt(lines.front()));
    for (std::size_t i = 1; i < lines.size(); ++i) {
        List1->addItem(ToQt(lines[i]));
    }
    Command2->setEnabled(true);
    Command3->setEnabled(true);
    running_ = false;
}

}  // namespace vantrel

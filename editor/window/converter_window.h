// frmConvert: the converter window, opened from the launcher. It lists the files of the program
// folder and converts every FSNavigator SID/STAR file among them (names containing ".ss") into
// the sid and star folders in one run, showing its progress; it also imports the SIDs and STARs
// of an ARINC 424 file. It hides the launcher while it is open and shows it again when it closes.
#pragma once

#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <string>
#include <vector>

#include "prompts.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace vantrel {

struct ConversionReport;

class ConverterWindow : public QWidget {
    Q_OBJECT
  public:
    ConverterWindow(std::filesystem::path programFolder, Prompts& prompts, QWidget* launcher);

    void Form_Load();
    void Command2_Click();
    // Import ARINC 424...: asks for the file and the airport codes, then imports.
    void Command3_Click();

    // The longest time between two processed event batches during the last import.
    qint64 importLongestGapMs() const { return importLongestGapMs_; }

  protected:
    // Shows the launcher again; a close request during a run is refused, as the run still uses
    // the window.
    void closeEvent(QCloseEvent* event) override;

  private:
    // Lists the program folder's files in File1 and returns their names.
    std::vector<std::string> listProgramFolder();
    void showReport(const ConversionReport& report);
    void importArinc(const QString& file, const std::vector<std::string>& airports);

    std::filesystem::path programFolder_;
    Prompts& prompts_;
    QPointer<QWidget> launcher_;
    bool running_ = false;
    qint64 importLongestGapMs_ = 0;
    QString
        importFolder_;  // the folder of the ARINC 424 file chosen last, while the window is open

    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;  // how many files were converted, and the skipped ones in List1
    QProgressBar* ProgressBar1;
    QListWidget* File1;
    QListWidget* List1;
    QPushButton* Command2;
    QCheckBox* Check1;  // import the enroute transitions too
    QPushButton* Command3;
};

}  // namespace vantrel

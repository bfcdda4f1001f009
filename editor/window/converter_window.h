// frmConvert: the converter window, opened from the launcher. It lists the files of the program
// folder and converts every FSNavigator SID/STAR file among them (names containing ".ss") into
// the sid and star folders in one run, showing its progress. It hides the launcher while it is
// open and shows it again when it closes.
#pragma once

#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace vantrel {

struct ConversionReport;

class ConverterWindow : public QWidget {
    Q_OBJECT
  public:
    ConverterWindow(std::filesystem::path programFolder, QWidget* launcher);

    void Form_Load();
    void Command2_Click();

  protected:
    // Shows the launcher again; a close request during a run is refused, as the run still uses
    // the window.
    void closeEvent(QCloseEvent* event) override;

  private:
    // Lists the program folder's files in File1 and returns their names.
    std::vector<std::string> listProgramFolder();
    void showReport(const ConversionReport& report);

    std::filesystem::path programFolder_;
    QPointer<QWidget> launcher_;
    bool running_ = false;

    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;  // how many files were converted, and the skipped ones in List1
    QProgressBar* ProgressBar1;
    QListWidget* File1;
    QListWidget* List1;
    QPushButton* Command2;
};

}  // namespace vantrel

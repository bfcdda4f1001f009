// frmNew: the editor window. It lists the airports, the SIDs and STARs of the selected airport and
// the legs of the selected procedure, and pops up the commands of each list.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string>
#include <vector>

#include "app_context.h"
#include "procedure_kind.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTreeWidget;

namespace vantrel {

class EditorWindow : public QWidget {
    Q_OBJECT
  public:
    // The launcher is hidden while the editor loads and shown again when it closes.
    EditorWindow(AppContext& context, QWidget* launcher);

    // Builds the airport catalogue with the progress window and gives the warning that every
    // change takes effect at once. Runs before the window is first shown.
    void Form_Load();

    // Longest time between two processed event batches during the last catalogue build.
    qint64 loadLongestGapMs() const { return loadLongestGapMs_; }

    void List1_Click();
    void List2_Click();
    void List3_Click();
    void Text2_Change();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createNavigationArea();
    void createFinderArea();
    void createMenus();
    void LoadAirportList();
    void showProcedure(ProcedureKind kind);
    std::string selectedAirport() const;

    AppContext& context_;
    QPointer<QWidget> launcher_;
    qint64 loadLongestGapMs_ = 0;

    QLineEdit* Text2;
    QListWidget* List1;
    QListWidget* List2;
    QListWidget* List3;
    QLabel* Label7;
    QTreeWidget* ListView1;
    QPushButton* Command3;
    QPushButton* Command4;
    QGroupBox* Frame2;
    QListWidget* List4;

    QMenu* mnuAirport;
    QMenu* mnuSID;
    QMenu* mnuSTAR;
    QMenu* mnuLEG;
    QMenu* mnuFinder;
};

// Row of the selected entry of a list, -1 when none is selected.
int SelectedRow(const QListWidget* list);
// Texts of every entry of a list, as the core reads them.
std::vector<std::string> ListTexts(const QListWidget* list);

}  // namespace vantrel

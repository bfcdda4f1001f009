// frmNew: the editor window. It lists the airports, the SIDs and STARs of the selected airport and
// the legs of the selected procedure, and pops up the commands of each list.
#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "app_context.h"
#include "entry_list.h"
#include "leg_row.h"
#include "procedure_kind.h"
#include "rewrite_protocol.h"
#include "shown_procedure.h"
#include "stretch_layout.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTreeWidget;

namespace vantrel {

class FixDialog;
class MapWindow;
class PbdDialog;
class ProcedureDialog;

class EditorWindow : public QWidget {
    Q_OBJECT
  public:
    // The launcher is hidden while the editor loads and shown again when it closes.
    EditorWindow(AppContext& context, QWidget* launcher);
    // An open dialog goes with the window.
    ~EditorWindow() override;

    // Builds the airport catalogue with the progress window and gives the warning that every
    // change takes effect at once. Runs before the window is first shown.
    void Form_Load();

    // Longest time between two processed event batches during the last catalogue build.
    qint64 loadLongestGapMs() const { return loadLongestGapMs_; }

    void List1_Click();
    void List2_Click();
    void List3_Click();
    void Text2_Change();

    // Airport commands.
    void mnuNewAirport_Click();
    void mnuDelSelectedAirport_Click();
    void mnuApFix_Click();

    // Procedure commands; edit and add open frmProcModify.
    void mnuEditSID_Click() { editProcedure(ProcedureKind::Sid); }
    void mnuNewSID_Click() { newProcedure(ProcedureKind::Sid); }
    void mnuDelSID_Click() { deleteProcedure(ProcedureKind::Sid); }
    void mnuEditSTAR_Click() { editProcedure(ProcedureKind::Star); }
    void mnuNewSTAR_Click() { newProcedure(ProcedureKind::Star); }
    void mnuDelSTAR_Click() { deleteProcedure(ProcedureKind::Star); }

    // Leg commands; edit and add open frmFIX.
    void Command3_Click() { moveLeg(-1); }
    void Command4_Click() { moveLeg(+1); }
    void mnuEditLeg_Click();
    void mnuNewFIX_Click();
    void mnuDelLEG_Click();

    // Writes the legs list into the shown procedure's file; none when no procedure is shown.
    std::optional<RewriteStatus> RewriteLegs();

    // The procedure whose legs are shown; none before the first one is loaded and after it was
    // deleted.
    const std::optional<ShownProcedure>& shownProcedure() const { return shown_; }

    // Waypoint finder: Enter in Combo1 searches as Command1 does.
    void Combo1_Change();
    void Command1_Click();
    void Command2_Click();
    void List4_DblClick();
    void Combo1_Click();

    // Place/bearing/distance calculator: opens frmPBD from the selected result line or leg.
    void mnuPBD_Click();
    void mnuPBDWP_Click();

    // Map preview: opens frmMap beside the editor, or brings it to the front; also Ctrl+M.
    void mnuShowMap_Click();
    // The open map preview; none when it is closed.
    MapWindow* map() const;

    // Longest time between two processed event batches during the last search.
    qint64 searchLongestGapMs() const { return searchLongestGapMs_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void createNavigationArea();
    void createFinderArea();
    void createMenus();
    void createLayout();
    void LoadAirportList();
    void showProcedure(ProcedureKind kind);
    // Empties the legs list and the legs label: no procedure is shown.
    void clearShownProcedure();
    // The procedure the list selection names: the selected airport and the selected entry of
    // that kind's list with its occurrence number; none when nothing of that kind is selected.
    std::optional<ShownProcedure> selectedProcedure(ProcedureKind kind) const;
    // The shown procedure, when the lists still select it; otherwise tells the user why nothing
    // can be written into it (when none is shown, under `title`) and gives none.
    const ShownProcedure* shownProcedureToChange(const QString& title);
    std::string selectedAirport() const;
    EntryList* procedureList(ProcedureKind kind) const;
    // Selects the procedure's row in its list, without loading it; false when the list does not
    // hold it.
    bool selectEntry(const ShownProcedure& procedure);

    void editProcedure(ProcedureKind kind);
    void newProcedure(ProcedureKind kind);
    void deleteProcedure(ProcedureKind kind);
    ProcedureDialog* openProcedureDialog(const QString& mode, const QString& prompt);
    void procedureDialogOk(ProcedureDialog* dialog);

    void moveLeg(int direction);
    FixDialog* openFixDialog(const QString& mode, const QString& prompt);
    void fixDialogOk(FixDialog* dialog);
    // Writes the changed legs list into the file; when it cannot be written, the former legs and
    // selected row are shown again, so that the list shows what the file holds, and then the
    // user is told why.
    bool rewriteLegsOrRestore(const std::vector<LegRow>& former, int formerSelected);
    // The same with the window disabled meanwhile.
    bool rewriteLegsDisabled(const std::vector<LegRow>& former, int formerSelected);

    // Appends the NavRecord's leg to the shown procedure and writes it; false, telling the user
    // why, when there is no procedure to add it to or the line holds no leg.
    bool insertNavRecord(const QString& record);
    void addToHistory(const QString& record);

    void openPbdDialog(LegRow source);
    void pbdDialogOk(PbdDialog* dialog);

    // Hands the map, when it is open, what the legs list and its label show now.
    void refreshMap();
    void placeBeside(QWidget* window) const;

    std::vector<LegRow> shownLegs() const;
    void showLegs(const std::vector<LegRow>& legs);
    int selectedLeg() const;
    void selectLeg(int row);

    AppContext& context_;
    QPointer<QWidget> launcher_;
    qint64 loadLongestGapMs_ = 0;
    qint64 searchLongestGapMs_ = 0;
    bool searching_ = false;
    // The known point of the calculator: name, latitude and longitude texts.
    LegRow pbdSource_;

    QLineEdit* Text2;
    EntryList* List1;
    EntryList* List2;
    EntryList* List3;
    QLabel* Label7;
    QLabel* Label12;  // notes on the selected airport's files
    QTreeWidget* ListView1;
    QPushButton* Command3;
    QPushButton* Command4;
    QGroupBox* Frame2;
    QComboBox* Combo1;
    QPushButton* Command1;
    QPushButton* Command2;
    QListWidget* List4;
    QFrame* Frame1;

    QMenu* mnuAirport;
    QMenu* mnuSID;
    QMenu* mnuSTAR;
    QMenu* mnuLEG;
    QMenu* mnuFinder;

    QPointer<QWidget> dialog_;
    QPointer<MapWindow> map_;
    std::optional<ShownProcedure> shown_;
    // The lists grow with the window; the layout in twips is its smallest size.
    StretchLayout layout_;
};

// Texts of every entry of a list, as the core reads them.
std::vector<std::string> ListTexts(const QListWidget* list);

}  // namespace vantrel

// The editor window's waypoint finder: searching vasFMC's navigation data, emptying the search
// cache, and adding a found waypoint, or one from the insertion history, as a leg of the shown
// procedure.
#include <QAbstractItemView>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>

#include "edit_messages.h"
#include "editor_window.h"
#include "event_pump.h"
#include "leg_list.h"
#include "nav_record.h"
#include "nav_search.h"
#include "search_cache.h"
#include "text_codec.h"

namespace vantrel {
namespace {

constexpr int kHistoryLength = 10;
constexpr const char* kFinderTitle = "WAYPOINT FINDER";

// Keys that step through the drop-down list of a closed combo box.
bool StepsThroughList(const QKeyEvent* key) {
    if (key->modifiers() & Qt::AltModifier) {
        return false;  // Alt+Down opens the list
    }
    switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        default:
            return false;
    }
}

}  // namespace

void EditorWindow::Combo1_Change() {
    const QString upper = Combo1->currentText().toUpper();
    if (upper != Combo1->currentText()) {
        Combo1->setEditText(upper);
    }
    Combo1->lineEdit()->setCursorPosition(static_cast<int>(upper.size()));
}

void EditorWindow::Command1_Click() {
    List4->clear();
    Frame1->show();
    Frame1->raise();
    setEnabled(false);
    searching_ = true;
    EventPump pump;
    pump.flush();

    NavSearchObserver observer;
    observer.added = [this](const std::string& record) { List4->addItem(ToQt(record)); };
    observer.removed = [this](std::size_t row) { delete List4->takeItem(static_cast<int>(row)); };
    observer.betweenLines = [&pump] { pump(); };
    const NavSearchResult result =
        SearchNavData(context_.programFolder, FromQt(Combo1->currentText()), observer);
    pump.flush();
    searchLongestGapMs_ = pump.longestGapMs();
    searching_ = false;

    if (result.error != NavSearchError::None) {
        context_.prompts.message(this, ToQt(NavSearchErrorText(result.error)), "Error!",
                                 PromptButtons::Ok, PromptIcon::Exclamation);
    }
    setEnabled(true);
    Frame1->hide();
}

void EditorWindow::Command2_Click() {
    if (context_.prompts.message(this, "Are you sure you want to delete the cache file?", "Confirm",
                                 PromptButtons::OkCancel, PromptIcon::None) == PromptAnswer::Ok) {
        if (!EmptySearchCache(context_.programFolder)) {
            context_.prompts.message(this, CacheNotDeletedText(), kNotDeletedTitle,
                                     PromptButtons::Ok, PromptIcon::Exclamation);
        }
    }
}

void EditorWindow::List4_DblClick() {
    const int row = SelectedRow(List4);
    if (row < 0) {
        return;
    }
    const QString record = List4->item(row)->text();
    if (insertNavRecord(record)) {
        addToHistory(record);
    }
}

void EditorWindow::Combo1_Click() {
    const QString record = Combo1->currentText();
    if (record.isEmpty()) {
        return;
    }
    insertNavRecord(record);
    Combo1->setEditText(QString());
}

bool EditorWindow::insertNavRecord(const QString& record) {
    if (!shownProcedureToChange(kFinderTitle)) {
        return false;
    }
    std::optional<LegRow> leg = LegFromNavRecord(FromQt(record));
    if (!leg) {
        context_.prompts.message(
            this, "This line has no latitude and longitude to make a leg of:\r\n" + record,
            kFinderTitle, PromptButtons::Ok, PromptIcon::Exclamation);
        return false;
    }
    const std::vector<LegRow> former = shownLegs();
    std::vector<LegRow> legs = former;
    AddLeg(legs, std::move(*leg));
    showLegs(legs);
    return rewriteLegsDisabled(former, selectedLeg());
}

// Newest first; the oldest entry goes when the history is full. The search box keeps its text.
void EditorWindow::addToHistory(const QString& record) {
    const QString typed = Combo1->currentText();
    if (Combo1->count() >= kHistoryLength) {
        Combo1->removeItem(kHistoryLength - 1);
    }
    Combo1->insertItem(0, record);
    Combo1->setEditText(typed);
    // The drop-down list is as wide as its longest line, so that no line is cut.
    QAbstractItemView* list = Combo1->view();
    list->setTextElideMode(Qt::ElideNone);
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                          list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

bool EditorWindow::eventFilter(QObject* watched, QEvent* event) {
    // Only a choice in the open drop-down list inserts a history entry: the wheel or an arrow key
    // over the closed box would add legs unnoticed.
    if ((watched == Combo1 || watched == Combo1->lineEdit()) && !Combo1->view()->isVisible()) {
        if (event->type() == QEvent::Wheel || (event->type() == QEvent::KeyPress &&
                                               StepsThroughList(static_cast<QKeyEvent*>(event)))) {
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vantrel

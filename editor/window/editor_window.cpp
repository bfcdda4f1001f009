#include "editor_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "airport_catalogue.h"
#include "bare_line_feed.h"
#include "edit_messages.h"
#include "event_pump.h"
#include "launcher_return.h"
#include "load_window.h"
#include "map_window.h"
#include "popup_menu.h"
#include "procedure_entry.h"
#include "procedure_file.h"
#include "procedure_reader.h"
#include "text_codec.h"
#include "twips.h"

namespace vantrel {
namespace {

QFont TahomaFont(double points, bool bold) {
    QFont font("Tahoma");
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

template <typename Widget>
Widget* Place(Widget* widget, const char* name, QRect twipsRect) {
    widget->setObjectName(name);
    widget->setGeometry(twipsRect);
    return widget;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect rect,
                  const QFont& font) {
    auto* label = Place(new QLabel(caption, parent), name, rect);
    label->setFont(font);
    return label;
}

EntryList* MakeList(QWidget* parent, const char* name, QRect rect) {
    auto* list = new EntryList(parent, name);
    list->setGeometry(rect);
    list->setFont(TahomaFont(8.25, false));
    return list;
}

struct MenuItem {
    const char* name;
    const char* caption;
    void (EditorWindow::*command)();
};

QMenu* MakeMenu(EditorWindow* window, const char* name, const char* title,
                std::initializer_list<MenuItem> items) {
    auto* menu = new QMenu(title, window);
    menu->setObjectName(name);
    for (const MenuItem& item : items) {
        QAction* action = menu->addAction(item.caption);
        action->setObjectName(item.name);
        QObject::connect(action, &QAction::triggered, window, item.command);
    }
    return menu;
}

}  // namespace

std::vector<std::string> ListTexts(const QListWidget* list) {
    std::vector<std::string> texts;
    texts.reserve(list->count());
    for (int i = 0; i < list->count(); ++i) {
        texts.push_back(FromQt(list->item(i)->text()));
    }
    return texts;
}

EditorWindow::EditorWindow(AppContext& context, QWidget* launcher)
    : context_(context), launcher_(launcher) {
    setObjectName("frmNew");
    setWindowTitle("VANTREL");
    setAttribute(Qt::WA_DeleteOnClose);
    // The layout's 9975 x 5985 twips and three lines for the notes on the selected airport's
    // files.
    setMinimumSize(TwipsSize(9975, 6795));
    resize(minimumSize());
    createNavigationArea();
    createFinderArea();
    createMenus();
    createLayout();
}

EditorWindow::~EditorWindow() {
    delete map_;
    delete dialog_;
}

void EditorWindow::createNavigationArea() {
    const QFont labelFont = TahomaFont(9.75, true);
    MakeLabel(this, "Label3", "AIRPORTs", TwipsRect(120, 120, 1335, 255), labelFont);
    MakeLabel(this, "Label9", "Quick Search:", TwipsRect(120, 465, 1215, 255),
              TahomaFont(8.25, false));
    Text2 = Place(new QLineEdit(this), "Text2", TwipsRect(120, 675, 1335, 285));
    List1 = MakeList(this, "List1", TwipsRect(120, 950, 1335, 2370));
    MakeLabel(this, "Label2", "SIDs", TwipsRect(1560, 120, 2295, 255), labelFont);
    List2 = MakeList(this, "List2", TwipsRect(1560, 540, 2295, 2760));
    MakeLabel(this, "Label4", "STARs", TwipsRect(3960, 120, 2295, 255), labelFont);
    List3 = MakeList(this, "List3", TwipsRect(3960, 540, 2295, 2760));
    QLabel* legsOf =
        MakeLabel(this, "Label5", "LEGS of ", TwipsRect(6360, 120, 735, 255), labelFont);
    Label7 = MakeLabel(this, "Label7", "", TwipsRect(7200, 120, 2415, 255), labelFont);
    // Where the font is wider than the one the layout was made for, the legs label still follows
    // "LEGS of " directly.
    const int legsOfWidth = legsOf->fontMetrics().horizontalAdvance(legsOf->text());
    if (legsOfWidth > legsOf->width()) {
        legsOf->resize(legsOfWidth, legsOf->height());
        Label7->move(legsOf->geometry().right() + 1, Label7->y());
    }
    Label7->setStyleSheet("color: red;");
    // Below the finder: what is wrong with the selected airport's files, while it is selected, in
    // as many as three lines (fonts differ from system to system), so that the remedy at its end
    // is read too.
    Label12 =
        MakeLabel(this, "Label12", "", TwipsRect(120, 5940, 9735, 765), TahomaFont(8.25, false));
    Label12->setStyleSheet("color: #b00000;");
    Label12->setWordWrap(true);
    Label12->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    ListView1 = Place(new QTreeWidget(this), "ListView1", TwipsRect(6360, 480, 3135, 2820));
    ListView1->setColumnCount(3);
    ListView1->setHeaderLabels({"Name", "Latitude", "Longtitude"});
    ListView1->setRootIsDecorated(false);
    ListView1->setFont(TahomaFont(8.25, false));
    // The last column fills the rest of the list's width.
    ListView1->header()->setMinimumSectionSize(40);
    ListView1->setColumnWidth(0, 60);
    ListView1->setColumnWidth(1, 64);
    ListView1->setColumnWidth(2, 60);

    // The move buttons show an up and a down triangle.
    Command3 = Place(new QPushButton(QString::fromUtf8("\u25B2"), this), "Command3",
                     TwipsRect(9600, 1440, 315, 495));
    Command4 = Place(new QPushButton(QString::fromUtf8("\u25BC"), this), "Command4",
                     TwipsRect(9600, 2040, 315, 495));

    connect(Command3, &QPushButton::clicked, this, &EditorWindow::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &EditorWindow::Command4_Click);
    connect(List1, &EntryList::entryChosen, this, &EditorWindow::List1_Click);
    connect(List2, &EntryList::entryChosen, this, &EditorWindow::List2_Click);
    connect(List3, &EntryList::entryChosen, this, &EditorWindow::List3_Click);
    connect(Text2, &QLineEdit::textChanged, this, &EditorWindow::Text2_Change);
}

void EditorWindow::createFinderArea() {
    Frame2 =
        Place(new QGroupBox("WAYPOINT FINDER", this), "Frame2", TwipsRect(120, 3480, 9735, 2415));
    const QFont font = TahomaFont(8.25, false);
    // Left: the search box, its buttons and the hint on adding. Right: the note on the cache,
    // below the frame's caption line. Below, across the frame: the result list with its format
    // caption.
    MakeLabel(Frame2, "Label8",
              "Enter the name of a WP and press enter:", TwipsRect(120, 240, 4680, 225), font);
    Combo1 = Place(new QComboBox(Frame2), "Combo1", TwipsRect(120, 480, 2175, 315));
    Combo1->setFont(font);
    Combo1->setEditable(true);
    // The drop-down list is the insertion history, kept by the window alone; the box neither
    // adds what is typed to it nor completes typing from it.
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setCompleter(nullptr);
    Combo1->installEventFilter(this);
    Combo1->lineEdit()->installEventFilter(this);
    Command1 = Place(new QPushButton("Search", Frame2), "Command1", TwipsRect(2400, 465, 975, 345));
    Command2 =
        Place(new QPushButton("Empty Cache", Frame2), "Command2", TwipsRect(3480, 465, 1395, 345));
    QLabel* cacheNote = MakeLabel(
        Frame2, "Label1",
        "The search engine uses a cache file for faster searching because the NAVAID database is "
        "very large. If you update the database you have to empty the cache file to make the "
        "search function up to date.",
        TwipsRect(5040, 240, 4575, 780), TahomaFont(6.75, false));
    cacheNote->setWordWrap(true);
    cacheNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    MakeLabel(Frame2, "Label10", "Double click on a waypoint to add to the LEGs list.",
              TwipsRect(120, 825, 4755, 225), font);
    MakeLabel(Frame2, "Label11",
              "Format:   ID | Latitude | Longtitude | Name and/or Country | Facility type",
              TwipsRect(120, 1050, 9495, 225), font);
    List4 = Place(new QListWidget(Frame2), "List4", TwipsRect(120, 1275, 9495, 1020));
    List4->setFont(font);
    List4->setSelectionMode(QAbstractItemView::SingleSelection);
    // The layout above places the frame's first line 240 twips down; where the style draws the
    // caption and its frame line lower than that, everything in the frame moves below the line and
    // the result list gives up the height.
    const int below = std::max(0, Frame2->contentsRect().top() - Twips(240));
    for (QWidget* child : Frame2->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        child->move(child->x(), child->y() + below);
    }
    List4->resize(List4->width(), List4->height() - below);

    // The notice shown over the lists while a search runs.
    Frame1 = Place(new QFrame(this), "Frame1", TwipsRect(3480, 1500, 3015, 855));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setAutoFillBackground(true);
    QLabel* notice = MakeLabel(Frame1, "Label6", "SEARCHING...", TwipsRect(0, 0, 3015, 855),
                               TahomaFont(12, true));
    notice->setAlignment(Qt::AlignCenter);
    // The window is disabled while the notice shows; the notice must not look disabled too.
    notice->setStyleSheet("color: #a00000;");
    Frame1->hide();

    connect(Combo1, &QComboBox::editTextChanged, this, &EditorWindow::Combo1_Change);
    connect(Combo1->lineEdit(), &QLineEdit::returnPressed, this, &EditorWindow::Command1_Click);
    connect(Combo1, &QComboBox::activated, this, &EditorWindow::Combo1_Click);
    connect(Command1, &QPushButton::clicked, this, &EditorWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &EditorWindow::Command2_Click);
    connect(List4, &QListWidget::itemDoubleClicked, this, &EditorWindow::List4_DblClick);
}

void EditorWindow::createMenus() {
    mnuAirport = MakeMenu(
        this, "mnuAirport", "MenuAirport",
        {{"mnuNewAirport", "Add NEW Airport", &EditorWindow::mnuNewAirport_Click},
         {"mnuDelSelectedAirport", "Delete Selected", &EditorWindow::mnuDelSelectedAirport_Click},
         {"mnuApFix", "Fix Selected", &EditorWindow::mnuApFix_Click}});
    mnuSID = MakeMenu(this, "mnuSID", "MenuSID",
                      {{"mnuEditSID", "Edit Selected", &EditorWindow::mnuEditSID_Click},
                       {"mnuNewSID", "Add New SID", &EditorWindow::mnuNewSID_Click},
                       {"mnuDelSID", "Delete Selected", &EditorWindow::mnuDelSID_Click}});
    mnuSTAR = MakeMenu(this, "mnuSTAR", "MenuSTAR",
                       {{"mnuEditSTAR", "Edit Selected", &EditorWindow::mnuEditSTAR_Click},
                        {"mnuNewSTAR", "Add New STAR", &EditorWindow::mnuNewSTAR_Click},
                        {"mnuDelSTAR", "Delete Selected", &EditorWindow::mnuDelSTAR_Click}});
    mnuLEG = MakeMenu(
        this, "mnuLEG", "MenuLEG",
        {{"mnuEditLeg", "Edit Selected", &EditorWindow::mnuEditLeg_Click},
         {"mnuNewFIX", "Add New FIX", &EditorWindow::mnuNewFIX_Click},
         {"mnuDelLEG", "Delete Selected", &EditorWindow::mnuDelLEG_Click},
         {"mnuPBDWP", "Place/Bearing/Distance WP from here", &EditorWindow::mnuPBDWP_Click},
         {"mnuShowMap", "Show Map", &EditorWindow::mnuShowMap_Click}});
    // The map opens with Ctrl+M too, whenever the editor is the active window.
    QAction* showMap = mnuLEG->findChild<QAction*>("mnuShowMap");
    showMap->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    addAction(showMap);
    // The Delete key in a list runs that list's delete command.
    for (const auto& [list, menu, item] :
         {std::tuple<QWidget*, QMenu*, const char*>{List1, mnuAirport, "mnuDelSelectedAirport"},
          {List2, mnuSID, "mnuDelSID"},
          {List3, mnuSTAR, "mnuDelSTAR"},
          {ListView1, mnuLEG, "mnuDelLEG"}}) {
        QAction* remove = menu->findChild<QAction*>(item);
        remove->setShortcut(QKeySequence::Delete);
        remove->setShortcutContext(Qt::WidgetShortcut);
        list->addAction(remove);
    }
    mnuFinder =
        MakeMenu(this, "mnuFinder", "MenuFinder",
                 {{"mnuPBD", "Place/Bearing/Distance WP from here", &EditorWindow::mnuPBD_Click}});
    AttachPopup(List1, mnuAirport);
    AttachPopup(List2, mnuSID);
    AttachPopup(List3, mnuSTAR);
    AttachPopup(ListView1, mnuLEG);
    AttachPopup(List4, mnuFinder);
}

// Of the width the window has beyond its smallest size, the airports take a tenth, the SIDs and
// the STARs a quarter each and the legs the rest; of the height, the lists above and the finder
// below take half each.
void EditorWindow::createLayout() {
    const auto child = [this](const char* name) { return findChild<QWidget*>(name); };
    for (const char* name : {"Label3", "Label9", "Text2"}) {
        layout_.add(child(name), {0, 0.1, 0, 0});
    }
    layout_.add(List1, {0, 0.1, 0, 0.5});
    layout_.add(child("Label2"), {0.1, 0.25, 0, 0});
    layout_.add(List2, {0.1, 0.25, 0, 0.5});
    layout_.add(child("Label4"), {0.35, 0.25, 0, 0});
    layout_.add(List3, {0.35, 0.25, 0, 0.5});
    layout_.add(child("Label5"), {0.6, 0, 0, 0});
    layout_.add(Label7, {0.6, 0.4, 0, 0});
    layout_.add(ListView1, {0.6, 0.4, 0, 0.5});
    layout_.add(Command3, {1, 0, 0.25, 0});
    layout_.add(Command4, {1, 0, 0.25, 0});
    layout_.add(Frame2, {0, 1, 0.5, 0.5});
    layout_.add(child("Label1"), {0, 1, 0, 0});
    layout_.add(child("Label11"), {0, 1, 0, 0});
    layout_.add(List4, {0, 1, 0, 0.5});
    layout_.add(Frame1, {0.5, 0, 0.25, 0});
    layout_.add(Label12, {0, 1, 1, 0});
}

void EditorWindow::resizeEvent(QResizeEvent* event) {
    layout_.apply(event->size() - minimumSize());
    QWidget::resizeEvent(event);
}

void EditorWindow::Form_Load() {
    LoadAirportList();
}

void EditorWindow::LoadAirportList() {
    if (launcher_) {
        launcher_->hide();
    }
    EventPump pump;
    pump.flush();
    LoadWindow progress;
    progress.show();
    pump.flush();

    QProgressBar* bar = progress.progressBar();
    CatalogueObserver observer;
    observer.betweenFiles = [&pump] { pump(); };
    observer.starPassBegins = [bar](std::size_t files) {
        bar->setRange(0, static_cast<int>(files));
        bar->setValue(0);
    };
    observer.starFileDone = [bar] { bar->setValue(bar->value() + 1); };
    QStringList unreadable;
    observer.folderUnreadable = [this, &unreadable](const std::filesystem::path& folder) {
        unreadable << FolderNotReadText(FileText(context_.programFolder, folder));
    };
    const std::vector<std::string> airports =
        vantrel::LoadAirportList(context_.programFolder, observer);

    QStringList items;
    items.reserve(static_cast<qsizetype>(airports.size()));
    for (const auto& code : airports) {
        items.append(ToQt(code));
    }
    List1->addItems(items);
    pump.flush();
    loadLongestGapMs_ = pump.longestGapMs();
    progress.close();

    if (!unreadable.isEmpty()) {
        context_.prompts.message(nullptr, unreadable.join("\r\n"), kNotReadTitle, PromptButtons::Ok,
                                 PromptIcon::Exclamation);
    }
    context_.prompts.message(nullptr,
                             "All changes IMMIDIATELY take effect and they are ONLY undo by "
                             "manual edit!",
                             "ATTENTION!", PromptButtons::Ok, PromptIcon::Exclamation);
}

std::string EditorWindow::selectedAirport() const {
    const int row = SelectedRow(List1);
    return row < 0 ? std::string() : FromQt(List1->item(row)->text());
}

EntryList* EditorWindow::procedureList(ProcedureKind kind) const {
    return kind == ProcedureKind::Sid ? List2 : List3;
}

void EditorWindow::List1_Click() {
    const int row = SelectedRow(List1);
    if (row < 0) {
        return;
    }
    const std::string airport = FromQt(List1->item(row)->text());
    QStringList unreadable;
    QStringList lineFeedsAlone;
    for (ProcedureKind kind : {ProcedureKind::Sid, ProcedureKind::Star}) {
        QListWidget* list = procedureList(kind);
        list->clear();
        const std::filesystem::path file = ProcedureFilePath(context_.programFolder, kind, airport);
        ReadStatus status;
        for (const auto& entry : ReadProcedureList(file, status)) {
            list->addItem(ToQt(entry));
        }
        // A missing file is an airport without procedures of that kind; one that is there but
        // cannot be read is not.
        if (status == ReadStatus::Failed) {
            unreadable << FileText(context_.programFolder, file);
        }
        if (FileHoldsBareLineFeed(file)) {
            lineFeedsAlone << FileText(context_.programFolder, file);
        }
    }
    Label12->setText(lineFeedsAlone.isEmpty() ? QString() : LineFeedsAloneText(lineFeedsAlone));
    if (!unreadable.isEmpty()) {
        context_.prompts.message(this, ListsNotReadText(unreadable), kNotReadTitle,
                                 PromptButtons::Ok, PromptIcon::Exclamation);
    }
}

void EditorWindow::List2_Click() {
    showProcedure(ProcedureKind::Sid);
}

void EditorWindow::List3_Click() {
    showProcedure(ProcedureKind::Star);
}

std::optional<ShownProcedure> EditorWindow::selectedProcedure(ProcedureKind kind) const {
    const QListWidget* list = procedureList(kind);
    const int row = SelectedRow(list);
    if (row < 0 || SelectedRow(List1) < 0) {
        return std::nullopt;
    }
    const std::vector<std::string> entries = ListTexts(list);
    return ShownProcedure{kind, selectedAirport(), entries[row], OccurrenceNumber(entries, row)};
}

void EditorWindow::showProcedure(ProcedureKind kind) {
    std::optional<ShownProcedure> selected = selectedProcedure(kind);
    if (!selected) {
        return;
    }
    {
        // Clearing the other list's selection must not make that list show its procedure.
        QListWidget* other =
            procedureList(kind == ProcedureKind::Sid ? ProcedureKind::Star : ProcedureKind::Sid);
        const QSignalBlocker guard(other);
        other->setCurrentRow(-1);
        other->clearSelection();
    }
    const std::filesystem::path file =
        ProcedureFilePath(context_.programFolder, kind, selected->airport);
    ReadStatus status;
    const std::vector<LegRow> legs = ReadLegs(file, selected->entry, selected->occurrence, status);
    if (status == ReadStatus::Failed) {
        // No procedure is shown, so that no leg command writes a list that lacks the file's legs.
        clearShownProcedure();
        context_.prompts.message(
            this, LegsNotReadText(FileText(context_.programFolder, file), ToQt(selected->entry)),
            kNotReadTitle, PromptButtons::Ok, PromptIcon::Exclamation);
        return;
    }
    ListView1->clear();
    showLegs(legs);
    Label7->setText(ToQt(LabelPrefix(kind)) + ToQt(selected->airport));
    shown_ = std::move(selected);
    refreshMap();
}

bool EditorWindow::selectEntry(const ShownProcedure& procedure) {
    EntryList* list = procedureList(procedure.kind);
    const std::vector<std::string> entries = ListTexts(list);
    for (std::size_t row = 0; row < entries.size(); ++row) {
        if (entries[row] == procedure.entry &&
            OccurrenceNumber(entries, row) == procedure.occurrence) {
            const QSignalBlocker guard(list);
            list->setCurrentRow(static_cast<int>(row));
            return true;
        }
    }
    return false;
}

void EditorWindow::clearShownProcedure() {
    ListView1->clear();
    Label7->clear();
    shown_.reset();
    refreshMap();
}

const ShownProcedure* EditorWindow::shownProcedureToChange(const QString& title) {
    if (!shown_) {
        context_.prompts.message(this, NoProcedureShownText(), title, PromptButtons::Ok,
                                 PromptIcon::Exclamation);
        return nullptr;
    }
    if (selectedProcedure(shown_->kind) != shown_) {
        context_.prompts.message(this, NotSelectedText(*shown_), kNotWrittenTitle,
                                 PromptButtons::Ok, PromptIcon::Exclamation);
        return nullptr;
    }
    return &*shown_;
}

void EditorWindow::Text2_Change() {
    const int found = FindAirport(ListTexts(List1), FromQt(Text2->text()));
    if (found >= 0 && found != SelectedRow(List1)) {
        List1->setCurrentRow(found);
    }
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    // Nothing to save: every change was written when it was made. A search runs to its end: it is
    // quick, and it keeps the cache whole.
    CloseBackToLauncher(event, searching_, launcher_);
    // The map belongs to the editor and closes with it, not later over the launcher.
    if (event->isAccepted() && map_) {
        map_->close();
    }
}

}  // namespace vantrel

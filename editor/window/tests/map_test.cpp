// The map preview: the picture drawn from legs (fix symbols where the projection puts them, to
// scale, north up; the long leg dashed in red), and the window frmMap driven through the editor
// (opening, unusable legs listed with their reasons, following every change, Save Picture).
#include <QImageReader>
#include <QPushButton>
#include <QtTest>
#include <cmath>

#include "dialog_fill.h"
#include "finder_session.h"
#include "map_placement.h"
#include "map_window.h"

using namespace vantrel;
using namespace vantrel::testing;

namespace {

const QSize kPictureSize(600, 500);

bool Bluish(QRgb colour) {
    return qBlue(colour) > qRed(colour) + 40;
}

bool Reddish(QRgb colour) {
    return qRed(colour) > qGreen(colour) + 60 && qRed(colour) > qBlue(colour) + 60;
}

QPoint PixelAt(QPointF point) {
    return {static_cast<int>(std::floor(point.x())), static_cast<int>(std::floor(point.y()))};
}

QRgb ColourAt(const QImage& picture, QPointF point) {
    return picture.pixel(PixelAt(point)) | 0xff000000;
}

int CountColour(const QImage& picture, QRgb colour) {
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            count += (picture.pixel(x, y) | 0xff000000) == colour;
        }
    }
    return count;
}

// Colours at points spread over the middle parts of the line from one point to another, away
// from the fixes at its ends and the arrowhead and distance at its middle.
std::vector<QRgb> ColoursAlong(const QImage& picture, QPointF from, QPointF to) {
    std::vector<QRgb> colours;
    for (double part = 0.12; part < 0.9; part += 0.005) {
        if (part < 0.4 || part > 0.6) {
            colours.push_back(ColourAt(picture, from + (to - from) * part));
        }
    }
    return colours;
}

GeoPoint At(const LegRow& leg) {
    return *ReadLegPosition(leg.latitude, leg.longitude).point;
}

QImage Grab(MapWindow* map) {
    return Child<QWidget>(map, "Picture1")->grab().toImage();
}

QPointF PixelOf(MapWindow* map, const LegRow& leg) {
    return ProjectionFor(PlaceLegs(map->content().legs), Child<QWidget>(map, "Picture1")->size())
        .toPixel(At(leg));
}

// The editor on the finder's folder, LHBP's second BADOV1D (TORNO, GITAS) shown, the map open.
struct MapSession : Finder {
    MapWindow* map = nullptr;

    MapSession() : Finder(false) {
        selectAirport("LHBP");
        ClickRow(sids, 1);
        command("mnuLEG", "mnuShowMap");
        map = OpenWindow<MapWindow>("frmMap");
        if (!map) {
            qFatal("the map did not open");
        }
    }
    QStringList unusable() const { return Texts(Child<QListWidget>(map, "List1")); }
};

}  // namespace

class MapTest : public QObject {
    Q_OBJECT
  private slots:
    void fixesAreDrawnWhereTheProjectionPutsThem();
    void fewerThanTwoUsableLegs();
    void longLegIsDashedInRed();
    void opensBesideTheEditorFromTheMenuAndCtrlM();
    void listsUnusableLegsWithTheirReasons();
    void followsSelectionMoveAndInsertion();
    void deletedProcedureLeavesTheMapEmpty();
    void savePictureWritesAReadablePng();
    void mapIsPlacedBesideTheEditorOrNarrowed();
    void fixNamesStayClearOfOtherFixes();
};

void MapTest::fixesAreDrawnWhereTheProjectionPutsThem() {
    const std::vector<LegRow> legs = {{"BPR", "47426389", "19247222"},
                                      {"LUPOL", "47300000", "18930000"},
                                      {"VEBOS", "47510000", "18310000"},
                                      {"BADOV", "47935000", "18735000"}};
    const QImage picture = DrawMap({"SID: LHBP", "BADOV1D @ 13R", legs, 2}, kPictureSize);
    QCOMPARE(picture.size(), kPictureSize);
    const MapProjection projection = ProjectionFor(PlaceLegs(legs), kPictureSize);
    const QRectF area = MapArea(kPictureSize);
    for (int row = 0; row < 4; ++row) {
        const QPointF at = projection.toPixel(At(legs[row]));
        QVERIFY(area.contains(at));
        QCOMPARE(ColourAt(picture, at), row == 2 ? kMapSelected : kMapFix);
    }
    // North up, east to the right.
    const QPointF bpr = projection.toPixel(At(legs[0]));
    const QPointF badov = projection.toPixel(At(legs[3]));
    QVERIFY(badov.y() < bpr.y());
    QVERIFY(badov.x() < bpr.x());
    // To scale both ways: a degree of latitude is 60 NM, a degree of longitude shorter.
    const double perNm = projection.pixelsPerNm();
    const QPointF north = projection.toPixel({48.4, 19});
    const QPointF south = projection.toPixel({47.4, 19});
    QVERIFY(std::fabs((south.y() - north.y()) / perNm - 60) < 0.01);
    const QPointF west = projection.toPixel({47.6, 18.5});
    const QPointF east = projection.toPixel({47.6, 19.5});
    QVERIFY(std::fabs((east.x() - west.x()) / perNm / GreatCircleNm({47.6, 18.5}, {47.6, 19.5}) -
                      1) < 0.01);
    // The route fills the map: the fixes span most of its width or height.
    const double spanX = std::fabs(bpr.x() - projection.toPixel(At(legs[2])).x());
    const double spanY = std::fabs(projection.toPixel(At(legs[1])).y() - badov.y());
    QVERIFY(spanX > 0.7 * area.width() || spanY > 0.7 * area.height());

    // A route across the date line stays in one piece in the middle of the map.
    const std::vector<LegRow> pacific = {{"WEST", "-17000000", "179500000"},
                                         {"EAST", "-17200000", "-179600000"}};
    const MapProjection across = ProjectionFor(PlaceLegs(pacific), kPictureSize);
    const QPointF westSide = across.toPixel(At(pacific[0]));
    const QPointF eastSide = across.toPixel(At(pacific[1]));
    QVERIFY(westSide.x() < eastSide.x());
    QVERIFY(eastSide.x() - westSide.x() < area.width());
    const QImage pacificPicture = DrawMap({"STAR: NFFN", "NADI1A @ 02", pacific, -1}, kPictureSize);
    QCOMPARE(ColourAt(pacificPicture, westSide), kMapFix);
    QCOMPARE(ColourAt(pacificPicture, eastSide), kMapFix);
}

void MapTest::fewerThanTwoUsableLegs() {
    // A single fix stands in the middle of the map.
    const std::vector<LegRow> one = {{"ABETI", "47900000", "18900000"}, {"BAD", "x", "1"}};
    const QImage single = DrawMap({"STAR: LHBP", "ABETI1N @ 31L", one, -1}, kPictureSize);
    QCOMPARE(ColourAt(single, MapArea(kPictureSize).center()), kMapFix);
    QCOMPARE(ProjectionFor(PlaceLegs(one), kPictureSize).toPixel(At(one[0])),
             MapArea(kPictureSize).center());

    // Without a usable leg, or without a procedure, no fix is drawn.
    const struct {
        const char* title;
        std::vector<LegRow> legs;
    } empty[] = {{"SID: LHBP", {}}, {"SID: LHBP", {{"BAD", "", ""}}}, {"", {}}};
    for (const auto& content : empty) {
        const QImage picture = DrawMap({content.title, "", content.legs, 0}, kPictureSize);
        QCOMPARE(CountColour(picture, kMapFix), 0);
        QCOMPARE(CountColour(picture, kMapSelected), 0);
    }
}

void MapTest::longLegIsDashedInRed() {
    // About 450 NM east, then 600 NM north.
    const std::vector<LegRow> legs = {{"A", "47000000", "19000000"},
                                      {"B", "47000000", "30000000"},
                                      {"C", "57000000", "30000000"}};
    QVERIFY(GreatCircleNm(At(legs[0]), At(legs[1])) < kSuspectLegNm);
    QVERIFY(GreatCircleNm(At(legs[1]), At(legs[2])) > kSuspectLegNm);
    const QImage picture = DrawMap({"SID: TEST", "LONG1A @ 09", legs, -1}, kPictureSize);
    const MapProjection projection = ProjectionFor(PlaceLegs(legs), kPictureSize);
    const QPointF a = projection.toPixel(At(legs[0]));
    const QPointF b = projection.toPixel(At(legs[1]));
    const QPointF c = projection.toPixel(At(legs[2]));

    for (QRgb colour : ColoursAlong(picture, a, b)) {
        QVERIFY2(Bluish(colour), qPrintable(QString::number(colour, 16)));
    }
    const std::vector<QRgb> dashed = ColoursAlong(picture, b, c);
    const auto red = std::count_if(dashed.begin(), dashed.end(), Reddish);
    QVERIFY(red > 0.3 * dashed.size());
    QVERIFY(red < 0.9 * dashed.size());
    QVERIFY(std::none_of(dashed.begin(), dashed.end(), Bluish));
}

void MapTest::opensBesideTheEditorFromTheMenuAndCtrlM() {
    Editor editor;
    editor.window->show();
    editor.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(editor.window));
    QTest::keyClick(editor.window, Qt::Key_M, Qt::ControlModifier);
    auto* map = OpenWindow<MapWindow>("frmMap");
    QVERIFY(map);
    QCOMPARE(map->windowTitle(), QString("VANTREL - Map"));
    QVERIFY(!map->isModal());
    QVERIFY(editor.window->isEnabled());
    QCOMPARE(map->content().title, QString());
    // Without a procedure there is no picture to save.
    QVERIFY(!Child<QPushButton>(map, "Command1")->isEnabled());

    // The editor goes on working with the map open; the menu brings back the same map.
    editor.selectAirport("EGLL");
    ClickRow(editor.sids, 0);
    QCOMPARE(map->content().title, QString("SID: EGLL"));
    QVERIFY(Child<QPushButton>(map, "Command1")->isEnabled());
    editor.command("mnuLEG", "mnuShowMap");
    QCOMPARE(OpenWindow<MapWindow>("frmMap"), map);

    // Closing the map and the editor leaves no map behind.
    QPointer<MapWindow> closed = map;
    map->close();
    QTRY_VERIFY(!closed);
    editor.command("mnuLEG", "mnuShowMap");
    closed = OpenWindow<MapWindow>("frmMap");
    QVERIFY(closed);
    QCOMPARE(closed->content().legs.size(), std::size_t(1));
    editor.window->close();
    QVERIFY(!closed || !closed->isVisible());
    QTRY_VERIFY(!closed);
}

void MapTest::listsUnusableLegsWithTheirReasons() {
    Editor editor;
    // LFPG is listed for its STAR file; its SID file comes now.
    editor.session.folder.write(
        "sid/LFPG.txt", "P|MEDIX1C|29| |0|0|\r\n" + Leg("MEDIX", "48110000", "16570000") +
                            Leg("TYPO", "481100000", "16570000") + Leg("", "48.11", "16570000") +
                            Leg("NOLON", "48200000", "") + Leg("WEST", "48300000", "-1900000000") +
                            Leg("KOXER", "48300000", "16200000") + "\r\n");
    editor.selectAirport("LFPG");
    ClickRow(editor.sids, 0);
    editor.selectLeg(1);
    editor.command("mnuLEG", "mnuShowMap");
    auto* map = OpenWindow<MapWindow>("frmMap");
    QVERIFY(map);
    auto* list = Child<QListWidget>(map, "List1");
    QCOMPARE(
        Texts(list),
        (QStringList{
            "Row 2 (TYPO) not drawn: latitude \"481100000\" is beyond 90 degrees north or south",
            "Row 3 not drawn: latitude \"48.11\" is not digits with an optional minus sign",
            "Row 4 (NOLON) not drawn: no longitude",
            "Row 5 (WEST) not drawn: longitude \"-1900000000\" is beyond 180 degrees east or "
            "west"}));
    QVERIFY(list->isVisible());
    QVERIFY(list->item(0)->font().bold());
    QVERIFY(!list->item(1)->font().bold());
    const QImage listed = list->grab().toImage();
    bool red = false;
    for (int y = 0; y < listed.height() && !red; ++y) {
        for (int x = 0; x < listed.width() && !red; ++x) {
            red = Reddish(listed.pixel(x, y));
        }
    }
    QVERIFY(red);

    // The usable legs are drawn; the selected one is unusable, so no fix is highlighted.
    const QImage picture = Grab(map);
    for (const LegRow& leg : map->content().legs) {
        if (leg.name == "MEDIX" || leg.name == "KOXER") {
            QCOMPARE(ColourAt(picture, PixelOf(map, leg)), kMapFix);
        }
    }
    QCOMPARE(CountColour(picture, kMapSelected), 0);

    // Mending the typing error takes its line away.
    for (const auto& [row, fix] : {std::pair{1, QStringList{"TYPO", "48150000", "16570000"}},
                                   {3, {"NOLON", "48200000", "16400000"}},
                                   {4, {"WEST", "48300000", "-19000000"}}}) {
        editor.selectLeg(row);
        editor.command("mnuLEG", "mnuEditLeg");
        Fill(OpenWindow<FixDialog>("frmFIX"), {fix[0], fix[1], fix[2]});
    }
    QCOMPARE(Texts(list),
             QStringList{
                 "Row 3 not drawn: latitude \"48.11\" is not digits with an optional minus sign"});
}

void MapTest::followsSelectionMoveAndInsertion() {
    MapSession editor;
    QCOMPARE(editor.map->content().title, QString("SID: LHBP"));
    QCOMPARE(editor.map->content().legs.size(), std::size_t(2));

    // An insertion from the finder: KOVEK appended and drawn.
    editor.search("KOVEK");
    editor.doubleClick(0);
    const std::vector<LegRow> inserted = editor.map->content().legs;
    QCOMPARE(inserted.size(), std::size_t(3));
    QCOMPARE(inserted[2], (LegRow{"KOVEK", "47000000", "19000000"}));
    QCOMPARE(ColourAt(Grab(editor.map), PixelOf(editor.map, inserted[2])), kMapFix);

    // The selection is highlighted.
    editor.selectLeg(2);
    QCOMPARE(editor.map->content().selectedRow, 2);
    QImage picture = Grab(editor.map);
    QCOMPARE(ColourAt(picture, PixelOf(editor.map, inserted[2])), kMapSelected);
    QCOMPARE(ColourAt(picture, PixelOf(editor.map, inserted[1])), kMapFix);
    const QPointF torno = PixelOf(editor.map, inserted[0]);
    const QPointF gitas = PixelOf(editor.map, inserted[1]);
    const QPointF kovek = PixelOf(editor.map, inserted[2]);
    const QPointF tornoToKovek = torno + (kovek - torno) * 0.3;
    QVERIFY(!Bluish(ColourAt(picture, tornoToKovek)));

    // A move: KOVEK now follows TORNO, still selected, and the route runs TORNO, KOVEK, GITAS.
    ClickButton(editor.window, "Command3");
    QCOMPARE(editor.map->content().legs,
             (std::vector<LegRow>{inserted[0], inserted[2], inserted[1]}));
    QCOMPARE(editor.map->content().selectedRow, 1);
    picture = Grab(editor.map);
    QCOMPARE(ColourAt(picture, kovek), kMapSelected);
    QVERIFY(Bluish(ColourAt(picture, tornoToKovek)));
    QVERIFY(Bluish(ColourAt(picture, kovek + (gitas - kovek) * 0.3)));
    QVERIFY(!Bluish(ColourAt(picture, torno + (gitas - torno) * 0.3)));

    // Another procedure: its legs and its label.
    ClickRow(editor.stars, 0);
    QCOMPARE(editor.map->content().title, QString("STAR: LHBP"));
    QCOMPARE(editor.map->content().legs, (std::vector<LegRow>{{"ABETI", "47900000", "18900000"}}));
}

void MapTest::deletedProcedureLeavesTheMapEmpty() {
    MapSession editor;
    QVERIFY(CountColour(Grab(editor.map), kMapFix) > 0);
    editor.session.prompts.answerMessage(PromptAnswer::Ok);
    editor.command("mnuSID", "mnuDelSID");
    QCOMPARE(editor.map->content().title, QString());
    QVERIFY(editor.map->content().legs.empty());
    QCOMPARE(CountColour(Grab(editor.map), kMapFix), 0);

    // Showing a procedure again draws it.
    ClickRow(editor.sids, 0);
    QCOMPARE(editor.map->content().legs, (std::vector<LegRow>{{"BADOV", "47100000", "19500000"}}));
    QCOMPARE(ColourAt(Grab(editor.map), PixelOf(editor.map, editor.map->content().legs[0])),
             kMapFix);
}

void MapTest::savePictureWritesAReadablePng() {
    MapSession editor;
    auto* save = Child<QPushButton>(editor.map, "Command1");
    QCOMPARE(save->text(), QString("Save Picture..."));
    const std::filesystem::path folder = editor.session.folder.path();
    const QString chosen = QString::fromStdU16String((folder / "route").u16string());

    // Cancel writes nothing.
    QTest::mouseClick(save, Qt::LeftButton);
    const ShownPrompt asked = editor.lastPrompt();
    QVERIFY(asked.isSaveFile);
    QCOMPARE(asked.title, QString("Save Picture"));
    QCOMPARE(asked.text, QString("PNG picture (*.png)"));
    QVERIFY2(asked.defaultText.endsWith("/SID-LHBP-BADOV1D-13R.png"),
             qPrintable(asked.defaultText));
    QVERIFY(!std::filesystem::exists(folder / "route.png"));

    // A name without extension gets ".png".
    editor.session.prompts.answerSaveFile(chosen);
    QTest::mouseClick(save, Qt::LeftButton);
    QImageReader reader(chosen + ".png");
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage written = reader.read();
    QCOMPARE(written.size(), Child<QWidget>(editor.map, "Picture1")->size());
    QCOMPARE(written.convertToFormat(QImage::Format_RGB32),
             editor.map->picture().convertToFormat(QImage::Format_RGB32));

    // A file that cannot be written is reported.
    editor.session.prompts.clearShown();
    editor.session.prompts.answerSaveFile(
        QString::fromStdU16String((folder / "missing" / "route.png").u16string()));
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(editor.session.prompts.shown().size(), std::size_t(2));
    QVERIFY(editor.lastPrompt().text.startsWith("The picture could not be written to "));
    QCOMPARE(editor.lastPrompt().title, QString("Save Picture"));
    QCOMPARE(editor.lastPrompt().icon, PromptIcon::Exclamation);
    QVERIFY(!std::filesystem::exists(folder / "missing"));
}

void MapTest::mapIsPlacedBesideTheEditorOrNarrowed() {
    // The map is 640 x 600 and at least 212 wide; the editor 665 wide unless said otherwise.
    const QSize map(640, 600);
    const QRect wide(0, 0, 1600, 900), narrow(0, 0, 1280, 900);
    const struct {
        const char* what;
        QRect screen;
        QRect editor;
        int buttonsLeft;
        QRect expected;
    } cases[] = {
        {"room on the right", wide, QRect(0, 100, 665, 436), 600, QRect(672, 100, 640, 600)},
        {"room on the left", wide, QRect(900, 100, 665, 436), 1500, QRect(252, 100, 640, 600)},
        {"narrowed on the right", narrow, QRect(300, 100, 665, 436), 900,
         QRect(972, 100, 307, 600)},
        {"narrowed on the left", narrow, QRect(500, 100, 665, 436), 1100, QRect(0, 100, 492, 600)},
        {"no room: at the left edge", narrow, QRect(100, 400, 1100, 436), 1100,
         QRect(0, 299, 640, 600)},
        {"no room: ending before the buttons", narrow, QRect(100, 400, 1100, 436), 400,
         QRect(0, 299, 392, 600)},
    };
    for (const auto& c : cases) {
        QCOMPARE(MapPlacement(c.editor, c.screen, map, 212, c.buttonsLeft), c.expected);
    }
}

void MapTest::fixNamesStayClearOfOtherFixes() {
    // A lone fix has its name at its upper right.
    const std::vector<QRectF> lone = FixNameBoxes({QPointF(100, 100)}, {QSizeF(30, 12)}, {4});
    QCOMPARE(lone, std::vector<QRectF>{QRectF(107, 84, 30, 12)});

    // RDG and TESTA close together, and a third fix just above RDG: no name covers a fix's
    // symbol or another name.
    const std::vector<QPointF> at = {QPointF(100, 100), QPointF(130, 104), QPointF(108, 84)};
    const std::vector<QSizeF> sizes = {QSizeF(24, 12), QSizeF(36, 12), QSizeF(30, 12)};
    const std::vector<double> radii = {4, 4, 6};
    const std::vector<QRectF> boxes = FixNameBoxes(at, sizes, radii);
    QCOMPARE(boxes.size(), at.size());
    for (std::size_t i = 0; i < at.size(); ++i) {
        QCOMPARE(boxes[i].size(), sizes[i]);
        for (std::size_t j = 0; j < at.size(); ++j) {
            const QRectF symbol(at[j] - QPointF(radii[j], radii[j]),
                                QSizeF(2 * radii[j], 2 * radii[j]));
            QVERIFY2(j == i || !boxes[i].intersects(symbol),
                     qPrintable(QString("%1 %2").arg(i).arg(j)));
            QVERIFY2(j == i || !boxes[i].intersects(boxes[j]),
                     qPrintable(QString("%1 %2").arg(i).arg(j)));
        }
    }
}

QTEST_MAIN(MapTest)
#include "map_test.moc"

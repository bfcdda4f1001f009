// The map of a procedure as a picture, drawn without a window: the legs as a route on a north-up
// equirectangular view scaled to fit, a grid labelled in degrees and minutes, a scale bar in
// nautical miles, each fix as a symbol with its name, the leg distances and the title.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <vector>

#include "leg_position.h"
#include "leg_row.h"

namespace vantrel {

// What the map shows: the legs label's text, the shown procedure's entry, the legs list in order
// and its selected row.
struct MapContent {
    QString title;      // "SID: LHBP"; empty when no procedure is shown
    QString procedure;  // "BADOV1D @ 13R"
    std::vector<LegRow> legs;
    int selectedRow = -1;  // from 0; -1 when no leg is selected
};

// A leg whose fix can be drawn.
struct PlacedFix {
    int row = 0;  // in the legs list, from 0
    QString name;
    GeoPoint point;
};

// A leg that cannot be drawn, with its row number from 1 and the reason, for the user:
// Row 3 (TORNO) not drawn: latitude "475397760" is beyond 90 degrees north or south
struct UnusableLeg {
    int row = 0;  // in the legs list, from 0
    QString text;
};

struct PlacedLegs {
    std::vector<PlacedFix> fixes;
    std::vector<UnusableLeg> unusable;
};

PlacedLegs PlaceLegs(const std::vector<LegRow>& legs);

// North up; longitudes are shortened by the cosine of the middle latitude so that shapes and
// distances look right near the route. A route across the date line stays in one piece.
class MapProjection {
  public:
    // The points fill the area with a margin around them; a view at least kMinimumSpanNm across
    // keeps a single fix or a short route from being blown up.
    MapProjection(const std::vector<GeoPoint>& points, const QRectF& area);

    QPointF toPixel(GeoPoint point) const;
    // Pixels per degree of latitude; a nautical mile is a sixtieth of it.
    double pixelsPerDegree() const { return pixelsPerDegree_; }
    double pixelsPerNm() const { return pixelsPerDegree_ / 60; }
    // Pixels per degree of longitude.
    double pixelsPerLongitudeDegree() const { return pixelsPerDegree_ * lonFactor_; }
    // The centre of the view, its longitude unwrapped as the projection uses it.
    GeoPoint centre() const { return centre_; }

    static constexpr double kMinimumSpanNm = 20;

  private:
    double unwrapped(double longitude) const;

    QRectF area_;
    GeoPoint centre_;
    double lonFactor_ = 1;
    double pixelsPerDegree_ = 1;
    bool acrossDateLine_ = false;
};

// The part of a picture of that size that the route is drawn in: the title band lies above it,
// the scale bar below.
QRectF MapArea(QSize pictureSize);
// The projection that the picture of these legs at that size uses.
MapProjection ProjectionFor(const PlacedLegs& placed, QSize pictureSize);

QImage DrawMap(const MapContent& content, QSize pictureSize);

// Where the name of each fix goes: beside its symbol (centre `at`, radius `radii`), at the first of
// its corners, upper right, upper left, lower right, lower left, where the name covers no fix's
// symbol and no name placed before it; where every corner covers something, at the corner that
// covers the least.
std::vector<QRectF> FixNameBoxes(const std::vector<QPointF>& at, const std::vector<QSizeF>& sizes,
                                 const std::vector<double>& radii);

// The procedure as the map's title band and its window name it: "SID: LHBP  BADOV1D @ 13R".
QString MapHeading(const MapContent& content);

// The map's colours.
inline constexpr QRgb kMapBackground = 0xfffbfaf5;
inline constexpr QRgb kMapGrid = 0xffd3d7de;
inline constexpr QRgb kMapRoute = 0xff2a56b8;
inline constexpr QRgb kMapFix = 0xff0b7a3e;
inline constexpr QRgb kMapSelected = 0xffff8c00;
inline constexpr QRgb kMapLongLeg = 0xffd01c1c;

}  // namespace vantrel

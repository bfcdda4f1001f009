#include "map_picture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "text_codec.h"

namespace vantrel {
namespace {

constexpr double kTitleBand = 32;
constexpr double kScaleBand = 34;
constexpr double kSide = 10;
// Part of the view left free around the route on each side.
constexpr double kMargin = 0.12;
constexpr double kFixRadius = 5;
constexpr double kSelectedRadius = 7;
// Least distance between two grid lines, in pixels, so that their labels do not collide.
constexpr double kLatitudeLineGap = 60;
constexpr double kLongitudeLineGap = 90;
constexpr int kGridStepsMinutes[] = {1,   2,   5,   10,   15,   20,   30,   60,  120,
                                     300, 600, 900, 1200, 1800, 2700, 3600, 5400};
constexpr double kScaleLengthsNm[] = {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000};
constexpr const char* kDegree = "\u00b0";

QFont MapFont(double points, bool bold = false) {
    QFont font("Tahoma");
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Text on a pale patch, readable over grid lines and the route.
void DrawLabel(QPainter& painter, const QRectF& box, const QString& text, QRgb colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawRect(box.adjusted(-2, 0, 2, 0));
    painter.setPen(QColor::fromRgb(colour));
    painter.drawText(box, Qt::AlignCenter, text);
}

QRectF TextBox(const QPainter& painter, const QString& text) {
    return QFontMetricsF(painter.font()).boundingRect(text).adjusted(0, 0, 1, 0);
}

QString DegreesMinutes(long long minutes, int degreeDigits, char positive, char negative) {
    const long long whole = std::llabs(minutes);
    return QString("%1%2%3'%4")
        .arg(whole / 60, degreeDigits, 10, QChar('0'))
        .arg(QString::fromUtf8(kDegree))
        .arg(whole % 60, 2, 10, QChar('0'))
        .arg(QChar(minutes < 0 ? negative : positive));
}

QString LatitudeLabel(long long minutes) {
    return DegreesMinutes(minutes, 2, 'N', 'S');
}

// Minutes east of Greenwich, brought into -180..180 degrees.
QString LongitudeLabel(long long minutes) {
    minutes = ((minutes + 10800) % 21600 + 21600) % 21600 - 10800;
    return DegreesMinutes(minutes, 3, 'E', 'W');
}

int GridStepMinutes(double pixelsPerDegree, double leastGap) {
    for (int step : kGridStepsMinutes) {
        if (step * pixelsPerDegree / 60 >= leastGap) {
            return step;
        }
    }
    return kGridStepsMinutes[std::size(kGridStepsMinutes) - 1];
}

void DrawGrid(QPainter& painter, const MapProjection& projection, const QRectF& area) {
    const GeoPoint centre = projection.centre();
    const double halfLat = area.height() / 2 / projection.pixelsPerDegree();
    const double halfLon = area.width() / 2 / projection.pixelsPerLongitudeDegree();
    painter.setFont(MapFont(7));
    const QPen line(QColor::fromRgb(kMapGrid), 1);
    const QRgb labelColour = 0xff6b7280;

    const int latStep = GridStepMinutes(projection.pixelsPerDegree(), kLatitudeLineGap);
    const long long southMost = std::max(
        -5400LL,
        static_cast<long long>(std::ceil((centre.latitude - halfLat) * 60 / latStep)) * latStep);
    const double northMost = std::min(90.0, centre.latitude + halfLat) * 60;
    for (long long minutes = southMost; minutes <= northMost; minutes += latStep) {
        const double y = projection.toPixel({minutes / 60.0, centre.longitude}).y();
        painter.setPen(line);
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        const QString text = LatitudeLabel(minutes);
        QRectF box = TextBox(painter, text);
        box.moveBottomLeft(QPointF(area.left() + 3, y - 1));
        if (box.top() > area.top()) {
            DrawLabel(painter, box, text, labelColour);
        }
    }

    const int lonStep = GridStepMinutes(projection.pixelsPerLongitudeDegree(), kLongitudeLineGap);
    const long long westMost =
        static_cast<long long>(std::ceil((centre.longitude - halfLon) * 60 / lonStep)) * lonStep;
    const double eastMost = (centre.longitude + halfLon) * 60;
    for (long long minutes = westMost; minutes <= eastMost; minutes += lonStep) {
        const double x = projection.toPixel({centre.latitude, minutes / 60.0}).x();
        painter.setPen(line);
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        const QString text = LongitudeLabel(minutes);
        QRectF box = TextBox(painter, text);
        box.moveBottomLeft(QPointF(x + 3, area.bottom() - 2));
        if (box.right() < area.right()) {
            DrawLabel(painter, box, text, labelColour);
        }
    }
}

void DrawScaleBar(QPainter& painter, const MapProjection& projection, const QRectF& area) {
    double lengthNm = kScaleLengthsNm[0];
    for (double candidate : kScaleLengthsNm) {
        if (candidate * projection.pixelsPerNm() <= area.width() / 3) {
            lengthNm = candidate;
        }
    }
    const double length = lengthNm * projection.pixelsPerNm();
    const QPointF start(area.left() + 4, area.bottom() + kScaleBand / 2 + 2);
    const QPointF end = start + QPointF(length, 0);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    const QRectF half(start - QPointF(0, 3), QSizeF(length / 2, 6));
    painter.fillRect(half, Qt::black);
    painter.drawRect(QRectF(start - QPointF(0, 3), QSizeF(length, 6)));
    painter.setFont(MapFont(7.5));
    painter.drawText(QPointF(end.x() + 6, start.y() + 4), QString("%1 NM").arg(lengthNm));
}

void DrawNote(QPainter& painter, const QRectF& area, const QString& note) {
    painter.setFont(MapFont(11));
    painter.setPen(QColor(0x6b, 0x72, 0x80));
    painter.drawText(area, Qt::AlignCenter, note);
}

// The leg between two fixes, its distance written beside its middle. A leg so long that it is
// most likely a typing error is dashed in red.
void DrawLeg(QPainter& painter, QPointF from, QPointF to, double distanceNm, bool highlighted) {
    const bool suspect = distanceNm > kSuspectLegNm;
    if (highlighted) {
        QColor glow = QColor::fromRgb(kMapSelected);
        glow.setAlpha(170);
        painter.setPen(QPen(glow, 8, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(from, to);
    }
    QPen pen(QColor::fromRgb(suspect ? kMapLongLeg : kMapRoute), 2);
    if (suspect) {
        pen.setStyle(Qt::DashLine);
    }
    painter.setPen(pen);
    painter.drawLine(from, to);

    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    if (length < 40) {
        return;  // no room for the arrow and the distance
    }
    // An arrowhead in the middle shows the direction of flight.
    const QPointF ahead = along / length;
    const QPointF normal(ahead.y(), -ahead.x());
    const QPointF tip = (from + to) / 2 + ahead * 5;
    const QPointF arrow[] = {tip, tip - ahead * 10 + normal * 4, tip - ahead * 10 - normal * 4};
    painter.setPen(Qt::NoPen);
    painter.setBrush(pen.color());
    painter.drawPolygon(arrow, 3);
    // The distance beside the line, on its left seen in the direction of flight.
    const QString text = QString::number(distanceNm, 'f', 1) + " NM";
    painter.setFont(MapFont(7.5));
    QRectF box = TextBox(painter, text);
    const double clearance =
        std::fabs(normal.x()) * box.width() / 2 + std::fabs(normal.y()) * box.height() / 2 + 3;
    box.moveCenter((from + to) / 2 + normal * clearance);
    DrawLabel(painter, box, text, suspect ? kMapLongLeg : 0xff1a1a1a);
}

double FixRadius(bool selected) {
    return selected ? kSelectedRadius : kFixRadius;
}

void DrawFixName(QPainter& painter, const QRectF& box, const QString& name, bool selected) {
    painter.setFont(MapFont(8, selected));
    DrawLabel(painter, box, name, 0xff1a1a1a);
}

double CoveredArea(const QRectF& box, const QRectF& other) {
    const QRectF common = box.intersected(other);
    return common.isEmpty() ? 0 : common.width() * common.height();
}

void DrawFixSymbol(QPainter& painter, QPointF at, bool selected) {
    painter.setPen(QPen(QColor(0x1a, 0x1a, 0x1a), 1.2));
    painter.setBrush(QColor::fromRgb(selected ? kMapSelected : kMapFix));
    painter.drawEllipse(at, FixRadius(selected), FixRadius(selected));
}

void DrawTitle(QPainter& painter, QSize size, const QString& title, double totalNm, bool route) {
    const QRectF band(kSide, 0, size.width() - 2 * kSide, kTitleBand);
    painter.setPen(QColor(0x1a, 0x1a, 0x1a));
    painter.setFont(MapFont(12, true));
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, title);
    if (route) {
        painter.setFont(MapFont(8.5));
        painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter,
                         "Route " + QString::number(totalNm, 'f', 1) + " NM");
    }
}

}  // namespace

PlacedLegs PlaceLegs(const std::vector<LegRow>& legs) {
    PlacedLegs placed;
    for (std::size_t i = 0; i < legs.size(); ++i) {
        const LegPosition position = ReadLegPosition(legs[i].latitude, legs[i].longitude);
        const int row = static_cast<int>(i);
        if (position.point) {
            placed.fixes.push_back({row, ToQt(legs[i].name), *position.point});
            continue;
        }
        const QString name = legs[i].name.empty() ? QString() : " (" + ToQt(legs[i].name) + ")";
        placed.unusable.push_back(
            {row,
             QString("Row %1%2 not drawn: %3").arg(row + 1).arg(name, ToQt(position.problem))});
    }
    return placed;
}

MapProjection::MapProjection(const std::vector<GeoPoint>& points, const QRectF& area)
    : area_(area) {
    if (points.empty()) {
        pixelsPerDegree_ = std::min(area.width(), area.height()) / (kMinimumSpanNm / 60);
        return;
    }
    auto [westMost, eastMost] = std::minmax_element(
        points.begin(), points.end(),
        [](const GeoPoint& a, const GeoPoint& b) { return a.longitude < b.longitude; });
    acrossDateLine_ = eastMost->longitude - westMost->longitude > 180;
    double south = points.front().latitude, north = south;
    double west = unwrapped(points.front().longitude), east = west;
    for (const GeoPoint& point : points) {
        south = std::min(south, point.latitude);
        north = std::max(north, point.latitude);
        west = std::min(west, unwrapped(point.longitude));
        east = std::max(east, unwrapped(point.longitude));
    }
    centre_ = {(south + north) / 2, (west + east) / 2};
    // Near a pole the factor is kept from vanishing.
    lonFactor_ = std::max(0.05, std::cos(centre_.latitude * std::numbers::pi / 180));
    const double leastSpan = kMinimumSpanNm / 60;
    const double spanX = std::max((east - west) * lonFactor_, leastSpan) / (1 - 2 * kMargin);
    const double spanY = std::max(north - south, leastSpan) / (1 - 2 * kMargin);
    pixelsPerDegree_ = std::min(area.width() / spanX, area.height() / spanY);
}

double MapProjection::unwrapped(double longitude) const {
    return acrossDateLine_ && longitude < 0 ? longitude + 360 : longitude;
}

QPointF MapProjection::toPixel(GeoPoint point) const {
    const QPointF middle = area_.center();
    return {
        middle.x() + (unwrapped(point.longitude) - centre_.longitude) * pixelsPerLongitudeDegree(),
        middle.y() - (point.latitude - centre_.latitude) * pixelsPerDegree_};
}

QRectF MapArea(QSize pictureSize) {
    return QRectF(kSide, kTitleBand, pictureSize.width() - 2 * kSide,
                  pictureSize.height() - kTitleBand - kScaleBand);
}

MapProjection ProjectionFor(const PlacedLegs& placed, QSize pictureSize) {
    std::vector<GeoPoint> points;
    points.reserve(placed.fixes.size());
    for (const PlacedFix& fix : placed.fixes) {
        points.push_back(fix.point);
    }
    return MapProjection(points, MapArea(pictureSize));
}

QImage DrawMap(const MapContent& content, QSize pictureSize) {
    QImage picture(pictureSize, QImage::Format_RGB32);
    picture.fill(kMapBackground);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area = MapArea(pictureSize);
    painter.setPen(QColor::fromRgb(kMapGrid));
    painter.drawRect(area);

    const PlacedLegs placed = PlaceLegs(content.legs);
    double totalNm = 0;
    if (content.title.isEmpty()) {
        DrawNote(painter, area, "No procedure shown");
    } else if (content.legs.empty()) {
        DrawNote(painter, area, "The procedure has no legs");
    } else if (placed.fixes.empty()) {
        DrawNote(painter, area, "No leg has coordinates that can be drawn");
    } else {
        const MapProjection projection = ProjectionFor(placed, pictureSize);
        painter.save();
        painter.setClipRect(area);
        DrawGrid(painter, projection, area);
        std::vector<QPointF> at;
        for (const PlacedFix& fix : placed.fixes) {
            at.push_back(projection.toPixel(fix.point));
        }
        for (std::size_t i = 1; i < placed.fixes.size(); ++i) {
            const double distanceNm =
                GreatCircleNm(placed.fixes[i - 1].point, placed.fixes[i].point);
            totalNm += distanceNm;
            DrawLeg(painter, at[i - 1], at[i], distanceNm,
                    placed.fixes[i].row == content.selectedRow);
        }
        // Names go under the symbols, and the selected fix over every other one.
        std::vector<QSizeF> sizes;
        std::vector<double> radii;
        for (const PlacedFix& fix : placed.fixes) {
            const bool selected = fix.row == content.selectedRow;
            painter.setFont(MapFont(8, selected));
            sizes.push_back(TextBox(painter, fix.name).size());
            radii.push_back(FixRadius(selected));
        }
        const std::vector<QRectF> boxes = FixNameBoxes(at, sizes, radii);
        for (std::size_t i = 0; i < placed.fixes.size(); ++i) {
            DrawFixName(painter, boxes[i], placed.fixes[i].name,
                        placed.fixes[i].row == content.selectedRow);
        }
        std::optional<std::size_t> selected;
        for (std::size_t i = 0; i < placed.fixes.size(); ++i) {
            if (placed.fixes[i].row == content.selectedRow) {
                selected = i;
            } else {
                DrawFixSymbol(painter, at[i], false);
            }
        }
        if (selected) {
            DrawFixSymbol(painter, at[*selected], true);
        }
        painter.restore();
        DrawScaleBar(painter, projection, area);
    }
    DrawTitle(painter, pictureSize, MapHeading(content), totalNm, placed.fixes.size() > 1);
    return picture;
}

std::vector<QRectF> FixNameBoxes(const std::vector<QPointF>& at, const std::vector<QSizeF>& sizes,
                                 const std::vector<double>& radii) {
    // A name's box with the pale patch that DrawLabel paints around it.
    const auto patch = [](const QRectF& box) { return box.adjusted(-2, 0, 2, 0); };
    std::vector<QRectF> symbols;
    for (std::size_t i = 0; i < at.size(); ++i) {
        symbols.emplace_back(at[i] - QPointF(radii[i], radii[i]),
                             QSizeF(2 * radii[i], 2 * radii[i]));
    }
    std::vector<QRectF> boxes;
    for (std::size_t i = 0; i < at.size(); ++i) {
        const double gap = radii[i] + 3;
        const QSizeF size = sizes[i];
        const QPointF corners[] = {
            at[i] + QPointF(gap, -radii[i] - size.height()),
            at[i] + QPointF(-gap - size.width(), -radii[i] - size.height()),
            at[i] + QPointF(gap, radii[i]),
            at[i] + QPointF(-gap - size.width(), radii[i]),
        };
        QRectF best;
        double leastCovered = -1;
        for (const QPointF& corner : corners) {
            const QRectF box(corner, size);
            double covered = 0;
            for (std::size_t j = 0; j < symbols.size(); ++j) {
                covered += j == i ? 0 : CoveredArea(patch(box), symbols[j]);
            }
            for (const QRectF& placed : boxes) {
                covered += CoveredArea(patch(box), patch(placed));
            }
            if (leastCovered < 0 || covered < leastCovered) {
                best = box;
                leastCovered = covered;
            }
            if (covered == 0) {
                break;
            }
        }
        boxes.push_back(best);
    }
    return boxes;
}

QString MapHeading(const MapContent& content) {
    if (content.procedure.isEmpty()) {
        return content.title;
    }
    return content.title + "  " + content.procedure;
}

}  // namespace vantrel

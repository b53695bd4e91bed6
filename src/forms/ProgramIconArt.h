// The program's icon as a handful of shapes on a 32 x 32 grid: a five-bar linkage on a dark tile.
// The same shapes are painted for the window and the about box and written as the scalable icon
// of the desktop entry, so the two can never drift apart.
#pragma once

#include <QColor>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

namespace qor {

// What the icon is drawn with. Lines have round caps; colours are opaque.
class IconCanvas {
public:
    virtual ~IconCanvas() = default;
    // A rounded rectangle filled with a vertical gradient from top to bottom.
    virtual void Tile(const QRectF& rect, double radius, const QColor& top,
                      const QColor& bottom) = 0;
    virtual void Line(QPointF from, QPointF to, const QColor& colour, double width) = 0;
    virtual void Polygon(const QPolygonF& corners, const QColor& fill, const QColor& rim,
                         double rimWidth) = 0;
    virtual void Disc(QPointF centre, double radius, const QColor& fill, const QColor& rim,
                      double rimWidth) = 0;
};

// The edge of the icon's design grid.
constexpr double ProgramIconGrid = 32.0;

void DrawProgramIcon(IconCanvas& canvas);

// The icon as an SVG document of ProgramIconGrid units.
QString ProgramIconSvg();

} // namespace qor

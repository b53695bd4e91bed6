#include "forms/ProgramIconArt.h"

#include <QTextStream>

namespace qor {
namespace {

// Writes the shapes as SVG elements; the gradient gets an id of its own per tile.
class SvgCanvas final : public IconCanvas {
public:
    explicit SvgCanvas(QTextStream& out) : out_(out) {}

    void Tile(const QRectF& rect, double radius, const QColor& top, const QColor& bottom) override {
        const QString id = QStringLiteral("tile%1").arg(++gradients_);
        out_ << "  <defs><linearGradient id=\"" << id
             << "\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\"><stop offset=\"0\" stop-color=\""
             << top.name() << "\"/><stop offset=\"1\" stop-color=\"" << bottom.name()
             << "\"/></linearGradient></defs>\n"
             << "  <rect x=\"" << rect.x() << "\" y=\"" << rect.y() << "\" width=\"" << rect.width()
             << "\" height=\"" << rect.height() << "\" rx=\"" << radius << "\" fill=\"url(#" << id
             << ")\"/>\n";
    }

    void Line(QPointF from, QPointF to, const QColor& colour, double width) override {
        out_ << "  <line x1=\"" << from.x() << "\" y1=\"" << from.y() << "\" x2=\"" << to.x()
             << "\" y2=\"" << to.y() << "\" stroke=\"" << colour.name() << "\" stroke-width=\""
             << width << "\" stroke-linecap=\"round\"/>\n";
    }

    void Polygon(const QPolygonF& corners, const QColor& fill, const QColor& rim,
                 double rimWidth) override {
        out_ << "  <polygon points=\"";
        for (int i = 0; i < corners.size(); ++i) {
            out_ << (i ? " " : "") << corners[i].x() << "," << corners[i].y();
        }
        out_ << "\" fill=\"" << fill.name() << "\"";
        Rim(rim, rimWidth);
        out_ << "/>\n";
    }

    void Disc(QPointF centre, double radius, const QColor& fill, const QColor& rim,
              double rimWidth) override {
        out_ << "  <circle cx=\"" << centre.x() << "\" cy=\"" << centre.y() << "\" r=\"" << radius
             << "\" fill=\"" << fill.name() << "\"";
        Rim(rim, rimWidth);
        out_ << "/>\n";
    }

private:
    void Rim(const QColor& rim, double width) {
        if (width > 0) {
            out_ << " stroke=\"" << rim.name() << "\" stroke-width=\"" << width
                 << "\" stroke-linejoin=\"round\"";
        }
    }

    QTextStream& out_;
    int gradients_ = 0;
};

} // namespace

void DrawProgramIcon(IconCanvas& canvas) {
    canvas.Tile(QRectF(1, 1, 30, 30), 6.5, QColor(0x2c, 0x4d, 0x70), QColor(0x10, 0x1f, 0x2e));

    // Ground, the two fixed pivots, the driven links 1 and 4, the couplers 2 and 3 meeting at B.
    const QPointF pivot1(9.5, 23.5);
    const QPointF pivot4(22.5, 23.5);
    const QPointF joint12(5.5, 13.5);
    const QPointF joint43(26.5, 13.5);
    const QPointF b(16, 5.5);
    const QColor ground(0x9d, 0xb0, 0xc4);
    const QColor driven(0xf2, 0xb2, 0x33);
    const QColor coupler(0x5c, 0xd6, 0xeb);
    const QColor paper(0xff, 0xff, 0xff);
    const QColor ink(0x2b, 0x33, 0x40);

    canvas.Line(QPointF(4.5, 26.8), QPointF(27.5, 26.8), ground, 2);
    for (const QPointF& pivot : {pivot1, pivot4}) {
        QPolygonF stand;
        stand << pivot << pivot + QPointF(-3.2, 3.3) << pivot + QPointF(3.2, 3.3);
        canvas.Polygon(stand, ground, ground, 1);
    }
    canvas.Line(pivot1, joint12, driven, 3.4);
    canvas.Line(pivot4, joint43, driven, 3.4);
    canvas.Line(joint12, b, coupler, 3.4);
    canvas.Line(joint43, b, coupler, 3.4);
    for (const QPointF& joint : {pivot1, pivot4, joint12, joint43}) {
        canvas.Disc(joint, 1.9, paper, ink, 0.8);
    }
    canvas.Disc(b, 2.6, QColor(0xff, 0x5a, 0x6e), paper, 1.2);
}

QString ProgramIconSvg() {
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << ProgramIconGrid << "\" height=\""
        << ProgramIconGrid << "\" viewBox=\"0 0 " << ProgramIconGrid << " " << ProgramIconGrid
        << "\">\n";
    SvgCanvas canvas(out);
    DrawProgramIcon(canvas);
    out << "</svg>\n";
    return svg;
}

} // namespace qor

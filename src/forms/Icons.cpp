#include "forms/Icons.h"

#include "forms/ProgramIconArt.h"

#include <QIconEngine>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace qor {
namespace {

// Every drawing works on a 32 x 32 design grid; strokes are at least 1.6 units wide so that they
// stay visible at 16 pixels.
constexpr double kGrid = 32.0;

const QColor kInk(0x2b, 0x33, 0x40);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kPaperFold(0xd9, 0xe1, 0xea);
const QColor kRuling(0x9a, 0xa7, 0xb6);
const QColor kGreen(0x2e, 0x9e, 0x4f);
const QColor kBlue(0x2f, 0x6f, 0xb7);
const QColor kDeepBlue(0x1f, 0x4f, 0x8a);
const QColor kRed(0xd2, 0x3c, 0x3c);
const QColor kGlass(0xd6, 0xe8, 0xfb);
const QColor kWood(0xb9, 0x85, 0x45);
const QColor kSteelLight(0xa9, 0xb8, 0xc9);
const QColor kSteelDark(0x5d, 0x70, 0x86);

using Drawing = void (*)(QPainter&);

QPen RoundPen(const QColor& color, double width) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Line(QPainter& p, const QColor& color, double width, QPointF from, QPointF to) {
    p.setPen(RoundPen(color, width));
    p.drawLine(from, to);
}

void Disc(QPainter& p, QPointF centre, double radius, const QColor& fill, const QColor& rim,
          double rimWidth) {
    p.setPen(rimWidth > 0 ? RoundPen(rim, rimWidth) : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
}

void DrawNewProject(QPainter& p) {
    QPainterPath sheet;
    sheet.moveTo(7, 3);
    sheet.lineTo(19, 3);
    sheet.lineTo(25, 9);
    sheet.lineTo(25, 29);
    sheet.lineTo(7, 29);
    sheet.closeSubpath();
    p.setPen(RoundPen(kInk, 2));
    p.setBrush(kPaper);
    p.drawPath(sheet);

    QPainterPath fold;
    fold.moveTo(19, 3);
    fold.lineTo(19, 9);
    fold.lineTo(25, 9);
    fold.closeSubpath();
    p.setBrush(kPaperFold);
    p.drawPath(fold);

    for (double y : {13.0, 17.0, 21.0}) {
        Line(p, kRuling, 1.6, QPointF(10.5, y), QPointF(19, y));
    }

    Disc(p, QPointF(23, 23), 7.5, kGreen, kPaper, 1.6);
    Line(p, kPaper, 2.6, QPointF(23, 19.2), QPointF(23, 26.8));
    Line(p, kPaper, 2.6, QPointF(19.2, 23), QPointF(26.8, 23));
}

void DrawSetup(QPainter& p) {
    // Eight teeth: each one a trapezoid from the root circle to the tip circle.
    constexpr int kTeeth = 8;
    constexpr double kTip = 14.0;
    constexpr double kRoot = 10.5;
    const QPointF centre(16, 16);
    QPolygonF outline;
    for (int i = 0; i < kTeeth; ++i) {
        const double middle = 2 * std::numbers::pi * i / kTeeth;
        for (const auto& [offset, radius] : {std::pair{-0.36, kRoot}, std::pair{-0.2, kTip},
                                             std::pair{0.2, kTip}, std::pair{0.36, kRoot}}) {
            const double angle = middle + offset;
            outline << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        }
    }
    QPainterPath gear;
    gear.addPolygon(outline);
    gear.closeSubpath();
    gear.addEllipse(centre, 4.6, 4.6);
    gear.setFillRule(Qt::OddEvenFill);

    QLinearGradient steel(QPointF(4, 4), QPointF(28, 28));
    steel.setColorAt(0, kSteelLight);
    steel.setColorAt(1, kSteelDark);
    p.setPen(RoundPen(kInk, 1.8));
    p.setBrush(steel);
    p.drawPath(gear);
}

void DrawAbout(QPainter& p) {
    Disc(p, QPointF(16, 16), 13.5, kBlue, kDeepBlue, 1.6);
    Disc(p, QPointF(16, 9.2), 2.3, kPaper, kPaper, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(13.9, 13, 4.2, 12), 1.4, 1.4);
}

void DrawHelp(QPainter& p) {
    Disc(p, QPointF(16, 16), 13.5, kBlue, kDeepBlue, 1.6);
    QPainterPath hook;
    hook.moveTo(11.6, 12.2);
    hook.cubicTo(11.6, 6.6, 20.4, 6.6, 20.4, 12.0);
    hook.cubicTo(20.4, 15.4, 16, 15.6, 16, 19.2);
    p.setPen(RoundPen(kPaper, 3.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    Disc(p, QPointF(16, 24.2), 2.1, kPaper, kPaper, 0);
}

void DrawExit(QPainter& p) {
    p.setPen(RoundPen(kInk, 2));
    p.setBrush(kWood);
    p.drawRect(QRectF(5, 3.5, 14, 25));
    Disc(p, QPointF(15.6, 16.5), 1.3, kInk, kInk, 0);

    Line(p, kRed, 3.4, QPointF(12, 16), QPointF(24, 16));
    QPolygonF head;
    head << QPointF(30, 16) << QPointF(22.5, 9.5) << QPointF(22.5, 22.5);
    p.setPen(RoundPen(kRed, 1.2));
    p.setBrush(kRed);
    p.drawPolygon(head);
}

void DrawMagnifier(QPainter& p) {
    Line(p, kInk, 5, QPointF(20, 20), QPointF(27.5, 27.5));
    Disc(p, QPointF(13, 13), 9.5, kGlass, kInk, 2.6);
}

void DrawZoomIn(QPainter& p) {
    DrawMagnifier(p);
    Line(p, kBlue, 2.8, QPointF(8.6, 13), QPointF(17.4, 13));
    Line(p, kBlue, 2.8, QPointF(13, 8.6), QPointF(13, 17.4));
}

void DrawZoomOut(QPainter& p) {
    DrawMagnifier(p);
    Line(p, kBlue, 2.8, QPointF(8.6, 13), QPointF(17.4, 13));
}

void DrawRun(QPainter& p) {
    Disc(p, QPointF(16, 16), 13.5, kGreen, kGreen.darker(130), 1.6);
    QPolygonF play;
    play << QPointF(12.4, 9.4) << QPointF(23.2, 16) << QPointF(12.4, 22.6);
    p.setPen(RoundPen(kPaper, 1.6));
    p.setBrush(kPaper);
    p.drawPolygon(play);
}

void DrawRotateScene(QPainter& p) {
    constexpr double kRadius = 10.5;
    constexpr double kStartDegrees = 40;
    constexpr double kSpanDegrees = 280;
    const QPointF centre(16, 16);
    const QRectF circle(centre.x() - kRadius, centre.y() - kRadius, 2 * kRadius, 2 * kRadius);
    QPainterPath arc;
    arc.arcMoveTo(circle, kStartDegrees);
    arc.arcTo(circle, kStartDegrees, kSpanDegrees);
    p.setPen(RoundPen(kBlue, 3.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);

    // The arrowhead continues the arc at its end, in the direction of travel.
    const double end = (kStartDegrees + kSpanDegrees) * std::numbers::pi / 180;
    const QPointF tip = centre + QPointF(kRadius * std::cos(end), -kRadius * std::sin(end));
    const QPointF along(-std::sin(end), -std::cos(end));
    const QPointF across(along.y(), -along.x());
    QPolygonF head;
    head << tip + 5.0 * along << tip + 4.6 * across << tip - 4.6 * across;
    p.setPen(RoundPen(kBlue, 1.2));
    p.setBrush(kBlue);
    p.drawPolygon(head);
}

// Paints the program icon's shapes.
class PainterCanvas final : public IconCanvas {
public:
    explicit PainterCanvas(QPainter& p) : p_(p) {}

    void Tile(const QRectF& rect, double radius, const QColor& top, const QColor& bottom) override {
        QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
        gradient.setColorAt(0, top);
        gradient.setColorAt(1, bottom);
        p_.setPen(Qt::NoPen);
        p_.setBrush(gradient);
        p_.drawRoundedRect(rect, radius, radius);
    }

    void Line(QPointF from, QPointF to, const QColor& colour, double width) override {
        qor::Line(p_, colour, width, from, to);
    }

    void Polygon(const QPolygonF& corners, const QColor& fill, const QColor& rim,
                 double rimWidth) override {
        p_.setPen(RoundPen(rim, rimWidth));
        p_.setBrush(fill);
        p_.drawPolygon(corners);
    }

    void Disc(QPointF centre, double radius, const QColor& fill, const QColor& rim,
              double rimWidth) override {
        qor::Disc(p_, centre, radius, fill, rim, rimWidth);
    }

private:
    QPainter& p_;
};

void DrawProgram(QPainter& p) {
    PainterCanvas canvas(p);
    DrawProgramIcon(canvas);
}

// Greys a drawing and fades it to about 40% opacity, the look of a disabled control.
void Fade(QImage& image) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 96 + qGray(line[x]) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * 2 / 5);
        }
    }
}

class DrawnIconEngine final : public QIconEngine {
public:
    explicit DrawnIconEngine(Drawing draw) : draw_(draw) {}

    QIconEngine* clone() const override { return new DrawnIconEngine(draw_); }

    // Drawn once per drawing, size and mode: a window asks for its icon in every size, twice
    // when it is made, and a toolbar button whenever it is enabled or disabled.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const QString key = QStringLiteral("qor-icon:%1:%2x%3:%4")
                                .arg(reinterpret_cast<quintptr>(draw_))
                                .arg(size.width())
                                .arg(size.height())
                                .arg(static_cast<int>(mode));
        QPixmap drawn;
        if (!QPixmapCache::find(key, &drawn)) {
            drawn = Draw(size, mode);
            QPixmapCache::insert(key, drawn);
        }
        return drawn;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatioF();
        QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, drawn);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(24, 24),   QSize(32, 32),  QSize(48, 48),
                QSize(64, 64), QSize(128, 128), QSize(256, 256)};
    }

private:
    QPixmap Draw(const QSize& size, QIcon::Mode mode) const {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(size.width() / kGrid, size.height() / kGrid);
            draw_(painter);
        }
        if (mode == QIcon::Disabled) {
            Fade(image);
        }
        return QPixmap::fromImage(image);
    }

    Drawing draw_;
};

QIcon Drawn(Drawing draw) {
    return QIcon(new DrawnIconEngine(draw));
}

} // namespace

QIcon NewProjectIcon() {
    return Drawn(DrawNewProject);
}

QIcon SetupIcon() {
    return Drawn(DrawSetup);
}

QIcon AboutIcon() {
    return Drawn(DrawAbout);
}

QIcon HelpIcon() {
    return Drawn(DrawHelp);
}

QIcon ExitIcon() {
    return Drawn(DrawExit);
}

QIcon ZoomInIcon() {
    return Drawn(DrawZoomIn);
}

QIcon ZoomOutIcon() {
    return Drawn(DrawZoomOut);
}

QIcon RunIcon() {
    return Drawn(DrawRun);
}

QIcon RotateSceneIcon() {
    return Drawn(DrawRotateScene);
}

QIcon ProgramIcon() {
    return Drawn(DrawProgram);
}

} // namespace qor

#include "DesignIcon.h"

#include "forms/Icons.h"
#include "forms/ProgramIconArt.h"

#include <QPainter>
#include <QPolygonF>
#include <QTextStream>

#include <cmath>

namespace qor {
namespace {

// The sheet and its fold on the 32 x 32 grid.
const QPolygonF kSheet = QPolygonF()
                         << QPointF(5.5, 1.5) << QPointF(20.5, 1.5) << QPointF(26.5, 7.5)
                         << QPointF(26.5, 30.5) << QPointF(5.5, 30.5);
const QPolygonF kFold = QPolygonF()
                        << QPointF(20.5, 1.5) << QPointF(20.5, 7.5) << QPointF(26.5, 7.5);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kPaperFold(0xd9, 0xe1, 0xea);
const QColor kRim(0x7d, 0x8b, 0x9c);
constexpr double kRimWidth = 1.2;

// Two lines of text at the top left, as on any document.
struct Ruling {
    QPointF from;
    QPointF to;
};
const Ruling kRulings[] = {{QPointF(9, 5.5), QPointF(17, 5.5)}, {QPointF(9, 9), QPointF(20, 9)}};
const QColor kRuling(0x9a, 0xa7, 0xb6);
constexpr double kRulingWidth = 1.6;

// Where the program icon's 32 x 32 grid lies on the sheet: its tile then spans 8.1 to 24.9
// across and 12.6 to 29.4 down.
constexpr double kProgramLeft = 7.5;
constexpr double kProgramTop = 12.0;
constexpr double kProgramSize = 18.0;

QString Points(const QPolygonF& polygon) {
    QString text;
    for (const QPointF& p : polygon) {
        text += QStringLiteral("%1%2,%3").arg(text.isEmpty() ? "" : " ").arg(p.x()).arg(p.y());
    }
    return text;
}

} // namespace

QImage DesignIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double scale = size / ProgramIconGrid;
    p.scale(scale, scale);
    p.setPen(QPen(kRim, kRimWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kPaper);
    p.drawPolygon(kSheet);
    p.setBrush(kPaperFold);
    p.drawPolygon(kFold);
    p.setPen(QPen(kRuling, kRulingWidth, Qt::SolidLine, Qt::RoundCap));
    for (const Ruling& r : kRulings) {
        p.drawLine(r.from, r.to);
    }
    // The program icon at its own pixel size, so that it is drawn sharp rather than scaled.
    p.resetTransform();
    const int left = static_cast<int>(std::lround(kProgramLeft * scale));
    const int top = static_cast<int>(std::lround(kProgramTop * scale));
    const int edge = static_cast<int>(std::lround(kProgramSize * scale));
    p.drawPixmap(left, top, ProgramIcon().pixmap(edge, edge));
    return image;
}

QString DesignIconSvg() {
    // The program icon's shapes, without its document element, inside a group that places them.
    const QString program = ProgramIconSvg();
    const qsizetype bodyStart = program.indexOf(QLatin1Char('>'), program.indexOf("<svg")) + 1;
    const QString body = program.mid(bodyStart, program.lastIndexOf("</svg>") - bodyStart);

    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << ProgramIconGrid << "\" height=\""
        << ProgramIconGrid << "\" viewBox=\"0 0 " << ProgramIconGrid << " " << ProgramIconGrid
        << "\">\n"
        << "  <polygon points=\"" << Points(kSheet) << "\" fill=\"" << kPaper.name()
        << "\" stroke=\"" << kRim.name() << "\" stroke-width=\"" << kRimWidth
        << "\" stroke-linejoin=\"round\"/>\n"
        << "  <polygon points=\"" << Points(kFold) << "\" fill=\"" << kPaperFold.name()
        << "\" stroke=\"" << kRim.name() << "\" stroke-width=\"" << kRimWidth
        << "\" stroke-linejoin=\"round\"/>\n";
    for (const Ruling& r : kRulings) {
        out << "  <line x1=\"" << r.from.x() << "\" y1=\"" << r.from.y() << "\" x2=\"" << r.to.x()
            << "\" y2=\"" << r.to.y() << "\" stroke=\"" << kRuling.name() << "\" stroke-width=\""
            << kRulingWidth << "\" stroke-linecap=\"round\"/>\n";
    }
    out << "  <g transform=\"translate(" << kProgramLeft << " " << kProgramTop << ") scale("
        << kProgramSize / ProgramIconGrid << ")\">\n"
        << body << "  </g>\n"
        << "</svg>\n";
    return svg;
}

} // namespace qor

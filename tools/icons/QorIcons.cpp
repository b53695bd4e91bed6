// qor-icons: writes the icons of the desktop's icon theme, as PNGs of the usual sizes and as SVG:
// the program's icon into <folder>/hicolor/<size>/apps/<program icon>.{png,svg} and the icon of
// its design files into <folder>/hicolor/<size>/mimetypes/<design icon>.{png,svg}.
#include "DesignIcon.h"

#include "forms/Icons.h"
#include "forms/ProgramIconArt.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>

#include <cstdio>
#include <functional>

namespace {

// Writes one icon at every size and as SVG into hicolor/<size>/<context>/<name>.
bool WriteIcon(const QDir& root, const QString& context, const QString& name,
               const std::function<QImage(int)>& draw, const QString& svgText) {
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1x%1/").arg(size) + context;
        const QString file = root.filePath(folder + QLatin1Char('/') + name + ".png");
        if (!root.mkpath(folder) || !draw(size).save(file, "PNG")) {
            std::fprintf(stderr, "qor-icons: cannot write %s\n", qPrintable(file));
            return false;
        }
    }
    const QString folder = QStringLiteral("scalable/") + context;
    const QString svgFile = root.filePath(folder + QLatin1Char('/') + name + ".svg");
    QFile svg(svgFile);
    if (!root.mkpath(folder) || !svg.open(QIODevice::WriteOnly) ||
        svg.write(svgText.toUtf8()) < 0) {
        std::fprintf(stderr, "qor-icons: cannot write %s\n", qPrintable(svgFile));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: qor-icons FOLDER PROGRAM-ICON-NAME DESIGN-ICON-NAME\n");
        return 2;
    }
    // The icons are painted into images; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir root(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor"));
    const QIcon program = qor::ProgramIcon();
    const auto drawProgram = [&program](int size) { return program.pixmap(size, size).toImage(); };
    const bool written =
        WriteIcon(root, QStringLiteral("apps"), QString::fromLocal8Bit(argv[2]), drawProgram,
                  qor::ProgramIconSvg()) &&
        WriteIcon(root, QStringLiteral("mimetypes"), QString::fromLocal8Bit(argv[3]),
                  qor::DesignIconImage, qor::DesignIconSvg());
    return written ? 0 : 1;
}

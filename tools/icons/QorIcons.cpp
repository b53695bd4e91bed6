// qor-icons: writes the program's icon for the desktop's icon theme, as PNGs of the usual sizes
// and as SVG, into <folder>/hicolor/<size>/apps/<name>.{png,svg}.
#include "forms/Icons.h"
#include "forms/ProgramIconArt.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: qor-icons FOLDER ICON-NAME\n");
        return 2;
    }
    // The icons are painted into images; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir root(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor"));
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QIcon icon = qor::ProgramIcon();
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = root.filePath(folder + QLatin1Char('/') + name + ".png");
        if (!root.mkpath(folder) || !icon.pixmap(size, size).save(file, "PNG")) {
            std::fprintf(stderr, "qor-icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    const QString svgFile = root.filePath(QStringLiteral("scalable/apps/") + name + ".svg");
    QFile svg(svgFile);
    if (!root.mkpath(QStringLiteral("scalable/apps")) || !svg.open(QIODevice::WriteOnly) ||
        svg.write(qor::ProgramIconSvg().toUtf8()) < 0) {
        std::fprintf(stderr, "qor-icons: cannot write %s\n", qPrintable(svgFile));
        return 1;
    }
    return 0;
}

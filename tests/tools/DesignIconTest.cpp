// The design files' icon: the sheet, its fold and the program's icon where they belong at every
// size, and an SVG that is one well-formed document holding the program icon's shapes.
#include "DesignIcon.h"

#include "forms/ProgramIconArt.h"

#include <QImage>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>

namespace {

// The pixel under a point of the 32 x 32 grid.
QColor At(const QImage& image, double x, double y) {
    const double scale = image.width() / qor::ProgramIconGrid;
    return image.pixelColor(static_cast<int>(x * scale), static_cast<int>(y * scale));
}

// The pixel under a point of the program icon's own grid, which the sheet shows 18 units wide
// from (7.5, 12).
QColor AtProgram(const QImage& image, double x, double y) {
    return At(image, 7.5 + x * 18 / 32, 12 + y * 18 / 32);
}

TEST(DesignIconImage, ShowsTheSheetItsFoldAndTheProgramIconAtEverySize) {
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage image = qor::DesignIconImage(size);
        ASSERT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << "outside the sheet";
        EXPECT_EQ(image.pixelColor(size - 1, 0).alpha(), 0) << "beyond the fold";
        if (size < 48) {
            continue; // smaller, the points below lie within a pixel of an edge's blur
        }
        EXPECT_EQ(At(image, 8, 11), QColor(0xff, 0xff, 0xff)) << "the sheet";
        EXPECT_EQ(At(image, 22.5, 5.5), QColor(0xd9, 0xe1, 0xea)) << "the fold";
        // The program icon's dark tile below its ground line, and its red point B.
        const QColor tile = AtProgram(image, 16, 29.5);
        EXPECT_LT(tile.lightness(), 60) << tile.name().toStdString();
        const QColor b = AtProgram(image, 16, 5.5);
        EXPECT_GT(b.red(), 200) << b.name().toStdString();
        EXPECT_LT(b.green(), 120) << b.name().toStdString();
    }
}

TEST(DesignIconSvg, IsOneDocumentWithTheSheetAndTheProgramIconShapes) {
    const auto elementCounts = [](const QString& svg) {
        std::map<QString, int> counts;
        QXmlStreamReader xml(svg);
        int roots = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement) {
                ++counts[xml.name().toString()];
                roots += xml.name() == QStringLiteral("svg") ? 1 : 0;
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_EQ(roots, 1);
        return counts;
    };
    std::map<QString, int> design = elementCounts(qor::DesignIconSvg());
    std::map<QString, int> program = elementCounts(qor::ProgramIconSvg());
    // The sheet and the fold are two more polygons, the two lines of text two more lines, and
    // one group places the program icon.
    EXPECT_EQ(design[QStringLiteral("polygon")], program[QStringLiteral("polygon")] + 2);
    EXPECT_EQ(design[QStringLiteral("line")], program[QStringLiteral("line")] + 2);
    EXPECT_EQ(design[QStringLiteral("circle")], program[QStringLiteral("circle")]);
    EXPECT_EQ(design[QStringLiteral("rect")], program[QStringLiteral("rect")]);
    EXPECT_EQ(design[QStringLiteral("g")], program[QStringLiteral("g")] + 1);
}

} // namespace

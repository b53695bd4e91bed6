// The drawn icons: every one draws at every size and pixel ratio, fills the pixels asked for,
// and turns grey and faint when disabled.
#include "forms/Icons.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Drawn {
    std::string name;
    QIcon (*make)();
};

void PrintTo(const Drawn& d, std::ostream* os) {
    *os << d.name;
}

// The share of pixels that something was drawn on.
double Coverage(const QImage& image) {
    int covered = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            covered += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return static_cast<double>(covered) / (image.width() * image.height());
}

class Icon : public testing::TestWithParam<Drawn> {};

TEST_P(Icon, DrawsSharpAtEverySizeAndPixelRatio) {
    const QIcon icon = GetParam().make();
    for (int size : {16, 24, 32, 48, 256}) {
        for (qreal ratio : {1.0, 2.0}) {
            const QPixmap pixmap = icon.pixmap(QSize(size, size), ratio);
            EXPECT_EQ(pixmap.size(), QSize(size, size) * ratio) << size << " at " << ratio;
            EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(size, size));
            const double coverage = Coverage(pixmap.toImage());
            EXPECT_GT(coverage, 0.15) << size << " at " << ratio;
            EXPECT_LT(coverage, 1.0) << "an icon leaves its corners free";
        }
    }
}

TEST_P(Icon, DisabledIsGreyAndFainter) {
    const QIcon icon = GetParam().make();
    const QImage normal = icon.pixmap(QSize(32, 32), 1.0, QIcon::Normal).toImage();
    const QImage disabled = icon.pixmap(QSize(32, 32), 1.0, QIcon::Disabled)
                                .toImage()
                                .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb pixel = disabled.pixel(x, y);
            EXPECT_EQ(qRed(pixel), qGreen(pixel));
            EXPECT_EQ(qGreen(pixel), qBlue(pixel));
            EXPECT_LT(qAlpha(pixel), qAlpha(normal.pixel(x, y)) / 2 + 1);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    All, Icon,
    testing::Values(Drawn{"NewProject", qor::NewProjectIcon}, Drawn{"Setup", qor::SetupIcon},
                    Drawn{"About", qor::AboutIcon}, Drawn{"Help", qor::HelpIcon},
                    Drawn{"Exit", qor::ExitIcon}, Drawn{"ZoomIn", qor::ZoomInIcon},
                    Drawn{"ZoomOut", qor::ZoomOutIcon}, Drawn{"Run", qor::RunIcon},
                    Drawn{"RotateScene", qor::RotateSceneIcon}, Drawn{"Program", qor::ProgramIcon}),
    [](const auto& info) { return info.param.name; });

TEST(ZoomIcons, DifferOnlyInThePlusBar) {
    const QImage in = qor::ZoomInIcon().pixmap(QSize(32, 32), 1.0).toImage();
    const QImage out = qor::ZoomOutIcon().pixmap(QSize(32, 32), 1.0).toImage();
    EXPECT_NE(in, out);
    // The vertical bar of "+" crosses the glass above the horizontal one.
    EXPECT_NE(in.pixel(13, 9), out.pixel(13, 9));
    EXPECT_EQ(in.pixel(9, 13), out.pixel(9, 13));
}

} // namespace

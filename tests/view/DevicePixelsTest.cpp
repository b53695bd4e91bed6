// Control rectangles in device pixels and the part of the device's picture a control shows.
#include "view/DevicePixels.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

struct PixelCase {
    const char* name;
    QRect logical;
    qreal ratio;
    QRect device;
};

class ToDevicePixelsTest : public ::testing::TestWithParam<PixelCase> {};

TEST_P(ToDevicePixelsTest, ScalesEveryEdge) {
    EXPECT_EQ(ToDevicePixels(GetParam().logical, GetParam().ratio), GetParam().device);
}

INSTANTIATE_TEST_SUITE_P(
    Rects, ToDevicePixelsTest,
    ::testing::Values(PixelCase{"SameAtRatioOne", {10, 20, 100, 75}, 1.0, {10, 20, 100, 75}},
                      PixelCase{"DoubledAtRatioTwo", {10, 20, 100, 75}, 2.0, {20, 40, 200, 150}},
                      // 7 * 1.25 = 8.75 -> 9; (7 + 3) * 1.25 = 12.5 -> 13: width 4, not 3.75.
                      PixelCase{"EdgesRoundedOnTheirOwn", {7, 7, 3, 3}, 1.25, {9, 9, 4, 4}},
                      PixelCase{"EmptyStaysEmpty", {5, 5, 0, 0}, 1.5, {8, 8, 0, 0}}),
    [](const auto& info) { return info.param.name; });

// Two controls side by side stay side by side in device pixels, with no gap and no overlap.
TEST(ToDevicePixels, NeighboursStayNeighboursAtFractionalRatios) {
    for (const qreal ratio : {1.25, 1.5, 1.75}) {
        const QRect left = ToDevicePixels({0, 0, 33, 10}, ratio);
        const QRect right = ToDevicePixels({33, 0, 34, 10}, ratio);
        EXPECT_EQ(left.x() + left.width(), right.x()) << ratio;
    }
}

struct BlitCase {
    const char* name;
    QSize picture;
    QSize target;
    QRect source;
    QRect targetRect;
};

class TopLeftBlitTest : public ::testing::TestWithParam<BlitCase> {};

TEST_P(TopLeftBlitTest, CopiesThePicturesTopLeftCorner) {
    const PictureBlit blit = TopLeftBlit(GetParam().picture, GetParam().target);
    EXPECT_EQ(blit.source, GetParam().source);
    EXPECT_EQ(blit.target, GetParam().targetRect);
}

// Rows count from the bottom in both framebuffers: the picture's top rows are its last ones.
INSTANTIATE_TEST_SUITE_P(
    Sizes, TopLeftBlitTest,
    ::testing::Values(
        BlitCase{"SmallControlOnScreenSizedPicture",
                 {1920, 1080},
                 {200, 150},
                 {0, 930, 200, 150},
                 {0, 0, 200, 150}},
        BlitCase{"WholePicture", {640, 480}, {640, 480}, {0, 0, 640, 480}, {0, 0, 640, 480}},
        BlitCase{"ControlTallerThanPicture", {100, 50}, {80, 70}, {0, 0, 80, 50}, {0, 20, 80, 50}},
        BlitCase{"EmptyControl", {100, 50}, {0, 0}, {}, {}},
        BlitCase{"NoPicture", {0, 0}, {100, 50}, {}, {}}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace qor

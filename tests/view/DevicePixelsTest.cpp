// Control rectangles in device pixels and the part of the device's picture a control shows.
#include "view/DevicePixels.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(ToDevicePixels, ScalesEachEdgeSoThatNeighboursStayNeighbours) {
    EXPECT_EQ(ToDevicePixels({10, 20, 100, 75}, 1.0), QRect(10, 20, 100, 75));
    EXPECT_EQ(ToDevicePixels({10, 20, 100, 75}, 2.0), QRect(20, 40, 200, 150));
    // 7 * 1.25 = 8.75 -> 9 and (7 + 3) * 1.25 = 12.5 -> 13: the width is 4, not 3.75 rounded.
    EXPECT_EQ(ToDevicePixels({7, 7, 3, 3}, 1.25), QRect(9, 9, 4, 4));
    for (const qreal ratio : {1.25, 1.5, 1.75}) {
        const QRect left = ToDevicePixels({0, 0, 33, 10}, ratio);
        EXPECT_EQ(left.x() + left.width(), ToDevicePixels({33, 0, 34, 10}, ratio).x()) << ratio;
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

// Rows count from the bottom in both framebuffers: the picture's top rows are its last ones.
TEST_P(TopLeftBlitTest, CopiesThePicturesTopLeftCorner) {
    const PictureBlit blit = TopLeftBlit(GetParam().picture, GetParam().target);
    EXPECT_EQ(blit.source, GetParam().source);
    EXPECT_EQ(blit.target, GetParam().targetRect);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, TopLeftBlitTest,
    ::testing::Values(
        BlitCase{"SmallControlOnScreenSizedPicture",
                 {1920, 1080},
                 {200, 150},
                 {0, 930, 200, 150},
                 {0, 0, 200, 150}},
        BlitCase{"ControlTallerThanPicture", {100, 50}, {80, 70}, {0, 0, 80, 50}, {0, 20, 80, 50}},
        BlitCase{"EmptyControl", {100, 50}, {0, 0}, {}, {}}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace qor

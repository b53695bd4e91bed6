// Both linkages are drawn where the program's camera should see them: the default scene is
// rendered offscreen with the program's viewport settings, and the hinge colours are looked for
// on the drums around the pixels onto which B of each mechanism projects, the links' colour half
// way along them.
#include "../support/Require.h"
#include "SceneColours.h"
#include "SceneFixture.h"

#include "../support/PictureRecord.h"

#include <QColor>
#include <QImage>

#include <cmath>
#include <functional>
#include <string>

namespace qor::test {
namespace {

class ScenePixelTest : public SceneFixture {
protected:
    ScenePixelTest() : SceneFixture(1920, 1080) {}
};

TEST_F(ScenePixelTest, BothLinkagesShowWhereTheCameraSeesThem) {
    ASSERT_TRUE(rig.Ok());
    Build();
    Require(rig.engine->Tick(0));
    const QImage image = rig.device->GrabImage();
    ASSERT_EQ(image.size(), QSize(1920, 1080));
    PictureRecord record(QStringLiteral("scene"), image);

    struct Spot {
        std::string what;
        Vec3 scenePoint;
        ColourTest colour;
        QColor shown; // how the spot is marked on the expected picture
    };
    // Half way along link 1, and between its pivot and link 4's pivot on the other side of the
    // axes: the floor or the wall, not a link.
    const auto along = [](const Mechanism& m, double first, double second) {
        const double lift = m.Plane == MechanismPlane::Horizontal ? 0.1 : 0.2;
        return ScenePointOf(m, first, second, lift);
    };
    // The hinge's steel axle stands out of the middle of its drum (radius 0.32): look beside it.
    const Vec3 besideAxle{0.22, 0, 0};
    const Spot spots[] = {
        {"purple hinge left of B of the floor mechanism", SceneB(m1) - besideAxle, Purple,
         kPurpleMark},
        {"purple hinge right of B of the floor mechanism", SceneB(m1) + besideAxle, Purple,
         kPurpleMark},
        {"yellow hinge left of B of the wall mechanism", SceneB(m2) - besideAxle, Yellow,
         kYellowMark},
        {"yellow hinge right of B of the wall mechanism", SceneB(m2) + besideAxle, Yellow,
         kYellowMark},
        {"link 3 of the floor mechanism", along(m1, (m1.B.x + m1.Joint43.x) / 2, m1.B.z / 2),
         Orange, kOrangeMark},
        {"link 3 of the wall mechanism", along(m2, (m2.B.x + m2.Joint43.x) / 2, m2.B.y / 2), Orange,
         kOrangeMark},
    };
    for (const Spot& spot : spots) {
        const QPointF pixel = rig.PixelOf(spot.scenePoint);
        record.ExpectSpot(pixel, spot.shown);
        EXPECT_GE(Matching(image, pixel, spot.colour), 5)
            << spot.what << " at pixel " << pixel.x() << ", " << pixel.y() << ": "
            << image.pixelColor(pixel.toPoint()).name().toStdString();
    }
    // Nothing of either linkage 2 cm to the left of pivot 1.
    for (const Mechanism* m : {&m1, &m2}) {
        const QPointF pixel = rig.PixelOf(along(*m, -2, 0.5));
        record.ExpectSpot(pixel, kNothingMark);
        for (const ColourTest& colour :
             {ColourTest(Purple), ColourTest(Yellow), ColourTest(Orange)}) {
            EXPECT_EQ(Matching(image, pixel, colour), 0)
                << "left of pivot 1 at " << pixel.x() << ", " << pixel.y();
        }
    }
}

TEST(SceneColourMarks, AreOfTheColoursTheyStandFor) {
    EXPECT_TRUE(Purple(kPurpleMark));
    EXPECT_TRUE(Yellow(kYellowMark));
    EXPECT_TRUE(Orange(kOrangeMark));
    for (const ColourTest& colour : {ColourTest(Purple), ColourTest(Yellow), ColourTest(Orange)}) {
        EXPECT_FALSE(colour(kNothingMark));
    }
}

} // namespace
} // namespace qor::test

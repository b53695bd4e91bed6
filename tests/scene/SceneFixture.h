// A scene of both linkages built as the program builds it, from the committed model set, into
// the offscreen rig; message boxes are recorded instead of shown.
#pragma once

#include "SceneRig.h"

#include "../support/GlErrors.h"

#include "platform/MessageBox.h"
#include "scene/MechanismScene.h"

#include <gtest/gtest.h>

namespace qor::test {

class SceneFixture : public ::testing::Test {
protected:
    explicit SceneFixture(int width = 0, int height = 0)
        : rig(width, height), m1(DefaultMechanism(MechanismPlane::Horizontal)),
          m2(DefaultMechanism(MechanismPlane::Vertical)), scene(m1, m2, showB1, showB2) {
        scene.SetModelSetRoot(QStringLiteral(QOR_MODEL_SET));
    }

    void TearDown() override {
        EXPECT_EQ(GlErrorNames(TakeGlErrors()).toStdString(), "none") << "left by the drawing";
    }

    void Build() { scene.BuildScene(rig.engine.get(), rig.scene.get(), rig.camera.get()); }

    SceneRig rig;
    Mechanism m1;
    Mechanism m2;
    PointBReadout showB1;
    PointBReadout showB2;
    MechanismScene scene;
    MessageBoxRecorder boxes;
};

} // namespace qor::test

// Loading one model of the set into a frame: shown when it loads, reported by its box when the
// file is missing or not a model, and stretched along x on request.
#include "SceneRig.h"

#include "../support/Require.h"
#include "platform/AppPaths.h"
#include "platform/MessageBox.h"
#include "scene/LoadModel.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace qor::test {
namespace {

struct LoadCase {
    const char* name;
    QString file; // within a folder holding the set's L3.x and a file that is not a model
    bool loads;
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.name;
}

class LoadModelCases : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadModelCases, ShowsTheModelOrReportsTheFileOnce) {
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(ModelPath(QStringLiteral(QOR_MODEL_SET), QStringLiteral("LINKS\\L3.x")),
                            dir.filePath(QStringLiteral("L3.x"))));
    QFile text(dir.filePath(QStringLiteral("notes.x")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("These are a teacher's notes, not a model.\n");
    text.close();

    MessageBoxRecorder boxes;
    SceneRig rig;
    RefPtr<IDirect3DRMFrame> frame;
    Require(rig.engine->CreateFrame(rig.scene.get(), frame));
    const LoadCase& c = GetParam();
    EXPECT_EQ(LoadModel(rig.engine.get(), frame.get(), dir.filePath(c.file)), c.loads);
    EXPECT_EQ(frame->Visuals().size(), c.loads ? 1u : 0u);
    if (c.loads) {
        EXPECT_TRUE(boxes.Shown().empty());
        return;
    }
    ASSERT_EQ(boxes.Shown().size(), 1u);
    const MessageBoxRequest& box = boxes.Shown()[0];
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.text, QStringLiteral("Не могу загрузить файлы конструкции.\n"));
    EXPECT_EQ(box.caption, QStringLiteral("Ошибка !"));
    EXPECT_EQ(box.icon, MsgIcon::Warning);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadModelCases,
    ::testing::Values(LoadCase{"AModelOfTheSet", QStringLiteral("L3.x"), true},
                      LoadCase{"AMissingFile", QStringLiteral("L11.x"), false},
                      LoadCase{"AFileThatIsNotAModel", QStringLiteral("notes.x"), false}),
    [](const ::testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

TEST(LoadModelTest, StretchesTheModelAlongXOnly) {
    MessageBoxRecorder boxes;
    SceneRig rig;
    RefPtr<IDirect3DRMFrame> plain;
    RefPtr<IDirect3DRMFrame> stretched;
    Require(rig.engine->CreateFrame(rig.scene.get(), plain));
    Require(rig.engine->CreateFrame(rig.scene.get(), stretched));
    const QString file = ModelPath(QStringLiteral(QOR_MODEL_SET), QStringLiteral("LINKS\\L5.x"));
    ASSERT_TRUE(LoadModel(rig.engine.get(), plain.get(), file));
    ASSERT_TRUE(LoadModel(rig.engine.get(), stretched.get(), file, -2.5));
    const MeshData& a = *plain->Visuals()[0]->Geometry();
    const MeshData& b = *stretched->Visuals()[0]->Geometry();
    ASSERT_EQ(a.vertices.size(), b.vertices.size());
    for (std::size_t v = 0; v < a.vertices.size(); ++v) {
        EXPECT_FLOAT_EQ(b.vertices[v].position[0], -2.5f * a.vertices[v].position[0]);
        EXPECT_EQ(b.vertices[v].position[1], a.vertices[v].position[1]);
        EXPECT_EQ(b.vertices[v].position[2], a.vertices[v].position[2]);
    }
}

} // namespace
} // namespace qor::test

// The main window with its 3D view: a new construction builds the scene in a fresh view host,
// the idle passes move the drawn links with the solved mechanisms and show them, missing models
// are reported and leave a working program, and repeated constructions leak nothing.
#include "../scene/SceneColours.h"
#include "../scene/SceneRig.h"
#include "../support/PictureRecord.h"
#include "MainWindowFixture.h"

#include "../support/Require.h"
#include "engine/RetainedMode.h"
#include "kinematics/Angles.h"
#include "platform/DecimalSeparator.h"
#include "platform/IdleHook.h"
#include "platform/MessageBox.h"
#include "platform/NumberText.h"
#include "view/TD3dView.h"
#include "view/TVport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>

namespace qortest {
namespace {

using qor::Mechanism;
using qor::test::JointError;
using qor::test::SceneB;

double Rad(double degrees) {
    return static_cast<double>(qor::DegToRad(degrees));
}

double ResidentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1e6;
}

class MainWindowScene : public MainWindow {
protected:
    // Ticks every driven link and picks a direction for each: + for link 1, - for link 4.
    void DriveAllLinks() {
        for (const char* box : {"cb1", "cb4", "cb1_2", "cb4_2"}) {
            Click(box);
        }
        for (const char* button : {"rbRotPlus1", "rbRotMinus4", "rbRotPlus1_2", "rbRotMinus4_2"}) {
            Click(button);
        }
    }

    void IdlePasses(int count) {
        bool done = false;
        for (int i = 0; i < count; ++i) {
            form.IdlePass(done);
        }
    }

    double WorstJointError() {
        const qor::SceneFrames& frames = form.Scene().Frames();
        return std::max(JointError(form.Mechanism1(), frames.Mechanism1),
                        JointError(form.Mechanism2(), frames.Mechanism2));
    }

    QStringList Shown(std::initializer_list<const char*> labels) {
        QStringList texts;
        for (const char* label : labels) {
            texts << Get<QLabel>(label)->text();
        }
        return texts;
    }
};

TEST_F(MainWindowScene, NewConstructionBuildsTheSceneInAFreshViewSeenFromTheDefaultCamera) {
    qor::MessageBoxRecorder boxes;
    NewConstruction();
    EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join(" | ").toStdString();
    ASSERT_TRUE(form.Scene().HasScene());
    qor::TD3dView* view = form.View();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->parentWidget()->objectName(), "ViewHostArea");
    qor::TVport* vport = form.Vport();
    ASSERT_NE(vport, nullptr);
    EXPECT_EQ(vport->objectName(), "VideoPort");
    EXPECT_EQ(vport->size(), view->size());
    ASSERT_TRUE(vport->Viewport);
    EXPECT_EQ(vport->Viewport->GetProjection(), qor::D3DRMPROJECT_ORTHOGRAPHIC);
    EXPECT_EQ(vport->Viewport->GetFront(), 0.1f);
    EXPECT_EQ(vport->Viewport->GetBack(), 5000.0f);
    EXPECT_EQ(vport->Viewport->GetField(), 14.0f);
    EXPECT_EQ(view->Device->GetQuality(), qor::D3DRMRENDER_FLAT);

    qor::RefPtr<qor::IDirect3DRMFrame> camera;
    qor::test::Require(vport->Viewport->GetCamera(camera));
    ASSERT_TRUE(camera);
    EXPECT_NE(camera.get(), view->CameraFrame.get());
    qor::D3DVECTOR position{};
    qor::test::Require(camera->GetPosition(view->SceneFrame.get(), &position));
    EXPECT_EQ(position.x, 5.0f);
    EXPECT_EQ(position.y, 10.0f);
    EXPECT_EQ(position.z, -10.0f);
    EXPECT_EQ(Get<QComboBox>("ProjectionsCombo")->currentText(), "по умолчанию");

    EXPECT_LT(WorstJointError(), 1e-5);
    EXPECT_EQ(Shown({"lbxB", "lbyB", "lbzB"}), BTexts(form.Mechanism1()));
    EXPECT_EQ(Shown({"lbxB_2", "lbyB_2", "lbzB_2"}), BTexts(form.Mechanism2()));
}

// Run with all four links turning: after each batch of steps the drawn joints meet B, and the
// angle and B read-outs show the records, with a comma or a period as separator.
class RunningConstruction : public MainWindowScene, public testing::WithParamInterface<char> {
protected:
    ~RunningConstruction() override { qor::SetDecimalSeparator('.'); }
};

TEST_P(RunningConstruction, MovesTheDrawnFramesAndTheReadoutsFollow) {
    const QChar separator(GetParam());
    qor::SetDecimalSeparator(separator);
    NewConstruction();
    DriveAllLinks();
    Click("bbRunWork");
    // The idle pass may already have stepped while the clicks were handled.
    const double fi1 = form.Mechanism1().Fi;
    const double gamma2 = form.Mechanism2().Gamma;
    double worst = 0;
    for (int batch = 0; batch < 30; ++batch) {
        for (int step = 0; step < 9; ++step) {
            form.StepOnce();
        }
        IdlePasses(1);
        worst = std::max(worst, WorstJointError());
    }
    EXPECT_LT(worst, 1e-4);
    EXPECT_NEAR(form.Mechanism1().Fi, fi1 + Rad(300), 1e-9);
    EXPECT_NEAR(form.Mechanism2().Gamma, gamma2 - Rad(300), 1e-9);
    EXPECT_EQ(Shown({"lbFi", "lbGamma_2"}), QStringList({DegreesText(form.Mechanism1().Fi),
                                                         DegreesText(form.Mechanism2().Gamma)}));
    EXPECT_TRUE(Get<QLabel>("lbFi")->text().endsWith(separator + QStringLiteral("00")));
    EXPECT_EQ(Shown({"lbxB", "lbyB", "lbzB"}), BTexts(form.Mechanism1()));
    EXPECT_EQ(Shown({"lbxB_2", "lbyB_2", "lbzB_2"}), BTexts(form.Mechanism2()));
}

INSTANTIATE_TEST_SUITE_P(Separators, RunningConstruction, testing::Values(',', '.'),
                         [](const auto& info) { return info.param == ',' ? "Comma" : "Period"; });

// An entered initial angle of 359 degrees wraps to 0 in the initial pose; one of 358 turned by
// one degree wraps on the step. The drawn links stay joined at B through both.
TEST_F(MainWindowScene, DrivenAngleWrapsAtFullTurnAndTheDrawnLinksStayJoined) {
    WhenModal([](QWidget* dialog) {
        Find<QLineEdit>(dialog, "edfi0")->setText(QStringLiteral("358"));
        Find<QLineEdit>(dialog, "edfi0_2")->setText(QStringLiteral("359"));
        QTest::mouseClick(Find<QWidget>(dialog, "bbOK"), Qt::LeftButton);
    });
    Click("sbNewProject");
    ASSERT_TRUE(form.Scene().HasScene());
    EXPECT_NEAR(form.Mechanism1().Fi, Rad(358), 1e-9);
    EXPECT_EQ(form.Mechanism2().Fi, 0.0);
    EXPECT_LT(WorstJointError(), 1e-5);
    Click("cb1");
    Click("rbRotPlus1");
    Click("cb1_2");
    Click("rbRotPlus1_2");
    Click("bbStepByStep");
    EXPECT_EQ(form.Mechanism1().Fi, 0.0);
    EXPECT_EQ(Get<QLabel>("lbFi")->text(), qor::RealToFixedText(0));
    EXPECT_NEAR(form.Mechanism2().Fi, Rad(1), 1e-9);
    EXPECT_LT(WorstJointError(), 1e-5);
}

// A single step is an idle pass of its own, also while no idle pass runs: one engine tick turns
// a spinning scene by one step and draws and shows the frame.
TEST_F(MainWindowScene, SingleStepTicksTheEngineAndShowsTheFrame) {
    NewConstruction();
    Click("bbRotateScene");
    qor::TD3dView* view = form.View();
    int presented = 0;
    QObject::connect(view, &qor::TD3dView::Presented, [&presented] { ++presented; });
    // The idle passes show frames once the view's window is on screen.
    ASSERT_TRUE(QTest::qWaitFor([&presented] { return presented > 0; }));
    qor::RemoveIdleHandler();
    presented = 0;
    const qor::Vec3 before = form.Scene().Frames().FloorFrame->WorldTransform().rotation.Column(0);
    const std::uint32_t drawn = view->Device->GetTrianglesDrawn();

    Click("bbStepByStep");

    const qor::Vec3 after = form.Scene().Frames().FloorFrame->WorldTransform().rotation.Column(0);
    EXPECT_NEAR(std::acos(std::clamp(qor::Dot(before, after), -1.0, 1.0)), 0.01, 1e-5)
        << "one tick of the spin";
    EXPECT_GT(view->Device->GetTrianglesDrawn(), drawn) << "the frame is drawn";
    EXPECT_EQ(presented, 1) << "and shown";
}

// Without a model set in the working directory or beside the program, each of the 15 loads
// is reported in its own box, and the program goes on with the frames in place.
TEST_F(MainWindowScene, WithoutModelsEachLoadIsReportedAndTheProgramGoesOn) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(empty.path()));
    qor::MessageBoxRecorder boxes;
    NewConstruction();
    QDir::setCurrent(before);

    EXPECT_EQ(boxes.Texts(), QStringList(15, "Не могу загрузить файлы конструкции.\n"));
    ASSERT_TRUE(form.Scene().HasScene());
    EXPECT_TRUE(Get<QPushButton>("bbRunWork")->isEnabled());
    DriveAllLinks();
    Click("bbRunWork");
    IdlePasses(20);
    EXPECT_LT(WorstJointError(), 1e-4);
    boxes.Clear();
    NewConstruction();
    EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join("\n").toStdString();
}

TEST_F(MainWindowScene, CancelledConstructionTakesTheSceneAway) {
    NewConstruction();
    ASSERT_TRUE(form.Scene().HasScene());
    qor::MessageBoxRecorder boxes;
    NewConstruction("bbCancel");
    EXPECT_FALSE(form.Scene().HasScene());
    EXPECT_EQ(boxes.Texts(), QStringList{"Нужно задать параметры конструкций 1 и 2 !"});
    ASSERT_NE(form.View(), nullptr);
    bool done = false;
    form.IdlePass(done); // as after the settings dialog: renders the empty view, moves nothing
}

// Each new construction replaces the view host and its scene: the live engine objects come
// back to the same count every time, and memory stays flat.
TEST_F(MainWindowScene, RepeatedConstructionsLeakNothing) {
#if defined(__SANITIZE_ADDRESS__)
    constexpr int kConstructions = 12;
#else
    constexpr int kConstructions = 100;
#endif
    qor::MessageBoxRecorder boxes;
    NewConstruction();
    const std::int64_t baseline = qor::IDirect3DRMObject::LiveObjectCount();
    // The warm-up draws as the measured rounds do: a view makes its picture buffers and
    // shaders at its first frame, and those first allocations are not a leak.
    for (int i = 0; i < 5; ++i) {
        NewConstruction();
        IdlePasses(1);
    }
    const double warmMegabytes = ResidentMegabytes();
    for (int i = 0; i < kConstructions; ++i) {
        NewConstruction();
        IdlePasses(1);
        ASSERT_EQ(qor::IDirect3DRMObject::LiveObjectCount(), baseline) << "construction " << i;
    }
    EXPECT_TRUE(boxes.Texts().isEmpty());
    // A scene's meshes alone take several megabytes; losing them would show many times over.
    EXPECT_LT(ResidentMegabytes() - warmMegabytes, 40.0);
}

// What the window presents shows both hinges where the camera sees B of each mechanism.
TEST_F(MainWindowScene, WindowPresentsBothLinkagesWhereTheCameraSeesThem) {
    NewConstruction();
    IdlePasses(1);
    qor::TD3dView* view = form.View();
    // The picture window shows nothing until the window system has exposed it, which may take a
    // while on a busy machine.
    QImage image;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        image = view->GrabPicture();
        return !image.isNull();
    })) << "the picture window was never exposed";
    qor::test::PictureRecord record(QStringLiteral("window"), image);
    const double w = image.width();
    const double h = image.height();
    const qor::Vec3 besideAxle{0.22, 0, 0};
    struct Spot {
        const char* what;
        qor::Vec3 point;
        qor::test::ColourTest colour;
        QColor shown;
    };
    const Spot spots[] = {
        {"purple hinge of the floor mechanism", SceneB(form.Mechanism1()) - besideAxle,
         qor::test::Purple, qor::test::kPurpleMark},
        {"yellow hinge of the wall mechanism", SceneB(form.Mechanism2()) + besideAxle,
         qor::test::Yellow, qor::test::kYellowMark},
    };
    for (const Spot& spot : spots) {
        const QPointF pixel = qor::test::PixelOfDefaultView(spot.point, w, h);
        record.ExpectSpot(pixel, spot.shown);
        EXPECT_GE(qor::test::Matching(image, pixel, spot.colour), 5)
            << spot.what << " at " << pixel.x() << ", " << pixel.y() << ": "
            << image.pixelColor(pixel.toPoint()).name().toStdString();
    }
}

} // namespace
} // namespace qortest

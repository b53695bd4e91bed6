// The view commands of the main window on a built scene: the four viewpoints, the spinning
// scene and its toggle, the degree entry and the plane tilt with its messages, and zoom.
#include "MainWindowFixture.h"

#include "../support/Require.h"
#include "engine/RetainedMode.h"
#include "platform/DecimalSeparator.h"
#include "platform/MessageBox.h"
#include "view/TD3dView.h"
#include "view/TVport.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>
#include <string>

namespace qortest {
namespace {

using qor::RefPtr;
using qor::Vec3;

const QString kRotate = QStringLiteral("Вращать сцену");
const QString kStop = QStringLiteral("Остановить");

bool Same(Vec3 a, Vec3 b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

// The angle between two unit vectors.
double Between(Vec3 a, Vec3 b) {
    return std::acos(std::clamp(qor::Dot(a, b), -1.0, 1.0));
}

class MainWindowView : public MainWindow {
protected:
    MainWindowView() {
        qor::SetDecimalSeparator(',');
        NewConstruction();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    ~MainWindowView() override { qor::SetDecimalSeparator('.'); }

    const qor::SceneFrames& Frames() const { return form.Scene().Frames(); }
    static qor::Mat3 Rotation(const RefPtr<qor::IDirect3DRMFrame>& frame) {
        return frame->WorldTransform().rotation;
    }

    RefPtr<qor::IDirect3DRMFrame> Camera() {
        RefPtr<qor::IDirect3DRMFrame> camera;
        qor::test::Require(form.Vport()->Viewport->GetCamera(camera));
        return camera;
    }
    qor::D3DVECTOR CameraPosition() {
        qor::D3DVECTOR position{};
        qor::test::Require(Camera()->GetPosition(form.View()->SceneFrame.get(), &position));
        return position;
    }

    void TypeDegrees(const QString& text) {
        auto* entry = Get<QLineEdit>("edGrad");
        entry->setFocus();
        entry->setText(text);
    }
    void Enter() { QTest::keyClick(Get<QLineEdit>("edGrad"), Qt::Key_Return); }
    QString Radians() { return Get<QLineEdit>("edRad")->text(); }
};

struct DegreeEntry {
    const char* name;
    const char* typed;
    const char* radians; // shown in edRad afterwards
};

class DegreeEntryEnter : public MainWindowView, public testing::WithParamInterface<DegreeEntry> {};

TEST_P(DegreeEntryEnter, ShowsRadiansWithTwoDecimalsAndMovesToTheRotateButton) {
    qor::MessageBoxRecorder boxes;
    TypeDegrees(GetParam().typed);
    EXPECT_EQ(Radians(), "0") << "nothing before Enter";
    Enter();
    EXPECT_EQ(Radians(), GetParam().radians);
    EXPECT_EQ(QApplication::focusWidget(), Get<QWidget>("bbRotatePlane"));
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

const DegreeEntry degreeEntries[] = {
    {"Thirty", "30", "0,52"},
    {"Tiny", "0,001", "0,00"},
    {"NegativeFullTurn", "-360", "-6,28"},
};
INSTANTIATE_TEST_SUITE_P(Texts, DegreeEntryEnter, testing::ValuesIn(degreeEntries),
                         [](const auto& info) { return info.param.name; });

TEST_F(MainWindowView, DegreeTextThatIsNoNumberIsReportedAndChangesNothing) {
    TypeDegrees("30");
    Enter();
    qor::MessageBoxRecorder boxes;
    TypeDegrees("тридцать");
    Enter();
    EXPECT_EQ(boxes.Texts(), QStringList{"'тридцать' is not a valid floating point value"});
    EXPECT_EQ(Radians(), "0,52");
    EXPECT_EQ(QApplication::focusWidget(), Get<QWidget>("edGrad"));

    const qor::Mat3 floorStart = Rotation(Frames().FloorFrame);
    Click("rbHorizontal");
    boxes.Clear();
    Click("bbRotatePlane");
    EXPECT_EQ(boxes.Texts(), QStringList{"'тридцать' is not a valid floating point value"});
    EXPECT_TRUE(Same(Rotation(Frames().FloorFrame).Column(1), floorStart.Column(1)))
        << "nothing turns";
}

TEST_F(MainWindowView, RotatePlaneAsksForAPlaneThenForAnAngle) {
    qor::MessageBoxRecorder boxes;
    Click("bbRotatePlane");
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, "Пожалуйста, выберите плоскость которую\nнужно повернуть !");
    EXPECT_EQ(boxes.Shown()[0].caption, "Отсутствуют данные !");
    EXPECT_EQ(boxes.Shown()[0].owner, &form);

    boxes.Clear();
    Click("rbVertical");
    Click("bbRotatePlane");
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, "Пожалуйста, введите угол поворота !");
    EXPECT_EQ(boxes.Shown()[0].caption, "Отсутствуют данные !");
    EXPECT_EQ(boxes.Shown()[0].icon, qor::MsgIcon::Warning);
    EXPECT_EQ(QApplication::focusWidget(), Get<QWidget>("edGrad"));
}

// The floor turns by the angle as shown, negated, about its own x axis; the wall is turned back
// and keeps its place. "0" afterwards turns by the old value again; a tiny angle by nothing.
TEST_F(MainWindowView, FloorTiltTurnsTheFloorOnlyAndAccumulates) {
    const qor::Mat3 floorStart = Rotation(Frames().FloorFrame);
    const qor::Mat3 wallStart = Rotation(Frames().WallFrame);
    qor::MessageBoxRecorder boxes;
    Click("rbHorizontal");
    TypeDegrees("30");
    Click("bbRotatePlane");
    EXPECT_EQ(Radians(), "0,52");
    const qor::Mat3 once = Rotation(Frames().FloorFrame);
    EXPECT_NEAR(Between(once.Column(1), floorStart.Column(1)), 0.52, 1e-5);
    EXPECT_NEAR(Between(once.Column(0), floorStart.Column(0)), 0, 1e-5)
        << "about the floor's x axis";
    // Turning by -0.52 about x lifts the floor's far edge (+z) towards +y.
    EXPECT_GT(once.Column(2).y, 0.4);
    for (int column = 0; column < 3; ++column) {
        EXPECT_NEAR(Between(Rotation(Frames().WallFrame).Column(column), wallStart.Column(column)),
                    0, 1e-4);
    }

    TypeDegrees("0");
    Click("bbRotatePlane");
    EXPECT_NEAR(Between(Rotation(Frames().FloorFrame).Column(1), floorStart.Column(1)), 1.04, 1e-4);

    TypeDegrees("0,001");
    const qor::Mat3 twice = Rotation(Frames().FloorFrame);
    Click("bbRotatePlane");
    EXPECT_EQ(Radians(), "0,00");
    EXPECT_NEAR(Between(Rotation(Frames().FloorFrame).Column(1), twice.Column(1)), 0, 1e-6);
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

// Enter in the degree entry moves the focus to "Повернуть", and Enter there presses it: with
// the main keyboard's key and the keypad's alike, each press tilts the floor once more.
TEST_F(MainWindowView, EnterOnTheFocusedRotateButtonPressesIt) {
    const qor::Mat3 floorStart = Rotation(Frames().FloorFrame);
    Click("rbHorizontal");
    TypeDegrees("30");
    Enter();
    ASSERT_EQ(QApplication::focusWidget(), Get<QWidget>("bbRotatePlane"));
    double tilt = 0;
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(Get<QWidget>("bbRotatePlane"), key);
        tilt += 0.52;
        EXPECT_NEAR(Between(Rotation(Frames().FloorFrame).Column(1), floorStart.Column(1)), tilt,
                    1e-4)
            << key;
    }
}

TEST_F(MainWindowView, WallTiltTurnsTheWallOnly) {
    const qor::Mat3 floorStart = Rotation(Frames().FloorFrame);
    const qor::Mat3 wallStart = Rotation(Frames().WallFrame);
    Click("rbVertical");
    TypeDegrees("-45");
    Click("bbRotatePlane");
    EXPECT_EQ(Radians(), "-0,79");
    EXPECT_NEAR(Between(Rotation(Frames().WallFrame).Column(1), wallStart.Column(1)), 0.79, 1e-5);
    EXPECT_TRUE(Same(Rotation(Frames().FloorFrame).Column(1), floorStart.Column(1)));
}

// Each render turns the floor, and with it everything on it, by 0.01 x RMTickValue about the
// scene's vertical axis until the toggle stops it; the captions follow on both controls.
TEST_F(MainWindowView, SpinTurnsTheFloorOnEveryRenderUntilStopped) {
    qor::TD3dView* view = form.View();
    view->RMTickValue = 3;
    Click("bbRotateScene");
    EXPECT_EQ(Get<QPushButton>("bbRotateScene")->text(), kStop);
    EXPECT_EQ(Get<QAction>("pmnRotateScene")->text(), kStop);
    const qor::Mat3 before = Rotation(Frames().FloorFrame);
    view->RenderStep();
    const qor::Mat3 after = Rotation(Frames().FloorFrame);
    EXPECT_NEAR(Between(after.Column(0), before.Column(0)), 0.03, 1e-5);
    EXPECT_NEAR(Between(after.Column(1), before.Column(1)), 0, 1e-6) << "about the vertical";

    Get<QAction>("pmnRotateScene")->trigger();
    EXPECT_EQ(Get<QPushButton>("bbRotateScene")->text(), kRotate);
    EXPECT_EQ(Get<QAction>("pmnRotateScene")->text(), kRotate);
    const qor::Mat3 stopped = Rotation(Frames().FloorFrame);
    view->RenderStep();
    EXPECT_TRUE(Same(Rotation(Frames().FloorFrame).Column(0), stopped.Column(0)));
}

TEST_F(MainWindowView, ToggleWithDifferingCaptionsOnlyStops) {
    Get<QAction>("pmnRotateScene")->setText(kStop);
    Click("bbRotateScene");
    EXPECT_EQ(Get<QPushButton>("bbRotateScene")->text(), kRotate);
    EXPECT_EQ(Get<QAction>("pmnRotateScene")->text(), kRotate);
    const qor::Mat3 before = Rotation(Frames().FloorFrame);
    form.View()->RenderStep();
    EXPECT_TRUE(Same(Rotation(Frames().FloorFrame).Column(0), before.Column(0)));
}

TEST_F(MainWindowView, NewConstructionStandsStillWithTheToggleReset) {
    Click("bbRotateScene");
    NewConstruction();
    EXPECT_EQ(Get<QPushButton>("bbRotateScene")->text(), kRotate);
    EXPECT_EQ(Get<QAction>("pmnRotateScene")->text(), kRotate);
    const qor::Mat3 before = Rotation(Frames().FloorFrame);
    form.View()->RenderStep();
    EXPECT_TRUE(Same(Rotation(Frames().FloorFrame).Column(0), before.Column(0)));
}

TEST_F(MainWindowView, ZoomStepsTheFieldAndStopsAtOne) {
    qor::IDirect3DRMViewport& viewport = *form.Vport()->Viewport;
    Click("sbZoomIn");
    EXPECT_EQ(viewport.GetField(), 13.0f);
    for (int i = 0; i < 11; ++i) {
        Get<QAction>("pmnZoomIn")->trigger();
    }
    EXPECT_EQ(viewport.GetField(), 2.0f);
    Click("sbZoomIn");
    Click("sbZoomIn");
    EXPECT_EQ(viewport.GetField(), 1.0f) << "a field of 0 is refused";
    Click("sbZoomOut");
    Get<QAction>("pmnZoomOut")->trigger();
    EXPECT_EQ(viewport.GetField(), 3.0f);
}

struct Viewpoint {
    const char* name;
    int entry;
    Vec3 direction; // where the camera looks, in the scene
    Vec3 up;        // what shows upwards on the screen, before it is made square to direction
    qor::D3DVECTOR position;
};

void PrintTo(const Viewpoint& v, std::ostream* os) {
    *os << v.name;
}

class ViewSelector : public MainWindowView, public testing::WithParamInterface<Viewpoint> {};

// The camera looks along its own z axis with its y axis up on the screen.
TEST_P(ViewSelector, PlacesAndTurnsTheCameraRelativeToTheScene) {
    const Viewpoint& v = GetParam();
    auto* combo = Get<QComboBox>("ProjectionsCombo");
    combo->setCurrentIndex(v.entry);
    emit combo->activated(v.entry);
    const qor::D3DVECTOR position = CameraPosition();
    EXPECT_FLOAT_EQ(position.x, v.position.x);
    EXPECT_FLOAT_EQ(position.y, v.position.y);
    EXPECT_FLOAT_EQ(position.z, v.position.z);
    const qor::Mat3 turned = Rotation(Camera());
    const Vec3 looking = qor::Normalized(v.direction);
    EXPECT_NEAR(Between(turned.Column(2), looking), 0, 1e-5) << "looking along";
    EXPECT_NEAR(
        Between(turned.Column(1), qor::Normalized(v.up - qor::Dot(v.up, looking) * looking)), 0,
        1e-5)
        << "up on the screen";
}

const Viewpoint viewpoints[] = {
    {"Default", 0, {0, -0.8, 1}, {0, 1, 0}, {6.0f, 10.0f, -10.0f}},
    {"FromAbove", 1, {0, -1, 0}, {0, 0, 1}, {5.5f, 10.0f, 0}},
    {"FromTheFront", 2, {0, 0, 1}, {0, 1, 0}, {5.5f, 5.0f, -10.0f}},
    {"AtAnAngle", 3, {12, -11, 20}, {0, 1, 0}, {-7.0f, 15.0f, -20.0f}},
};
INSTANTIATE_TEST_SUITE_P(Entries, ViewSelector, testing::ValuesIn(viewpoints),
                         [](const auto& info) { return info.param.name; });

// From above, the camera looks straight down and the scene's +z points up on the screen.
TEST_F(MainWindowView, FromAboveShowsTheSceneZAxisPointingUp) {
    auto* combo = Get<QComboBox>("ProjectionsCombo");
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    const RefPtr<qor::IDirect3DRMFrame> camera = Camera();
    const qor::D3DVECTOR origin{0, 0, 0};
    const qor::D3DVECTOR alongZ{0, 0, 1};
    const qor::D3DVECTOR below{0, -1, 0};
    qor::D3DVECTOR o{};
    qor::D3DVECTOR z{};
    qor::D3DVECTOR b{};
    qor::test::Require(camera->InverseTransform(&o, &origin));
    qor::test::Require(camera->InverseTransform(&z, &alongZ));
    qor::test::Require(camera->InverseTransform(&b, &below));
    EXPECT_NEAR(z.y - o.y, 1.0f, 1e-5f) << "up on the screen";
    EXPECT_NEAR(z.x - o.x, 0.0f, 1e-5f);
    EXPECT_NEAR(b.z - o.z, 1.0f, 1e-5f) << "looking down";
}

// The right click comes from the X server (xdotool), so it lands on the view's native picture
// window, which must let it through for the window's pop-up menu to open.
TEST_F(MainWindowView, RightClickOverTheViewFromTheWindowSystemOpensThePopupMenu) {
    const QPoint at = form.View()->mapToGlobal(form.View()->rect().center());
    ASSERT_EQ(QProcess::execute("xdotool", {"mousemove", "--sync", QString::number(at.x()),
                                            QString::number(at.y()), "click", "3"}),
              0)
        << "xdotool is missing: run tools/install-deps.sh";
    EXPECT_TRUE(QTest::qWaitFor(
        [] {
            const QWidget* popup = QApplication::activePopupWidget();
            return popup != nullptr && popup->objectName() == "PopupMenu";
        },
        5000));
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
}

// Text typed into the selector that names no entry leaves the camera where it is; the name of
// an entry confirmed with Enter picks it.
TEST_F(MainWindowView, TypedTextMovesTheCameraOnlyWhenItNamesAnEntry) {
    auto* combo = Get<QComboBox>("ProjectionsCombo");
    const qor::D3DVECTOR start = CameraPosition();
    combo->setFocus();
    combo->lineEdit()->setText(QStringLiteral("сбоку"));
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(CameraPosition().x, start.x);
    EXPECT_EQ(CameraPosition().z, start.z);

    combo->lineEdit()->setText(QStringLiteral("спереди"));
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(CameraPosition().y, 5.0f);
}

} // namespace
} // namespace qortest

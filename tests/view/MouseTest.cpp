// Mouse input over the host: what happens over a viewport control reaches its callbacks, what
// happens over the uncovered part of the host is dropped (it reaches neither the host nor the
// window around it), and a real click from the window system passes through the window that
// shows the picture.
#include "view/D3dvcs.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QProcess>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <functional>

namespace qor {
namespace {

// A window of 240 x 180 with the host at (0, 0), 200 x 150, and a viewport control at (20, 10)
// of the host, 100 x 75. It counts the presses that reach it.
class Outer : public QWidget {
public:
    Outer() {
        resize(240, 180);
        host = new TD3dView(this);
        host->setGeometry(0, 0, 200, 150);
        vport = new TVport(host);
        vport->SetBounds(20, 10, 100, 75);
    }

    TD3dView* host; // owned by this window
    TVport* vport;  // owned by the host
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

struct MouseCase {
    const char* name;
    std::function<void(QWindow*)> act; // in the window's coordinates
    QStringList log;
};

class MouseForwarding : public ::testing::TestWithParam<MouseCase> {};

TEST_P(MouseForwarding, ReachesTheControlUnderThePointerOrNothing) {
    Outer outer;
    TVport* vport = outer.vport;
    QStringList log;
    const auto where = [](Qt::KeyboardModifiers shift, int x, int y) {
        return QString("%1%2,%3").arg(shift & Qt::ShiftModifier ? "shift " : "").arg(x).arg(y);
    };
    vport->OnMouseDown = [&](TVport*, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                             int y) {
        log << QString("down %1 ").arg(button) + where(shift, x, y);
    };
    vport->OnMouseUp = [&](TVport*, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                           int y) { log << QString("up %1 ").arg(button) + where(shift, x, y); };
    vport->OnMouseMove = [&](TVport*, Qt::KeyboardModifiers shift, int x, int y) {
        log << "move " + where(shift, x, y);
    };
    vport->OnClick = [&](TVport*) { log << "click"; };
    vport->OnDblClick = [&](TVport*) { log << "dblclick"; };
    outer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&outer));
    log.clear();

    GetParam().act(outer.windowHandle());

    // The pointer arriving where the action happens, with the action's keys held, unless an
    // earlier test left it there.
    log.removeIf(
        [](const QString& entry) { return entry == "move 10,15" || entry == "move shift 10,15"; });
    EXPECT_EQ(log, GetParam().log);
    EXPECT_EQ(outer.presses, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Actions, MouseForwarding,
    ::testing::Values(MouseCase{"LeftClickOverTheViewport",
                                [](QWindow* w) {
                                    QTest::mouseClick(w, Qt::LeftButton, {}, {30, 25});
                                },
                                {"down 1 10,15", "up 1 10,15", "click"}},
                      MouseCase{"RightClickGivesNoClick",
                                [](QWindow* w) {
                                    QTest::mouseClick(w, Qt::RightButton, {}, {30, 25});
                                },
                                {"down 2 10,15", "up 2 10,15"}},
                      MouseCase{
                          "ShiftIsPassedOn",
                          [](QWindow* w) {
                              QTest::mouseClick(w, Qt::LeftButton, Qt::ShiftModifier, {30, 25});
                          },
                          {"down 1 shift 10,15", "up 1 shift 10,15", "click"}},
                      MouseCase{"DoubleClickReportedBeforeItsPress",
                                [](QWindow* w) {
                                    QTest::mouseDClick(w, Qt::LeftButton, {}, {30, 25});
                                },
                                {"down 1 10,15", "up 1 10,15", "click", "dblclick", "down 1 10,15",
                                 "up 1 10,15"}},
                      MouseCase{"MoveWithoutAButton",
                                [](QWindow* w) {
                                    QTest::mouseMove(w, {60, 45});
                                },
                                {"move 40,35"}},
                      MouseCase{"ClickOverTheUncoveredHostIsDropped",
                                [](QWindow* w) {
                                    QTest::mouseClick(w, Qt::LeftButton, {}, {170, 120});
                                },
                                {}},
                      MouseCase{"DoubleClickOverTheUncoveredHostIsDropped",
                                [](QWindow* w) {
                                    QTest::mouseDClick(w, Qt::LeftButton, {}, {10, 140});
                                },
                                {}}),
    [](const auto& info) { return info.param.name; });

// The click is made by the X server (xdotool), so it lands on whatever window lies under the
// pointer: the host's native picture window, which must let it through to the control beneath
// and must not take the keyboard focus from the window around it.
TEST(MouseFromTheWindowSystem, PassesThroughThePictureToTheControl) {
    Outer outer;
    TVport* vport = outer.vport;
    QStringList log;
    vport->OnMouseDown = [&](TVport*, Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
        log << QString("down %1 %2,%3").arg(button).arg(x).arg(y);
    };
    outer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&outer));

    const QPoint at = vport->mapToGlobal(QPoint(30, 20));
    ASSERT_EQ(QProcess::execute("xdotool", {"mousemove", "--sync", QString::number(at.x()),
                                            QString::number(at.y()), "click", "1"}),
              0)
        << "xdotool is missing: run tools/install-deps.sh";
    EXPECT_TRUE(QTest::qWaitFor([&log] { return !log.isEmpty(); }, 5000));
    EXPECT_EQ(log.join("; ").toStdString(), "down 1 30,20");
    EXPECT_EQ(outer.presses, 0);
    const QWindow* focus = QGuiApplication::focusWindow();
    EXPECT_TRUE(focus == nullptr || focus == outer.windowHandle());
}

} // namespace
} // namespace qor

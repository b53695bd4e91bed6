// The frames the main window draws: none while nothing changes, and one at once after every kind
// of change to the picture.
#include "MainWindowFixture.h"

#include "view/TD3dView.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>

namespace qortest {
namespace {

class MainWindowFrames : public MainWindow {
protected:
    void SetUp() override {
        NewConstruction();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        Watch();
    }

    // Counts the frames of the view host shown now (a new construction replaces it).
    void Watch() {
        QObject::disconnect(watching_);
        watching_ = QObject::connect(form.View(), &qor::TD3dView::Presented, [this] { ++frames; });
    }

    // Lets the window draw what it still owes, until a quarter of a second passes without a
    // frame; false when the frames never stop.
    bool Settle() {
        for (int waited = 0; waited < 40; ++waited) {
            frames = 0;
            QTest::qWait(250);
            if (frames == 0) {
                return true;
            }
        }
        return false;
    }

    int frames = 0;

private:
    QMetaObject::Connection watching_;
};

TEST_F(MainWindowFrames, NoFrameWhileNothingChanges) {
    ASSERT_TRUE(Settle());
    // Events that change nothing in the picture wake the idle pass, which still draws nothing.
    QTest::mouseMove(form.View(), QPoint(40, 40));
    QTest::mouseMove(form.View(), QPoint(80, 60));
    Click("bbRunWork");
    QTest::qWait(300);
    EXPECT_EQ(frames, 0) << "running, but no link is driven";
}

TEST_F(MainWindowFrames, AFrameFollowsEveryChangeOfThePicture) {
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"single step", [this] { Click("bbStepByStep"); }},
        {"viewpoint",
         [this] {
             auto* combo = Get<QComboBox>("ProjectionsCombo");
             combo->setCurrentIndex(1);
             emit combo->activated(1);
         }},
        {"zoom", [this] { Click("sbZoomIn"); }},
        {"plane tilt",
         [this] {
             Click("rbHorizontal");
             Get<QLineEdit>("edGrad")->setText(QStringLiteral("10"));
             Click("bbRotatePlane");
         }},
        {"settings",
         [this] {
             WhenModal([](QWidget* dialog) {
                 // The dialog fills its pages when it becomes the active window.
                 ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
                 QTest::mouseClick(Find<QWidget>(dialog, "cbDither"), Qt::LeftButton);
                 auto* keep = Find<QWidget>(dialog, "btnOK");
                 QTest::mouseClick(keep->isEnabled() ? keep : Find<QWidget>(dialog, "btnCancel"),
                                   Qt::LeftButton);
             });
             Click("sbSetup");
         }},
        {"driver",
         [this] {
             WhenModal([](QWidget* dialog) {
                 ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
                 Find<QTabWidget>(dialog, "PageControl")->setCurrentIndex(3);
                 auto* drivers = Find<QListWidget>(dialog, "lbDrivers");
                 emit drivers->itemDoubleClicked(drivers->item(0));
                 QTest::mouseClick(Find<QWidget>(dialog, "btnCancel"), Qt::LeftButton);
             });
             Click("sbSetup");
         }},
        {"resize", [this] { form.resize(1200, 700); }},
        {"expose",
         [this] {
             // A window over the view, taken away again: the window system shows the view anew.
             QWidget cover;
             cover.setGeometry(QRect(form.View()->mapToGlobal(QPoint(0, 0)), QSize(300, 200)));
             cover.show();
             ASSERT_TRUE(QTest::qWaitForWindowExposed(&cover));
             ASSERT_TRUE(Settle());
         }},
        {"new construction",
         [this] {
             NewConstruction();
             Watch();
         }},
    };
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(Settle()) << "the frames did not stop before the change";
        change();
        EXPECT_TRUE(QTest::qWaitFor([&] { return frames > 0; }, 2000));
    }
    EXPECT_TRUE(Settle()) << "the frames did not stop after the last change";
}

} // namespace
} // namespace qortest

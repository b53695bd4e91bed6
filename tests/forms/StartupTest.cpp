// The program's start-up and end: title, maximized main window with its parameter dialog, no
// idle pass before a construction, and exit code 0 when the window is closed.
#include "app/Startup.h"
#include "forms/FrmConstrParamSet.h"
#include "forms/FrmMain.h"
#include "platform/IdleHook.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

qor::TMainForm* ShownMainWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* form = qobject_cast<qor::TMainForm*>(window); form && form->isVisible()) {
            return form;
        }
    }
    return nullptr;
}

struct Ending {
    std::string name;
    std::string control; // what the user uses to end the program
};

void PrintTo(const Ending& e, std::ostream* os) {
    *os << e.name;
}

class Startup : public testing::TestWithParam<Ending> {};

TEST_P(Startup, ShowsTheMaximizedMainWindowAndEndsWithZero) {
    bool checked = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        qor::TMainForm* form = ShownMainWindow();
        if (form == nullptr || !QTest::qWaitForWindowExposed(form)) {
            return;
        }
        poll.stop();
        checked = true;
        EXPECT_EQ(QCoreApplication::applicationName(), "QOR");
        EXPECT_EQ(form->windowTitle(), "QOR");
        EXPECT_TRUE(form->isMaximized());
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return form->frameGeometry() == form->screen()->availableGeometry();
        })) << "the window fills the screen also where no window manager maximizes it";
        EXPECT_EQ(form->findChildren<qor::TConstructionParamForm*>().size(), 1);
        EXPECT_FALSE(qor::IdleHandlerInstalled());
        if (GetParam().control.empty()) {
            form->close();
        } else {
            QTest::mouseClick(
                form->findChild<QToolButton*>(QString::fromStdString(GetParam().control)),
                Qt::LeftButton);
        }
    });
    poll.start();
    EXPECT_EQ(qor::RunProgram(), 0);
    EXPECT_TRUE(checked);
    EXPECT_EQ(ShownMainWindow(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Endings, Startup,
                         testing::Values(Ending{"ExitButton", "sbExit"},
                                         Ending{"ClosingTheWindow", ""}),
                         [](const auto& info) { return info.param.name; });

} // namespace

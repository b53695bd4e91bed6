// Entry point of the test programs that need a QApplication (widgets, OpenGL contexts).
#include "engine/GlContext.h"
#include "platform/UserSettings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Every test starts with nothing remembered: what one test's windows left behind (a dock shown, a
// drawing on, a recent file) must not reach the next test, whatever order the tests run in.
class FreshUserSettings : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { qor::UserSettings().clear(); }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // What the windows remember for the next start goes to a file of this run's own.
    QTemporaryDir settings;
    qor::SetUserSettingsFile(settings.filePath(QStringLiteral("user.conf")));
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshUserSettings);
    const int result = RUN_ALL_TESTS();
    // Whatever loaded Mesa (the application's shared context, a window, the engine), its
    // allocations keep their library's name for the leak checker at exit.
    qor::KeepOpenGlDriversLoaded();
    return result;
}

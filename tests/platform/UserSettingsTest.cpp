// Where the user's settings live, and that nothing written is lost when tests move them.
#include "platform/UserSettings.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace qor {
namespace {

TEST(UserSettings, LiveInTheUsersConfigurationFolderAndKeepWhatWasWrittenWhenMoved) {
    int argc = 1;
    char name[] = "user_settings_test";
    char* argv[] = {name};
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    setenv("XDG_CONFIG_HOME", home.path().toUtf8().constData(), 1);
    EXPECT_EQ(UserSettingsFile(), home.filePath(QStringLiteral("qor/user.conf")));

    UserSettings().setValue(QStringLiteral("Analysis/Path"), true);
    const QString moved = home.filePath(QStringLiteral("elsewhere.conf"));
    SetUserSettingsFile(moved);
    EXPECT_TRUE(QSettings(home.filePath(QStringLiteral("qor/user.conf")), QSettings::IniFormat)
                    .value(QStringLiteral("Analysis/Path"))
                    .toBool());
    EXPECT_EQ(UserSettingsFile(), moved);
    EXPECT_FALSE(UserSettings().contains(QStringLiteral("Analysis/Path")));
}

} // namespace
} // namespace qor

// The about box and the settings dialog's frame, each on its own.
#include "MainWindowFixture.h"

#include "forms/FrmAbout.h"
#include "forms/FrmSetup.h"

#include <QLabel>
#include <QPushButton>

#include <vector>

namespace qortest {
namespace {

TEST(AboutBox, ShowsPictureTitleVersionAndOK) {
    qor::TAboutForm about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    EXPECT_EQ(about.windowTitle(), "О программе");
    auto* picture = Find<QLabel>(&about, "imProgram");
    EXPECT_EQ(picture->size(), QSize(32, 32));
    EXPECT_EQ(picture->pixmap().deviceIndependentSize(), QSizeF(32, 32));
    EXPECT_EQ(Find<QLabel>(&about, "laTitle")->text(), "QOR");
    EXPECT_EQ(Find<QLabel>(&about, "laVersion")->text(), "Версия 1.0");
    EXPECT_EQ(Find<QPushButton>(&about, "bbOK")->text(), "ОК");
}

TEST(AboutBox, HasAFixedSizeAndNoTitleBarButtons) {
    qor::TAboutForm about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    const Qt::WindowFlags flags = about.windowFlags();
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    for (Qt::WindowType button :
         {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
          Qt::WindowSystemMenuHint, Qt::WindowContextHelpButtonHint}) {
        EXPECT_FALSE(flags & button) << button;
    }
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
}

struct Closing {
    std::string name;
    bool byEscape;
    int result;
};

void PrintTo(const Closing& c, std::ostream* os) {
    *os << c.name;
}

class AboutBoxClosing : public testing::TestWithParam<Closing> {};

TEST_P(AboutBoxClosing, Closes) {
    qor::TAboutForm about;
    WhenModal([&](QWidget* dialog) {
        if (GetParam().byEscape) {
            QTest::keyClick(dialog, Qt::Key_Escape);
        } else {
            QTest::mouseClick(Find<QPushButton>(dialog, "bbOK"), Qt::LeftButton);
        }
    });
    EXPECT_EQ(about.exec(), GetParam().result);
    EXPECT_FALSE(about.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Ways, AboutBoxClosing,
                         testing::Values(Closing{"WithOK", false, QDialog::Accepted},
                                         Closing{"WithEscape", true, QDialog::Rejected}),
                         [](const auto& info) { return info.param.name; });

// Opened on its own, with no device in the process, the settings dialog offers only "Отменить".
TEST(SetupDialogFrame, ShowsItsButtonsAndCancelCloses) {
    qor::TSetupForm setup;
    std::vector<std::string> captions;
    std::vector<bool> enabled;
    WhenModal([&](QWidget* dialog) {
        for (const char* name : {"btnOK", "btnCancel", "btnSave"}) {
            auto* button = Find<QPushButton>(dialog, name);
            captions.push_back(button->text().toStdString());
            enabled.push_back(button->isEnabled());
        }
        QTest::mouseClick(Find<QPushButton>(dialog, "btnCancel"), Qt::LeftButton);
    });
    setup.exec();
    EXPECT_EQ(captions, (std::vector<std::string>{"ОК", "Отменить", "Сохранить"}));
    EXPECT_EQ(enabled, (std::vector<bool>{false, true, false}));
    EXPECT_FALSE(setup.isVisible());
}

TEST(SetupDialogFrame, IsFixedCentredAndHasOnlyTheCloseBox) {
    qor::TSetupForm setup;
    setup.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&setup));
    EXPECT_EQ(setup.windowTitle(), "Настройки изображения");
    EXPECT_EQ(setup.size(), QSize(445, 318));
    EXPECT_EQ(setup.minimumSize(), setup.maximumSize());
    const Qt::WindowFlags flags = setup.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    const QPoint centre = setup.screen()->availableGeometry().center();
    EXPECT_LE((setup.frameGeometry().center() - centre).manhattanLength(), 2);
}

} // namespace
} // namespace qortest

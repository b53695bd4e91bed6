// What the forms share: Enter in an entry runs its command, a handler runs as a user command,
// a window is centred on its screen, and the controls of the kit keep Enter to themselves.
#include "forms/DialogFrame.h"
#include "forms/Widgets.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

struct KeyCase {
    std::string name;
    Qt::Key key;
    bool runs;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

class EnterKey : public testing::TestWithParam<KeyCase> {};

TEST_P(EnterKey, RunsTheCommandAndTheEntryStillGetsTheKey) {
    QLineEdit edit;
    int runs = 0;
    qor::OnEnterKey(&edit, [&runs] { ++runs; });
    QSignalSpy returned(&edit, &QLineEdit::returnPressed);
    QTest::keyClick(&edit, GetParam().key);
    EXPECT_EQ(runs, GetParam().runs ? 1 : 0);
    EXPECT_EQ(returned.count(), GetParam().runs ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, EnterKey,
                         testing::Values(KeyCase{"Return", Qt::Key_Return, true},
                                         KeyCase{"KeypadEnter", Qt::Key_Enter, true},
                                         KeyCase{"Escape", Qt::Key_Escape, false},
                                         KeyCase{"Letter", Qt::Key_A, false}),
                         [](const auto& info) { return info.param.name; });

// A form whose handler fails as a conversion does.
struct Form {
    int runs = 0;
    void Fail() {
        ++runs;
        throw std::runtime_error("'x' is not a valid floating point value");
    }
};

TEST(UserCommand, AFailureIsShownAndGoesNoFurther) {
    qor::MessageBoxRecorder boxes;
    Form form;
    QLineEdit edit;
    qor::OnEnterKey(&edit, [&form] { form.Fail(); });
    const std::function<void()> command = qor::Command(&form, &Form::Fail);
    EXPECT_NO_THROW(command());
    EXPECT_NO_THROW(QTest::keyClick(&edit, Qt::Key_Return));
    EXPECT_EQ(form.runs, 2);
    ASSERT_EQ(boxes.Shown().size(), 2u);
    for (const qor::MessageBoxRequest& box : boxes.Shown()) {
        EXPECT_EQ(box.text, QStringLiteral("'x' is not a valid floating point value"));
        EXPECT_EQ(box.caption, QStringLiteral("QOR"));
        EXPECT_EQ(box.icon, qor::MsgIcon::Error);
    }
}

TEST(CentreOnScreen, PutsTheFramesMiddleOnTheMiddleOfTheFreeArea) {
    QDialog dialog;
    dialog.resize(300, 200);
    dialog.move(0, 0);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    qor::CentreOnScreen(&dialog);
    const QPoint centre = dialog.screen()->availableGeometry().center();
    EXPECT_LE((dialog.frameGeometry().center() - centre).manhattanLength(), 2);
}

TEST(Kit, ButtonsLeaveEnterToTheEntryThatHasTheFocus) {
    QDialog dialog;
    auto* edit = qor::CreateEdit(QStringLiteral("edValue"), QStringLiteral("1"));
    QPushButton* button = qor::CreateButton(QStringLiteral("btnApply"), QStringLiteral("Apply"),
                                            QStringLiteral("Apply|Apply the value"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(edit);
    layout->addWidget(button);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    edit->setFocus();
    QSignalSpy clicked(button, &QPushButton::clicked);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_TRUE(dialog.isVisible()) << "no default button ended the dialog";
    EXPECT_EQ(button->objectName(), QStringLiteral("btnApply"));
    EXPECT_EQ(button->statusTip(), QStringLiteral("Apply the value"));
}

TEST(Kit, ACombosItemsComeWithoutASelection) {
    QComboBox* combo = qor::CreateCombo(QStringLiteral("Choice"), {"a", "b"});
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentIndex(), -1);
    delete combo;
}

TEST(Kit, BoldScalesThePointSizeOnlyWhenAsked) {
    QLineEdit plain;
    QLineEdit title;
    const double size = plain.font().pointSizeF();
    qor::SetBold(&plain);
    qor::SetBold(&title, 1.5);
    EXPECT_TRUE(plain.font().bold());
    EXPECT_DOUBLE_EQ(plain.font().pointSizeF(), size);
    EXPECT_TRUE(title.font().bold());
    EXPECT_DOUBLE_EQ(title.font().pointSizeF(), 1.5 * size);
}

} // namespace

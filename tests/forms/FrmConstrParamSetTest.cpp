// The parameter dialog driven through its widgets, as a person would use it: defaults, the
// boxes of every failing case in their order, what is copied into the records, the L2 -> L3
// coupling, the decimal separator, the layout.
#include "forms/FrmConstrParamSet.h"
#include "kinematics/Angles.h"
#include "platform/DecimalSeparator.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using qor::Mechanism;
using qor::MsgIcon;

// A value no entry produces: a record still holding it was not touched by the dialog.
constexpr double kUntouched = 99.0;

void MarkUntouched(Mechanism& m) {
    m.a = m.L2 = m.Fi = m.dFi = m.Psi = kUntouched;
}

bool Untouched(const Mechanism& m) {
    return m.a == kUntouched && m.L2 == kUntouched && m.Fi == kUntouched && m.dFi == kUntouched &&
           m.Psi == kUntouched;
}

double Rad(double degrees) {
    return static_cast<double>(qor::DegToRad(degrees));
}

struct Box {
    std::string text;
    std::string caption;
    MsgIcon icon;
};

bool operator==(const Box& x, const Box& y) {
    return x.text == y.text && x.caption == y.caption && x.icon == y.icon;
}

void PrintTo(const Box& box, std::ostream* os) {
    *os << "{\"" << box.text << "\", \"" << box.caption << "\", icon " << static_cast<int>(box.icon)
        << "}";
}

Box RuleWarning(int k) {
    return {"Пожалуйста, выберите другие длины звеньев и расстояния a и b !\n"
            "На основе выбраных создать механизм " +
                std::to_string(k) + " не получается!",
            "Ошибка !", MsgIcon::Warning};
}

const Box kCheckFirst{"Проверьте правильность параметров у первого механизма !",
                      "Программное сообщение !", MsgIcon::None};
const Box kCheckSecond{"Проверьте правильность параметров у второго механизма !",
                       "Программное сообщение !", MsgIcon::None};

Box NotAReal(const std::string& text) {
    return {"'" + text + "' is not a valid floating point value", "QOR", MsgIcon::Error};
}

Box NotAnInteger(const std::string& text) {
    return {"'" + text + "' is not a valid integer value", "QOR", MsgIcon::Error};
}

class SeparatorScope {
public:
    explicit SeparatorScope(QChar separator) : previous_(qor::DecimalSeparator()) {
        qor::SetDecimalSeparator(separator);
    }
    ~SeparatorScope() { qor::SetDecimalSeparator(previous_); }
    SeparatorScope(const SeparatorScope&) = delete;
    SeparatorScope& operator=(const SeparatorScope&) = delete;

private:
    QChar previous_;
};

class ParamDialog : public testing::Test {
protected:
    void SetUp() override {
        mechanism1.Plane = qor::MechanismPlane::Horizontal;
        mechanism2.Plane = qor::MechanismPlane::Vertical;
        MarkUntouched(mechanism1);
        MarkUntouched(mechanism2);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    template <typename T> T* Find(const char* name) {
        T* widget = form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Selects the whole text of an edit or of an editable list and types over it.
    void Type(const char* name, const QString& text) {
        QWidget* target = Find<QWidget>(name);
        if (auto* combo = qobject_cast<QComboBox*>(target)) {
            target = combo->lineEdit();
        }
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(target, Qt::Key_Backspace);
        QTest::keyClicks(target, text);
    }

    std::string TextOf(const char* name) {
        QWidget* widget = Find<QWidget>(name);
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            return combo->currentText().toStdString();
        }
        return qobject_cast<QLineEdit*>(widget)->text().toStdString();
    }

    void ClickOK() { QTest::mouseClick(Find<QPushButton>("bbOK"), Qt::LeftButton); }

    std::vector<Box> BoxesShown() const {
        std::vector<Box> boxes;
        for (const qor::MessageBoxRequest& r : recorder.Shown()) {
            boxes.push_back({r.text.toStdString(), r.caption.toStdString(), r.icon});
        }
        return boxes;
    }

    Mechanism mechanism1;
    Mechanism mechanism2;
    bool ParamsAccepted = false;
    qor::MessageBoxRecorder recorder;
    qor::TConstructionParamForm form{mechanism1, mechanism2, ParamsAccepted};
};

// One press of OK after some entries were changed.
struct AcceptCase {
    const char* name;
    char separator;
    std::vector<std::pair<const char*, const char*>> entries;
    std::vector<Box> boxes;
    bool accepted;
    bool copies1;
    bool copies2;
};

void PrintTo(const AcceptCase& c, std::ostream* os) {
    *os << c.name;
}

const AcceptCase acceptCases[] = {
    {"DefaultsPass", '.', {}, {}, true, true, true},
    {"EqualityInTheSumPasses",
     '.',
     {{"edA", "3"}, {"edB", "4"}, {"L1Combo", "1"}, {"L4Combo", "2"}, {"L2Combo", "4"}},
     {},
     true,
     true,
     true},
    {"OneCentimetreTooLongFailsMechanism1",
     '.',
     {{"edA", "3"}, {"edB", "4"}, {"L1Combo", "2"}, {"L4Combo", "2"}, {"L2Combo", "4"}},
     {RuleWarning(1), kCheckFirst},
     false,
     false,
     true},
    {"UnequalCouplersFailMechanism2",
     '.',
     {{"L3_2Combo", "7"}},
     {RuleWarning(2), kCheckSecond},
     false,
     true,
     false},
    {"BothFailingShowFourBoxesInOrder",
     '.',
     {{"L1Combo", "10"}, {"L4_2Combo", "10"}},
     {RuleWarning(1), kCheckFirst, RuleWarning(2), kCheckSecond},
     false,
     false,
     false},
    {"EmptyEntryOfMechanism1SkipsItsConversion",
     '.',
     {{"edA", ""}, {"L1Combo", "junk"}},
     {kCheckFirst},
     false,
     false,
     true},
    {"EmptyEntryOfMechanism2", '.', {{"edgamma0_2", ""}}, {kCheckSecond}, false, true, false},
    {"BlankOnlyEntryCountsAsFilledThenFailsToConvert",
     '.',
     {{"edB", "  "}},
     {NotAReal("  ")},
     false,
     false,
     false},
    {"BadNumberOfMechanism2StopsAfterMechanism1WasCopied",
     '.',
     {{"edVelocity4_2", "abc"}, {"edgamma0_2", "also bad"}},
     {NotAReal("abc")},
     false,
     true,
     false},
    {"FractionalLinkLengthIsNotAnInteger",
     '.',
     {{"L4Combo", "3.5"}},
     {NotAnInteger("3.5")},
     false,
     false,
     false},
    {"EmptyLinkLengthIsNotAnInteger",
     '.',
     {{"L1_2Combo", ""}},
     {NotAnInteger("")},
     false,
     true,
     false},
    // The literal sum L1 + L4 + d <= L2 + L3 would admit these, and the solver could not close
    // them: a driven link reaches as far as its length's size, and couplers need a length.
    {"NegativeLinkLengthCountsByItsSize",
     '.',
     {{"edA", "0"}, {"L1Combo", "-5"}, {"L4Combo", "5"}, {"L2Combo", "1"}},
     {RuleWarning(1), kCheckFirst},
     false,
     false,
     true},
    {"ZeroLengthCouplersFail",
     '.',
     {{"edA_2", "0"}, {"L1_2Combo", "0"}, {"L4_2Combo", "0"}, {"L2_2Combo", "0"}},
     {RuleWarning(2), kCheckSecond},
     false,
     true,
     false},
    {"LengthsBeyondTheListPass", '.', {{"L2Combo", "20"}}, {}, true, true, true},
    {"NegativeOffsetsAndAnglesPass",
     '.',
     {{"edA", "-3"}, {"edB", "-0.5"}, {"edfi0_2", "-720"}, {"edVelocity1_2", "-2.5"}},
     {},
     true,
     true,
     true},
    {"CommaSeparatorReadsComma", ',', {{"edVelocity1", "1,5"}}, {}, true, true, true},
    {"CommaSeparatorRejectsPeriod",
     ',',
     {{"edVelocity1", "1.5"}},
     {NotAReal("1.5")},
     false,
     false,
     false},
    {"PeriodSeparatorRejectsComma",
     '.',
     {{"edfi0_2", "1,5"}},
     {NotAReal("1,5")},
     false,
     true,
     false},
};

class ParamDialogAcceptance : public ParamDialog, public testing::WithParamInterface<AcceptCase> {};

TEST_P(ParamDialogAcceptance, ShowsItsBoxesAndCopiesWhatPasses) {
    const AcceptCase& c = GetParam();
    const SeparatorScope separator{QChar(c.separator)};
    for (const auto& [name, text] : c.entries) {
        Type(name, QString::fromUtf8(text));
    }
    ClickOK();

    EXPECT_EQ(BoxesShown(), c.boxes);
    for (const qor::MessageBoxRequest& r : recorder.Shown()) {
        // The dialog owns its own boxes; the error display belongs to the application.
        EXPECT_EQ(r.owner, r.icon == MsgIcon::Error ? nullptr : &form);
    }
    EXPECT_EQ(ParamsAccepted, c.accepted);
    EXPECT_EQ(form.isVisible(), !c.accepted);
    EXPECT_EQ(!Untouched(mechanism1), c.copies1);
    EXPECT_EQ(!Untouched(mechanism2), c.copies2);
}

INSTANTIATE_TEST_SUITE_P(Cases, ParamDialogAcceptance, testing::ValuesIn(acceptCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ParamDialog, CopiesEveryEnteredValueIntoTheRecord) {
    const std::pair<const char*, const char*> entries[] = {
        {"edA", "-2.5"},     {"edB", "1.25"},      {"L1Combo", "2"},       {"L2Combo", "7"},
        {"L4Combo", "1"},    {"edVelocity1", "2"}, {"edVelocity4", "-3"},  {"edfi0", "30"},
        {"edgamma0", "-45"}, {"edA_2", "0"},       {"edVelocity1_2", "0"}, {"edfi0_2", "90"},
    };
    for (const auto& [name, text] : entries) {
        Type(name, QString::fromLatin1(text));
    }
    mechanism1.Running = true;
    ClickOK();
    ASSERT_TRUE(ParamsAccepted);

    const Mechanism& m = mechanism1;
    EXPECT_EQ(m.a, -2.5);
    EXPECT_EQ(m.b, 1.25);
    EXPECT_EQ(m.L1, 2.0);
    EXPECT_EQ(m.L2, 7.0);
    EXPECT_EQ(m.L3, 7.0);
    EXPECT_EQ(m.L4, 1.0);
    EXPECT_EQ(m.Velocity1, Rad(2));
    EXPECT_EQ(m.Velocity4, Rad(-3));
    EXPECT_EQ(m.Fi, Rad(30));
    EXPECT_EQ(m.Gamma, Rad(-45));
    EXPECT_EQ(m.dFi, m.Velocity1);
    EXPECT_EQ(m.dGamma, m.Velocity4);
    // The dialog leaves the plane, the solver's state and the run flag alone.
    EXPECT_EQ(m.Plane, qor::MechanismPlane::Horizontal);
    EXPECT_EQ(m.Psi, kUntouched);
    EXPECT_TRUE(m.Running);

    const Mechanism& m2 = mechanism2;
    EXPECT_EQ(m2.a, 0.0);
    EXPECT_EQ(m2.b, 0.0);
    EXPECT_EQ(m2.L1, 3.0);
    EXPECT_EQ(m2.L2, 6.0);
    EXPECT_EQ(m2.L3, 6.0);
    EXPECT_EQ(m2.L4, 3.0);
    EXPECT_EQ(m2.Velocity1, 0.0);
    EXPECT_EQ(m2.dFi, 0.0);
    EXPECT_EQ(m2.Velocity4, Rad(1));
    EXPECT_EQ(m2.dGamma, Rad(1));
    EXPECT_EQ(m2.Fi, Rad(90));
    EXPECT_EQ(m2.Gamma, 0.0);
    EXPECT_EQ(m2.Plane, qor::MechanismPlane::Vertical);
}

TEST_F(ParamDialog, CommaEntriesConvertUnderACommaSeparator) {
    const SeparatorScope separator{QChar(',')};
    Type("edA_2", QStringLiteral("2,5"));
    Type("edgamma0_2", QStringLiteral("-0,5"));
    ClickOK();
    ASSERT_TRUE(ParamsAccepted);
    EXPECT_EQ(mechanism2.a, 2.5);
    EXPECT_EQ(mechanism2.Gamma, Rad(-0.5));
}

TEST_F(ParamDialog, EnterInAnEntryPressesOK) {
    QTest::keyClick(Find<QLineEdit>("edfi0_2"), Qt::Key_Return);
    EXPECT_TRUE(ParamsAccepted);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(ParamDialog, CancelClearsTheFlagAndTouchesNoRecord) {
    ParamsAccepted = true;
    Type("edA", QStringLiteral("5"));
    QTest::mouseClick(Find<QPushButton>("bbCancel"), Qt::LeftButton);
    EXPECT_FALSE(ParamsAccepted);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(Untouched(mechanism1));
    EXPECT_TRUE(Untouched(mechanism2));
    EXPECT_TRUE(recorder.Shown().empty());
}

TEST_F(ParamDialog, CloseBoxRunsNeitherButton) {
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(ParamsAccepted);
    EXPECT_TRUE(Untouched(mechanism1));
    EXPECT_TRUE(Untouched(mechanism2));
}

TEST_F(ParamDialog, ReopensWithTheTextsLastTyped) {
    Type("edA", QStringLiteral("5"));
    Type("L1_2Combo", QStringLiteral("4"));
    QTest::mouseClick(Find<QPushButton>("bbCancel"), Qt::LeftButton);
    form.show();
    EXPECT_EQ(TextOf("edA"), "5");
    EXPECT_EQ(TextOf("L1_2Combo"), "4");
}

TEST_F(ParamDialog, FailedAcceptanceKeepsTheDialogOpenWithItsEntries) {
    Type("L3Combo", QStringLiteral("7"));
    ClickOK();
    ASSERT_TRUE(form.isVisible());
    EXPECT_EQ(TextOf("L2Combo"), "6");
    EXPECT_EQ(TextOf("L3Combo"), "7");
    // Putting the entry right and pressing OK again succeeds.
    Type("L3Combo", QStringLiteral("6"));
    recorder.Clear();
    ClickOK();
    EXPECT_TRUE(ParamsAccepted);
    EXPECT_TRUE(recorder.Shown().empty());
}

struct DefaultCase {
    const char* name;
    const char* text;
};

const DefaultCase defaultCases[] = {
    {"edA", "3"},           {"edB", "0"},           {"L1Combo", "3"},     {"L2Combo", "6"},
    {"L3Combo", "6"},       {"L4Combo", "3"},       {"edVelocity1", "1"}, {"edVelocity4", "1"},
    {"edfi0", "0"},         {"edgamma0", "0"},      {"edA_2", "3"},       {"edB_2", "0"},
    {"L1_2Combo", "3"},     {"L2_2Combo", "6"},     {"L3_2Combo", "6"},   {"L4_2Combo", "3"},
    {"edVelocity1_2", "1"}, {"edVelocity4_2", "1"}, {"edfi0_2", "0"},     {"edgamma0_2", "0"},
};

TEST_F(ParamDialog, EveryEntryStartsWithItsDefaultText) {
    for (const DefaultCase& c : defaultCases) {
        EXPECT_EQ(TextOf(c.name), c.text) << c.name;
    }
}

TEST_F(ParamDialog, LinkLengthListsHoldOneToTenWithTenRowsVisible) {
    for (const char* name : {"L1Combo", "L2Combo", "L3Combo", "L4Combo", "L1_2Combo", "L2_2Combo",
                             "L3_2Combo", "L4_2Combo"}) {
        const QComboBox* combo = Find<QComboBox>(name);
        ASSERT_NE(combo, nullptr);
        EXPECT_TRUE(combo->isEditable()) << name;
        EXPECT_EQ(combo->maxVisibleItems(), 10) << name;
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) {
            items << combo->itemText(i);
        }
        EXPECT_EQ(items.join(' ').toStdString(), "1 2 3 4 5 6 7 8 9 10") << name;
    }
}

TEST_F(ParamDialog, TypedLengthIsNotAddedToTheList) {
    Type("L1Combo", QStringLiteral("12"));
    QTest::keyClick(Find<QComboBox>("L1Combo")->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(Find<QComboBox>("L1Combo")->count(), 10);
}

// The object name of the entry or button that holds the keyboard focus.
std::string FocusName() {
    for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"))) {
            return w->objectName().toStdString();
        }
    }
    return "none";
}

TEST_F(ParamDialog, TabVisitsEntriesGroupByGroupThenTheButtons) {
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    Find<QLineEdit>("edA")->setFocus();
    std::vector<std::string> visited{FocusName()};
    for (int i = 0; i < 22; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(FocusName());
    }
    const std::vector<std::string> expected = {
        "edA",           "edB",           "L1Combo",     "L2Combo",
        "L3Combo",       "L4Combo",       "edVelocity1", "edVelocity4",
        "edfi0",         "edgamma0",      "edA_2",       "edB_2",
        "L1_2Combo",     "L2_2Combo",     "L3_2Combo",   "L4_2Combo",
        "edVelocity1_2", "edVelocity4_2", "edfi0_2",     "edgamma0_2",
        "bbOK",          "bbCancel",      "edA"};
    EXPECT_EQ(visited, expected);
}

struct CouplingCase {
    const char* name;
    const char* l2;
    const char* l3;
    const char* otherL3; // the other mechanism's L3, which no change here may touch
};

void PrintTo(const CouplingCase& c, std::ostream* os) {
    *os << c.name;
}

const CouplingCase couplingCases[] = {
    {"Mechanism1", "L2Combo", "L3Combo", "L3_2Combo"},
    {"Mechanism2", "L2_2Combo", "L3_2Combo", "L3Combo"},
};

class ParamDialogCoupling : public ParamDialog, public testing::WithParamInterface<CouplingCase> {};

TEST_P(ParamDialogCoupling, L2CarriesL3AlongButNotTheOtherWay) {
    const CouplingCase& c = GetParam();
    // Choosing from the list: Down moves the choice from "6" to the next item, "7".
    QTest::keyClick(Find<QComboBox>(c.l2), Qt::Key_Down);
    EXPECT_EQ(TextOf(c.l2), "7");
    EXPECT_EQ(TextOf(c.l3), "7");

    Type(c.l2, QStringLiteral("9"));
    EXPECT_EQ(TextOf(c.l3), "9");

    Type(c.l3, QStringLiteral("5"));
    EXPECT_EQ(TextOf(c.l2), "9");
    EXPECT_EQ(TextOf(c.otherL3), "6");
}

INSTANTIATE_TEST_SUITE_P(Mechanisms, ParamDialogCoupling, testing::ValuesIn(couplingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ParamDialog, HasItsCaptionsAndTheWarningPanel) {
    EXPECT_EQ(form.windowTitle().toStdString(), "Параметры механизмов");
    QStringList groupTitles;
    for (const QGroupBox* group : form.findChildren<QGroupBox*>()) {
        groupTitles << group->title();
    }
    EXPECT_EQ(groupTitles.join('|').toStdString(),
              " Механизм 1(горизонтальный) : | Механизм 2(вертикальный) : ");
    EXPECT_EQ(Find<QPushButton>("bbOK")->text().toStdString(), "ОК");
    EXPECT_EQ(Find<QPushButton>("bbCancel")->text().toStdString(), "Отменить");

    const QLabel* attention = Find<QLabel>("laWarning");
    EXPECT_EQ(attention->text().toStdString(), "Внимание !");
    EXPECT_TRUE(attention->font().bold());
    EXPECT_EQ(attention->palette().color(QPalette::WindowText), QColor(Qt::red));

    const QTextEdit* memo = Find<QTextEdit>("meWarning");
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(memo->toPlainText().toStdString(),
              "Для того, чтобы механизм при запуске не развалился при\n"
              "первом же шаге выбирайте следующие длины звеньев :\n"
              "L2+L3 >= L1 + L4 + sqrt(a*a + b*b)\n"
              "Длины L1 и L4 могут быть любыми (в разумных пределах).\n"
              "Длины L2 и L3 должны быть одинаковыми !");
}

TEST_F(ParamDialog, HasAFixedBorderWithOnlyTheCloseBox) {
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.size(), form.minimumSize());
}

TEST_F(ParamDialog, IsCentredOnTheScreen) {
    const QPoint screenCentre = form.screen()->availableGeometry().center();
    const QPoint formCentre = form.frameGeometry().center();
    EXPECT_LE((screenCentre - formCentre).manhattanLength(), 2);
}

TEST_F(ParamDialog, ShowsEveryTextWhole) {
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
        EXPECT_GE(label->height(), label->sizeHint().height()) << label->text().toStdString();
    }
    for (const QPushButton* button : form.findChildren<QPushButton*>()) {
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
    }
    for (const QGroupBox* group : form.findChildren<QGroupBox*>()) {
        EXPECT_GE(group->width(), group->minimumSizeHint().width());
    }
    // Each of the memo's five lines is laid out on one line, and all of them fit.
    const QTextEdit* memo = Find<QTextEdit>("meWarning");
    const QTextDocument* document = memo->document();
    ASSERT_EQ(document->blockCount(), 5);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        EXPECT_EQ(block.layout()->lineCount(), 1) << block.text().toStdString();
    }
    EXPECT_LE(document->size().height(), memo->viewport()->height());
}

} // namespace

// Driving the mechanisms through the main window: the run toggle read from its two captions, the
// single step, the link check boxes and direction buttons, the angle read-outs, the controls that
// a construction enables, and the new-construction and settings commands around them.
#include "MainWindowFixture.h"

#include "kinematics/Angles.h"
#include "kinematics/Solver.h"
#include "platform/DecimalSeparator.h"
#include "platform/IdleHook.h"
#include "platform/MessageBox.h"
#include "platform/NumberText.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <map>
#include <set>
#include <vector>

namespace qortest {
namespace {

using qor::Mechanism;

const QString kRun = QStringLiteral("Запустить механизм");
const QString kStop = QStringLiteral("Остановить механизм");

double Rad(double degrees) {
    return static_cast<double>(qor::DegToRad(degrees));
}

// The controls' explicit enabled states: a widget disabled only through its parent counts as
// enabled here, so that the states compare control by control.
std::map<QString, bool> EnabledStates(const QObject& form) {
    std::map<QString, bool> states;
    for (const QWidget* widget : form.findChildren<QWidget*>()) {
        if (!widget->objectName().isEmpty()) {
            states[widget->objectName()] = !widget->testAttribute(Qt::WA_ForceDisabled);
        }
    }
    for (const QAction* action : form.findChildren<QAction*>()) {
        if (!action->objectName().isEmpty()) {
            states[action->objectName()] = action->isEnabled();
        }
    }
    return states;
}

TEST_F(MainWindow, EnableControlsSwitchesExactlyItsList) {
    const std::map<QString, bool> before = EnabledStates(form);
    form.EnableControls(true);
    const std::map<QString, bool> after = EnabledStates(form);
    std::set<QString> switched;
    for (const auto& [name, enabled] : after) {
        if (before.at(name) != enabled) {
            EXPECT_TRUE(enabled) << name.toStdString();
            switched.insert(name);
        }
    }
    const std::set<QString> list = {
        "ProjectionsCombo", "bbRotateScene", "pmnRotateScene", "rbHorizontal", "rbVertical",
        "edGrad",           "bbRotatePlane", "bbRunWork",      "pmnRunWork",   "bbStepByStep",
        "sbZoomIn",         "sbZoomOut",     "pmnZoomIn",      "pmnZoomOut",   "paHorizontal1",
        "paHorizontal4",    "paVertical1",   "paVertical4",    "mnRunWork",    "mnStepByStep",
        "mnZoomIn",         "mnZoomOut"};
    EXPECT_EQ(switched, list);

    form.EnableControls(false);
    EXPECT_EQ(EnabledStates(form), before);
}

struct Toggle {
    std::string name;
    QString buttonBefore;
    QString popupBefore;
    QString captionAfter;
    bool runningAfter;
};

void PrintTo(const Toggle& t, std::ostream* os) {
    *os << t.name;
}

class RunToggle : public MainWindow, public testing::WithParamInterface<Toggle> {};

// Whichever of its twins is used, the toggle starts only when both captions read "start".
TEST_P(RunToggle, ReadsItsStateFromBothCaptions) {
    const Toggle& t = GetParam();
    form.EnableControls(true);
    for (bool fromPopup : {false, true}) {
        Get<QPushButton>("bbRunWork")->setText(t.buttonBefore);
        Get<QAction>("pmnRunWork")->setText(t.popupBefore);
        form.Mechanism1().Running = !t.runningAfter;
        form.Mechanism2().Running = !t.runningAfter;
        if (fromPopup) {
            Get<QAction>("pmnRunWork")->trigger();
        } else {
            Click("bbRunWork");
        }
        EXPECT_EQ(Get<QPushButton>("bbRunWork")->text(), t.captionAfter);
        EXPECT_EQ(Get<QAction>("pmnRunWork")->text(), t.captionAfter);
        EXPECT_EQ(form.Mechanism1().Running, t.runningAfter);
        EXPECT_EQ(form.Mechanism2().Running, t.runningAfter);
    }
}

const std::vector<Toggle> toggles = {
    {"BothStartStarts", kRun, kRun, kStop, true},
    {"BothStopStops", kStop, kStop, kRun, false},
    {"OnlyButtonStartStops", kRun, kStop, kRun, false},
    {"OnlyPopupStartStops", kStop, kRun, kRun, false},
};
INSTANTIATE_TEST_SUITE_P(Captions, RunToggle, testing::ValuesIn(toggles),
                         [](const auto& info) { return info.param.name; });

// A mechanism that closes at every position, with one-degree steps.
void SetDefaults(Mechanism& m) {
    m.a = 3;
    m.b = 0;
    m.L1 = 3;
    m.L2 = 6;
    m.L3 = 6;
    m.L4 = 3;
    m.Velocity1 = Rad(1);
    m.Velocity4 = Rad(1);
}

TEST_F(MainWindow, SingleStepMovesBothOnceAndLeavesThemStopped) {
    SetDefaults(form.Mechanism1());
    SetDefaults(form.Mechanism2());
    form.EnableControls(true);
    Click("bbRunWork");
    form.Mechanism1().dFi = Rad(1);
    form.Mechanism2().dGamma = Rad(-2);

    qor::RemoveIdleHandler();
    Click("bbStepByStep");

    EXPECT_DOUBLE_EQ(form.Mechanism1().Fi, Rad(1));
    EXPECT_DOUBLE_EQ(form.Mechanism2().Gamma, Rad(-2));
    EXPECT_FALSE(form.Mechanism1().Running);
    EXPECT_FALSE(form.Mechanism2().Running);
    EXPECT_TRUE(qor::IdleHandlerInstalled());
    // Only the button went back to "start": the next toggle merely brings the captions into
    // line, the one after starts both.
    EXPECT_EQ(Get<QPushButton>("bbRunWork")->text(), kRun);
    EXPECT_EQ(Get<QAction>("pmnRunWork")->text(), kStop);
    Click("bbRunWork");
    EXPECT_EQ(Get<QAction>("pmnRunWork")->text(), kRun);
    EXPECT_FALSE(form.Mechanism1().Running);
    Click("bbRunWork");
    EXPECT_TRUE(form.Mechanism1().Running);
    EXPECT_TRUE(form.Mechanism2().Running);
}

TEST_F(MainWindow, SingleStepSolvesAndShowsTheNewPosition) {
    SetDefaults(form.Mechanism1());
    SetDefaults(form.Mechanism2());
    form.EnableControls(true);
    form.Mechanism1().Fi = Rad(89);
    form.Mechanism1().dFi = Rad(1);
    Mechanism expected = form.Mechanism1();
    expected.Fi += expected.dFi;
    double xB = 0;
    double zB = 0;
    qor::SolvePosition(expected, [&](double x, double, double z) {
        xB = x;
        zB = z;
    });
    ASSERT_GT(std::abs(zB), 1.0) << "B stands off the first axis, so the read-out shows a number";

    qor::SetDecimalSeparator(QChar(','));
    Click("bbStepByStep");
    EXPECT_EQ(Get<QLabel>("lbFi")->text(), "90,00");
    EXPECT_EQ(Get<QLabel>("lbPsi")->text(), qor::RealToFixedText(qor::RadToDeg(expected.Psi)));
    EXPECT_EQ(Get<QLabel>("lbxB")->text(), qor::RealToFixedText(xB));
    EXPECT_EQ(Get<QLabel>("lbzB")->text(), qor::RealToFixedText(zB));
    // Mechanism 2 is solved too, at its standing angles: B right above the middle of its base.
    EXPECT_EQ(Get<QLabel>("lbxB_2")->text(), "4,50");
    qor::SetDecimalSeparator(QChar('.'));
}

struct Link {
    std::string box;
    std::string plus;
    std::string minus;
    int mechanism;
    bool linkOne; // link 1 drives Fi with Velocity1, link 4 drives Gamma with Velocity4
};

void PrintTo(const Link& l, std::ostream* os) {
    *os << l.box;
}

class LinkDrive : public MainWindow, public testing::WithParamInterface<Link> {
protected:
    Mechanism& Record() {
        return GetParam().mechanism == 1 ? form.Mechanism1() : form.Mechanism2();
    }
    double& Step() { return GetParam().linkOne ? Record().dFi : Record().dGamma; }
    double& Magnitude() { return GetParam().linkOne ? Record().Velocity1 : Record().Velocity4; }
    double& OtherStep() { return GetParam().linkOne ? Record().dGamma : Record().dFi; }
};

TEST_P(LinkDrive, BoxOpensTheDirectionsWhichSetTheStep) {
    const Link& l = GetParam();
    form.EnableControls(true);
    Magnitude() = 0.25;
    OtherStep() = 0.5;
    Step() = 0.125;
    auto* plus = Get<QRadioButton>(l.plus);
    auto* minus = Get<QRadioButton>(l.minus);

    Click(l.box);
    EXPECT_TRUE(plus->isEnabled());
    EXPECT_TRUE(minus->isEnabled());
    EXPECT_EQ(Step(), 0.125) << "ticking alone changes no step";

    Click(l.plus);
    EXPECT_EQ(Step(), 0.25);
    Click(l.minus);
    EXPECT_EQ(Step(), -0.25);
    EXPECT_TRUE(minus->isChecked());
    EXPECT_FALSE(plus->isChecked());

    Click(l.box);
    EXPECT_FALSE(plus->isEnabled());
    EXPECT_FALSE(minus->isEnabled());
    EXPECT_FALSE(plus->isChecked());
    EXPECT_FALSE(minus->isChecked());
    EXPECT_EQ(Step(), 0.0);
    EXPECT_EQ(OtherStep(), 0.5) << "the other link keeps its step";

    // Ticked again, the link stays still until a direction is chosen.
    Click(l.box);
    EXPECT_EQ(Step(), 0.0);
    Click(l.plus);
    EXPECT_EQ(Step(), 0.25);
}

const std::vector<Link> links = {
    {"cb1", "rbRotPlus1", "rbRotMinus1", 1, true},
    {"cb4", "rbRotPlus4", "rbRotMinus4", 1, false},
    {"cb1_2", "rbRotPlus1_2", "rbRotMinus1_2", 2, true},
    {"cb4_2", "rbRotPlus4_2", "rbRotMinus4_2", 2, false},
};
INSTANTIATE_TEST_SUITE_P(Links, LinkDrive, testing::ValuesIn(links),
                         [](const auto& info) { return info.param.box; });

struct AngleText {
    std::string name;
    QChar separator;
    double radians;
    QString shown;
};

void PrintTo(const AngleText& a, std::ostream* os) {
    *os << a.name;
}

class AngleReadout : public MainWindow, public testing::WithParamInterface<AngleText> {
protected:
    void TearDown() override { qor::SetDecimalSeparator(QChar('.')); }
};

TEST_P(AngleReadout, ShowsDegreesWithTwoDecimals) {
    const AngleText& a = GetParam();
    qor::SetDecimalSeparator(a.separator);
    form.Mechanism2().Ksi = a.radians;
    form.ShowAngles();
    EXPECT_EQ(Get<QLabel>("lbKsi_2")->text(), a.shown);
}

const std::vector<AngleText> angleTexts = {
    {"OneDegreeWithComma", ',', Rad(1), "1,00"},
    {"OneDegreeWithPeriod", '.', Rad(1), "1.00"},
    {"NegatedZeroHasNoSign", ',', -0.0, "0,00"},
    {"TinyNegativeRoundsToZero", ',', -1e-9, "0,00"},
    {"NegativeKeepsItsSign", ',', Rad(-359), "-359,00"},
    {"RoundsHalfAwayFromZero", '.', Rad(12.345), "12.35"},
};
INSTANTIATE_TEST_SUITE_P(Formats, AngleReadout, testing::ValuesIn(angleTexts),
                         [](const auto& info) { return info.param.name; });

TEST_F(MainWindow, EachAngleGoesToItsOwnReadout) {
    qor::SetDecimalSeparator(QChar(','));
    Mechanism& m1 = form.Mechanism1();
    Mechanism& m2 = form.Mechanism2();
    m1.Fi = Rad(1);
    m1.Psi = Rad(2);
    m1.Ksi = Rad(3);
    m1.Gamma = Rad(4);
    m2.Fi = Rad(5);
    m2.Psi = Rad(6);
    m2.Ksi = Rad(7);
    m2.Gamma = Rad(8);
    form.ShowAngles();
    QStringList shown;
    for (const char* name :
         {"lbFi", "lbPsi", "lbKsi", "lbGamma", "lbFi_2", "lbPsi_2", "lbKsi_2", "lbGamma_2"}) {
        shown << Get<QLabel>(name)->text();
    }
    EXPECT_EQ(shown, QStringList({"1,00", "2,00", "3,00", "4,00", "5,00", "6,00", "7,00", "8,00"}));
    qor::SetDecimalSeparator(QChar('.'));
}

TEST_F(MainWindow, NewConstructionOpensTheControlsWithEveryLinkStill) {
    qor::MessageBoxRecorder boxes;
    NewConstruction();
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_TRUE(form.ParamsAccepted());
    EXPECT_EQ(form.Mechanism1().L2, 6);
    EXPECT_EQ(form.Mechanism2().Velocity1, Rad(1));
    for (const char* name : {"bbRunWork", "bbStepByStep", "paHorizontal1", "paVertical4",
                             "ProjectionsCombo", "sbZoomIn"}) {
        EXPECT_TRUE(Get<QWidget>(name)->isEnabled()) << name;
    }
    EXPECT_EQ(form.Mechanism1().dFi, 0.0);
    EXPECT_EQ(form.Mechanism2().dGamma, 0.0);
    EXPECT_TRUE(qor::IdleHandlerInstalled());
}

TEST_F(MainWindow, RunningLinkAdvancesOnIdlePassesUntilStopped) {
    NewConstruction();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    Click("cb1");
    Click("rbRotPlus1");
    Click("bbRunWork");
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.Mechanism1().Fi >= Rad(3); }));
    EXPECT_EQ(form.Mechanism1().Gamma, 0.0) << "link 4 was not ticked";
    Click("bbRunWork");
    const double stoppedAt = form.Mechanism1().Fi;
    QTest::qWait(50);
    EXPECT_EQ(form.Mechanism1().Fi, stoppedAt);
    EXPECT_EQ(Get<QLabel>("lbFi")->text(), qor::RealToFixedText(qor::RadToDeg(stoppedAt)));
}

// The next pass comes at once only while something moves and the window is active; otherwise
// the program waits for the next event.
TEST_F(MainWindow, IdlePassAsksForTheNextPassAtOnceOnlyWhileSomethingMovesInTheActiveWindow) {
    NewConstruction();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    bool done = false;
    form.IdlePass(done);
    EXPECT_TRUE(done) << "nothing moves";
    Click("bbRunWork");
    form.IdlePass(done);
    EXPECT_TRUE(done) << "running, but no link is driven";
    Click("cb1");
    Click("rbRotPlus1");
    form.IdlePass(done);
    EXPECT_FALSE(done) << "link 1 turns";

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form.IdlePass(done);
    EXPECT_TRUE(done) << "another window is active";
}

TEST_F(MainWindow, NewConstructionWhileRunningStopsAndResetsOnlyTheButton) {
    NewConstruction();
    Click("cb4_2");
    Click("rbRotMinus4_2");
    Click("bbRunWork");
    NewConstruction();
    EXPECT_FALSE(form.Mechanism1().Running);
    EXPECT_FALSE(form.Mechanism2().Running);
    EXPECT_FALSE(Get<QCheckBox>("cb4_2")->isChecked());
    EXPECT_FALSE(Get<QRadioButton>("rbRotMinus4_2")->isEnabled());
    EXPECT_FALSE(Get<QRadioButton>("rbRotMinus4_2")->isChecked());
    EXPECT_EQ(form.Mechanism2().dGamma, 0.0);
    EXPECT_EQ(Get<QPushButton>("bbRunWork")->text(), kRun);
    EXPECT_EQ(Get<QAction>("pmnRunWork")->text(), kStop);
}

TEST_F(MainWindow, EveryNewConstructionStartsFromZeroCouplerAngles) {
    form.Mechanism1().Psi = 1.0;
    form.Mechanism2().Ksi = 2.0;
    qor::MessageBoxRecorder boxes;
    NewConstruction("bbCancel");
    EXPECT_EQ(form.Mechanism1().Psi, 0.0);
    EXPECT_EQ(form.Mechanism2().Ksi, 0.0);
}

struct Cancel {
    std::string name;
    bool constructedBefore;
};

void PrintTo(const Cancel& c, std::ostream* os) {
    *os << c.name;
}

class CancelledConstruction : public MainWindow, public testing::WithParamInterface<Cancel> {};

// Without parameters there is no construction to act on: the box, then no motion, no idle pass
// and the controls that need a construction disabled, whatever was there before.
TEST_P(CancelledConstruction, SaysSoAndLeavesNothingToActOn) {
    if (GetParam().constructedBefore) {
        NewConstruction();
        Click("bbRunWork");
    }
    qor::MessageBoxRecorder boxes;
    NewConstruction("bbCancel");
    ASSERT_EQ(boxes.Shown().size(), 1u);
    const qor::MessageBoxRequest& box = boxes.Shown().front();
    EXPECT_EQ(box.text, "Нужно задать параметры конструкций 1 и 2 !");
    EXPECT_EQ(box.caption, "Ошибка !");
    EXPECT_EQ(box.icon, qor::MsgIcon::Warning);
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_FALSE(form.ParamsAccepted());
    EXPECT_FALSE(form.Mechanism1().Running);
    EXPECT_FALSE(form.Mechanism2().Running);
    EXPECT_FALSE(qor::IdleHandlerInstalled());
    for (const char* name : {"bbRunWork", "bbStepByStep", "bbRotateScene", "bbRotatePlane",
                             "paHorizontal1", "paVertical4", "sbZoomOut"}) {
        EXPECT_FALSE(Get<QWidget>(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(Get<QAction>("pmnRunWork")->isEnabled());
    EXPECT_TRUE(Get<QWidget>("sbNewProject")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Runs, CancelledConstruction,
                         testing::Values(Cancel{"FirstConstruction", false},
                                         Cancel{"AfterARunningConstruction", true}),
                         [](const auto& info) { return info.param.name; });

TEST_F(MainWindow, SettingsDialogRunsWithoutTheIdlePassAndInstallsItAfterwards) {
    bool idleWhileOpen = true;
    QString title;
    QSize size;
    QStringList buttons;
    WhenModal([&](QWidget* dialog) {
        idleWhileOpen = qor::IdleHandlerInstalled();
        title = dialog->windowTitle();
        size = dialog->size();
        for (const char* name : {"btnOK", "btnCancel", "btnSave"}) {
            buttons << Find<QPushButton>(dialog, name)->text();
        }
        QTest::mouseClick(Find<QPushButton>(dialog, "btnCancel"), Qt::LeftButton);
    });
    Click("sbSetup");
    EXPECT_FALSE(idleWhileOpen);
    EXPECT_EQ(title, "Настройки изображения");
    EXPECT_EQ(size, QSize(445, 318));
    EXPECT_EQ(buttons, QStringList({"ОК", "Отменить", "Сохранить"}));
    EXPECT_TRUE(qor::IdleHandlerInstalled());
    EXPECT_EQ(form.findChildren<QDialog*>().size(), 1) << "only the parameter dialog is kept";
}

TEST_F(MainWindow, AboutBoxOpensFromTheToolBarAndIsDestroyedWhenClosed) {
    QString title;
    WhenModal([&](QWidget* dialog) {
        title = dialog->windowTitle();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    Click("sbAbout");
    EXPECT_EQ(title, "О программе");
    EXPECT_EQ(form.findChildren<QDialog*>().size(), 1) << "only the parameter dialog is kept";
}

} // namespace
} // namespace qortest

// A monkey at the main window: thousands of random but legal user actions — clicks on enabled
// controls, text and Enter in the degree entry, viewpoints, pop-up commands, the settings dialog
// and the about box opened and closed, new constructions with random parameters (invalid ones
// too) — with every message box answered. After each action the window must still be sound:
// the read-outs show the records, the drawn links meet at their joints, nothing that needs a
// scene is open without one, and the engine objects stay bounded.
//
// Seeded and repeatable: QOR_MONKEY_SEED picks the seed (printed at the start), QOR_MONKEY_ACTIONS
// the number of actions (a short run by default; a long one on demand).
#include "../scene/SceneRig.h"
#include "MainWindowFixture.h"

#include "engine/RetainedMode.h"
#include "kinematics/Angles.h"
#include "platform/MessageBox.h"
#include "platform/NumberText.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace qortest {
namespace {

using qor::Mechanism;

int EnvironmentNumber(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::atoi(text) : fallback;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr int kDefaultActions = 150;
#else
constexpr int kDefaultActions = 400;
#endif

// An action that takes longer than this has hung; no real action comes near it.
constexpr qint64 kHangMilliseconds = 60'000;

// Texts typed into entries: numbers with either separator, edges, and things that are no number.
const char* const kTexts[] = {"0",     "3", "6", "10",  "2,5", "2.5", "-3",    "30",  "-720", "1e3",
                              "1e309", "",  " ", "abc", "nan", "inf", "0,001", "--1", "3,",   ",5"};

// The buttons a random click may hit: every one whose command returns to the main window. The
// dialogs and closing the window have actions of their own.
const char* const kButtons[] = {"bbRunWork",    "bbStepByStep",  "bbRotateScene", "bbRotatePlane",
                                "sbZoomIn",     "sbZoomOut",     "rbHorizontal",  "rbVertical",
                                "cb1",          "cb4",           "cb1_2",         "cb4_2",
                                "rbRotPlus1",   "rbRotMinus1",   "rbRotPlus4",    "rbRotMinus4",
                                "rbRotPlus1_2", "rbRotMinus1_2", "rbRotPlus4_2",  "rbRotMinus4_2"};

const char* const kPopupItems[] = {"pmnRunWork", "pmnRotateScene", "pmnZoomIn", "pmnZoomOut"};

class Monkey : public MainWindow {
protected:
    Monkey()
        : seed_(static_cast<unsigned>(EnvironmentNumber("QOR_MONKEY_SEED", 20261208))),
          random_(seed_) {
        std::printf("monkey seed %u (QOR_MONKEY_SEED=%u repeats this run)\n", seed_, seed_);
        std::fflush(stdout);
    }

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    bool Chance(int percent) { return Pick(100) < percent; }
    QString RandomText() { return QString::fromUtf8(kTexts[Pick(std::size(kTexts))]); }

    // A new construction. The dialog keeps what was last typed, so each one starts from its
    // first texts; now and then a few entries get random texts, and the dialog is cancelled
    // when it refuses them (or by choice).
    void NewConstructionAction(bool atRandom = true) {
        const bool randomize = atRandom && Chance(35);
        const bool cancel = atRandom && Chance(10);
        WhenModal([this, randomize, cancel](QWidget* dialog) {
            const QList<QLineEdit*> entries = dialog->findChildren<QLineEdit*>();
            if (firstTexts_.isEmpty()) {
                for (const QLineEdit* entry : entries) {
                    firstTexts_ << entry->text();
                }
            }
            for (int i = 0; i < entries.size() && i < firstTexts_.size(); ++i) {
                entries[i]->setText(firstTexts_[i]);
            }
            if (randomize) {
                for (int i = 0, n = 1 + Pick(3); i < n && !entries.isEmpty(); ++i) {
                    entries[Pick(static_cast<int>(entries.size()))]->setText(RandomText());
                }
            }
            if (!cancel) {
                QTest::mouseClick(Find<QWidget>(dialog, "bbOK"), Qt::LeftButton);
            }
            if (dialog->isVisible()) {
                QTest::mouseClick(Find<QWidget>(dialog, "bbCancel"), Qt::LeftButton);
            }
        });
        if (Chance(50)) {
            Click("sbNewProject");
        } else {
            Get<QAction>("pmnNewProject")->trigger();
        }
    }

    void SettingsAction() {
        const bool changeAndKeep = Chance(40);
        WhenModal([changeAndKeep](QWidget* dialog) {
            // The dialog fills its pages when it becomes the active window.
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
            auto* dither = dialog->findChild<QCheckBox*>("cbDither");
            auto* keep = Find<QWidget>(dialog, "btnOK");
            if (changeAndKeep && dither != nullptr && dither->isEnabled()) {
                QTest::mouseClick(dither, Qt::LeftButton);
            }
            QTest::mouseClick(keep->isEnabled() ? keep : Find<QWidget>(dialog, "btnCancel"),
                              Qt::LeftButton);
        });
        Click("sbSetup");
    }

    void AboutAction() {
        PressInModal("bbOK");
        Click("sbAbout");
    }

    void ClickAction() {
        auto* button = Get<QAbstractButton>(kButtons[Pick(std::size(kButtons))]);
        if (button->isEnabled() && button->isVisible()) {
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }

    void PopupAction() {
        QAction* item = Get<QAction>(kPopupItems[Pick(std::size(kPopupItems))]);
        if (item->isEnabled()) {
            item->trigger();
        }
    }

    void DegreeAction() {
        auto* entry = Get<QLineEdit>("edGrad");
        if (!entry->isEnabled()) {
            return;
        }
        entry->setFocus();
        entry->setText(RandomText());
        if (Chance(70)) {
            QTest::keyClick(entry, Qt::Key_Return);
        }
    }

    void ViewpointAction() {
        auto* combo = Get<QComboBox>("ProjectionsCombo");
        if (!combo->isEnabled()) {
            return;
        }
        if (Chance(80)) {
            const int entry = Pick(combo->count());
            combo->setCurrentIndex(entry);
            emit combo->activated(entry);
        } else {
            combo->lineEdit()->setText(RandomText());
            QTest::keyClick(combo, Qt::Key_Return);
        }
    }

    void IdleAction() {
        bool done = false;
        for (int i = 0, n = 1 + Pick(5); i < n; ++i) {
            form.IdlePass(done);
        }
    }

    void RandomAction() {
        const std::function<void()> actions[] = {
            [this] { NewConstructionAction(); },
            [this] { ClickAction(); },
            [this] { ClickAction(); },
            [this] { ClickAction(); },
            [this] { PopupAction(); },
            [this] { DegreeAction(); },
            [this] { ViewpointAction(); },
            [this] { IdleAction(); },
            [this] { IdleAction(); },
            [this] { SettingsAction(); },
            [this] { AboutAction(); },
        };
        actions[Pick(std::size(actions))]();
    }

    // What must hold after every action; the text says what did not.
    std::string Broken() {
        // The read-outs show the angles once a pass has written them.
        bool done = false;
        form.IdlePass(done);
        const std::pair<const char*, double> angles[] = {
            {"lbFi", form.Mechanism1().Fi},     {"lbPsi", form.Mechanism1().Psi},
            {"lbKsi", form.Mechanism1().Ksi},   {"lbGamma", form.Mechanism1().Gamma},
            {"lbFi_2", form.Mechanism2().Fi},   {"lbPsi_2", form.Mechanism2().Psi},
            {"lbKsi_2", form.Mechanism2().Ksi}, {"lbGamma_2", form.Mechanism2().Gamma}};
        for (const auto& [label, value] : angles) {
            if (Get<QLabel>(label)->text() != DegreesText(value)) {
                return std::string(label) + " shows " + Get<QLabel>(label)->text().toStdString();
            }
        }
        if (!form.Scene().HasScene()) {
            if (Get<QWidget>("bbRunWork")->isEnabled() ||
                Get<QWidget>("bbRotateScene")->isEnabled()) {
                return "view and motion controls open without a scene";
            }
            if (form.Mechanism1().Running || form.Mechanism2().Running) {
                return "a mechanism runs without a scene";
            }
            return {};
        }
        const qor::SceneFrames& frames = form.Scene().Frames();
        const double gap = std::max(qor::test::JoinGap(form.Mechanism1(), frames.Mechanism1),
                                    qor::test::JoinGap(form.Mechanism2(), frames.Mechanism2));
        if (gap > 1e-3) {
            return "drawn links apart by " + std::to_string(gap);
        }
        const std::pair<Mechanism*, std::vector<const char*>> readouts[] = {
            {&form.Mechanism1(), {"lbxB", "lbyB", "lbzB"}},
            {&form.Mechanism2(), {"lbxB_2", "lbyB_2", "lbzB_2"}}};
        for (const auto& [mechanism, labels] : readouts) {
            const QStringList expected = BTexts(*mechanism);
            for (int i = 0; i < 3; ++i) {
                if (Get<QLabel>(labels[i])->text() != expected[i]) {
                    return std::string(labels[i]) + " shows " +
                           Get<QLabel>(labels[i])->text().toStdString() + ", B is at " +
                           expected[i].toStdString();
                }
            }
        }
        return {};
    }

    const unsigned seed_;
    std::mt19937 random_;
    QStringList firstTexts_; // the parameter dialog's entries as it first opened
};

TEST_F(Monkey, RandomActionsLeaveTheWindowSound) {
    const int actions = EnvironmentNumber("QOR_MONKEY_ACTIONS", kDefaultActions);
    qor::MessageBoxRecorder boxes;
    NewConstructionAction(false);
    ASSERT_TRUE(form.Scene().HasScene());
    const std::int64_t firstScene = qor::IDirect3DRMObject::LiveObjectCount();
    std::int64_t mostObjects = 0;
    int withScene = 0;
    for (int action = 1; action <= actions; ++action) {
        QElapsedTimer took;
        took.start();
        RandomAction();
        ASSERT_LT(took.elapsed(), kHangMilliseconds) << "action " << action << " hung";
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr)
            << "action " << action << " left a dialog open";
        const std::string broken = Broken();
        ASSERT_TRUE(broken.empty())
            << "after action " << action << " (seed " << seed_ << "): " << broken;
        mostObjects = std::max(mostObjects, qor::IDirect3DRMObject::LiveObjectCount());
        withScene += form.Scene().HasScene() ? 1 : 0;
        boxes.Clear();
    }
    std::printf("monkey: %d actions, %d of them with a scene; at most %lld live engine objects "
                "(%lld with the first scene)\n",
                actions, withScene, static_cast<long long>(mostObjects),
                static_cast<long long>(firstScene));
    // One scene in one view host, whatever happened before.
    EXPECT_LE(mostObjects, firstScene + 10);
    // Most of the time there is a scene to act on: the monkey tests the construction, not only
    // the empty window.
    EXPECT_GT(withScene, actions / 2);
}

} // namespace
} // namespace qortest

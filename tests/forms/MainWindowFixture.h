// A main window as the program makes it, with its parameter dialog, shown on screen; and the
// helpers that find its controls by name and answer its modal dialogs.
#pragma once

#include "../support/GlErrors.h"
#include "forms/FrmConstrParamSet.h"
#include "forms/FrmMain.h"
#include "kinematics/Angles.h"
#include "kinematics/Solver.h"
#include "platform/NumberText.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace qortest {

// What an angle read-out shows for an angle in radians.
inline QString DegreesText(double radians) {
    return qor::RealToFixedText(static_cast<double>(qor::RadToDeg(radians)));
}

// What the three read-outs of B show for a mechanism in its present position.
inline QStringList BTexts(qor::Mechanism m) {
    QStringList texts;
    qor::SolvePosition(m, [&](double x, double y, double z) {
        texts = {qor::RealToFixedText(x), qor::RealToFixedText(y), qor::RealToFixedText(z)};
    });
    return texts;
}

// The named child of `root`; the test fails when there is none.
template <class T> T* Find(const QObject* root, const std::string& name) {
    T* found = root->findChild<T*>(QString::fromStdString(name));
    EXPECT_NE(found, nullptr) << "no " << name;
    return found;
}

// Calls `act` with the modal dialog as soon as one is open, from inside its own message loop.
// When `act` fails and leaves the dialog open, the dialog is closed, so that the test ends with its
// failure instead of waiting in the dialog's loop until the test run's time-out. An answer whose
// dialog never opened goes with its test: it must not act, on what its test has freed, in a dialog
// of a later test.
inline void WhenModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    QObject::connect(timer, &QTimer::timeout, [timer, act, test] {
        if (testing::UnitTest::GetInstance()->current_test_info() != test) {
            timer->stop();
            timer->deleteLater();
            return;
        }
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
            if (testing::Test::HasFailure() && QApplication::activeModalWidget() == modal) {
                modal->close();
            }
        }
    });
    timer->start();
}

// Presses a named button of the modal dialog that is open at that moment.
inline void PressInModal(const std::string& button) {
    WhenModal([button](QWidget* modal) {
        if (auto* pressed = modal->findChild<QWidget*>(QString::fromStdString(button))) {
            QTest::mouseClick(pressed, Qt::LeftButton);
        } else {
            ADD_FAILURE() << "the open dialog has no " << button;
        }
    });
}

class MainWindow : public testing::Test {
protected:
    MainWindow()
        : params(new qor::TConstructionParamForm(form.Mechanism1(), form.Mechanism2(),
                                                 form.ParamsAccepted(), &form)) {
        form.SetConstructionParamForm(params);
        form.resize(1366, 768);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    void TearDown() override {
        EXPECT_EQ(qor::test::GlErrorNames(qor::test::TakeGlErrors()).toStdString(), "none")
            << "left by the drawing";
    }

    template <class T> T* Get(const std::string& name) { return Find<T>(&form, name); }

    void Click(const std::string& name) { QTest::mouseClick(Get<QWidget>(name), Qt::LeftButton); }

    // A new construction through the tool bar, answered in the dialog with OK or Cancel.
    void NewConstruction(const std::string& button = "bbOK") {
        PressInModal(button);
        Click("sbNewProject");
    }

    qor::TMainForm form;
    qor::TConstructionParamForm* params;
};

} // namespace qortest

// The application idle hook: install, replace, remove, and what `done` asks for.
#include "platform/IdleHook.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

void ProcessEvents(int times) {
    for (int i = 0; i < times; ++i) {
        QCoreApplication::processEvents();
    }
}

class IdleHook : public testing::Test {
protected:
    void SetUp() override { ProcessEvents(3); }
    void TearDown() override { qor::RemoveIdleHandler(); }
};

TEST_F(IdleHook, NothingRunsBeforeAHandlerIsInstalled) {
    EXPECT_FALSE(qor::IdleHandlerInstalled());
}

TEST_F(IdleHook, DoneFalseRunsPassAfterPassWithoutEvents) {
    QEventLoop loop;
    int passes = 0;
    qor::InstallIdleHandler([&](bool& done) {
        done = ++passes >= 10;
        if (done) {
            loop.quit();
        }
    });
    // The loop ends only if ten passes follow each other with nothing else to wake them.
    loop.exec();
    EXPECT_EQ(passes, 10);
}

TEST_F(IdleHook, DoneFalseRunsOnePassPerEmptyQueue) {
    int passes = 0;
    qor::InstallIdleHandler([&](bool& done) {
        ++passes;
        done = false;
    });
    ProcessEvents(5);
    EXPECT_EQ(passes, 5);
}

TEST_F(IdleHook, DoneIsTrueUnlessTheHandlerSaysOtherwise) {
    bool seen = false;
    qor::InstallIdleHandler([&](bool& done) { seen = done; });
    ProcessEvents(1);
    EXPECT_TRUE(seen);
}

TEST_F(IdleHook, DoneTrueWaitsForTheNextEventThenRunsOnePass) {
    int passes = 0;
    qor::InstallIdleHandler([&](bool&) { ++passes; });
    ProcessEvents(5);
    EXPECT_EQ(passes, 1);

    QObject receiver;
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    ProcessEvents(5);
    EXPECT_EQ(passes, 2);
}

TEST_F(IdleHook, OwnRepaintsDoNotWakeAWaitingHook) {
    QLabel label;
    label.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&label));
    ProcessEvents(5);
    int passes = 0;
    // Each pass changes the label, which schedules a repaint of its window.
    qor::InstallIdleHandler([&](bool&) { label.setText(QString::number(++passes)); });
    ProcessEvents(10);
    const int settled = passes;
    ProcessEvents(20);
    EXPECT_EQ(passes, settled);
    EXPECT_LE(settled, 2);
}

TEST_F(IdleHook, RemovedHandlerRunsNoMore) {
    int passes = 0;
    qor::InstallIdleHandler([&](bool& done) {
        ++passes;
        done = false;
    });
    ProcessEvents(2);
    qor::RemoveIdleHandler();
    EXPECT_FALSE(qor::IdleHandlerInstalled());
    const int before = passes;
    ProcessEvents(5);
    EXPECT_EQ(passes, before);
}

TEST_F(IdleHook, InstallingReplacesThePreviousHandler) {
    int first = 0;
    int second = 0;
    qor::InstallIdleHandler([&](bool& done) {
        ++first;
        done = false;
    });
    ProcessEvents(2);
    qor::InstallIdleHandler([&](bool& done) {
        ++second;
        done = false;
    });
    EXPECT_TRUE(qor::IdleHandlerInstalled());
    const int firstBefore = first;
    ProcessEvents(3);
    EXPECT_EQ(first, firstBefore);
    EXPECT_EQ(second, 3);
}

TEST_F(IdleHook, HandlerMayRemoveItselfDuringAPass) {
    int passes = 0;
    qor::InstallIdleHandler([&](bool& done) {
        ++passes;
        done = false;
        qor::RemoveIdleHandler();
    });
    ProcessEvents(5);
    EXPECT_EQ(passes, 1);
    EXPECT_FALSE(qor::IdleHandlerInstalled());
}

TEST_F(IdleHook, HandlerMayInstallItsSuccessorDuringAPass) {
    int second = 0;
    qor::InstallIdleHandler([&](bool& done) {
        done = false;
        qor::InstallIdleHandler([&](bool& nextDone) {
            ++second;
            nextDone = false;
        });
    });
    ProcessEvents(4);
    EXPECT_EQ(second, 3);
}

TEST_F(IdleHook, RunsInsideTheLoopOfAModalDialog) {
    QDialog dialog;
    int passesWhileModal = 0;
    qor::InstallIdleHandler([&](bool& done) {
        done = false;
        if (dialog.isVisible() && ++passesWhileModal == 3) {
            dialog.reject();
        }
    });
    // Ends a dialog that no pass reached, so that a failure shows as a failure, not a hang.
    QTimer::singleShot(30000, &dialog, &QDialog::reject);
    dialog.exec();
    EXPECT_EQ(passesWhileModal, 3);
}

} // namespace

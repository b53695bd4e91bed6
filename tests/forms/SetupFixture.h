// The settings dialog on a small engine scene of its own: one device with one viewport named
// "VideoPort", set up as the main window sets its viewport (orthographic, front 0.1, back 5000,
// field 14), and helpers that work the dialog through its widgets.
#pragma once

#include "MainWindowFixture.h"
#include "QStringPrinter.h"
#include "engine/GlScene.h"

#include "../support/GlErrors.h"
#include "../support/Require.h"
#include "engine/Object.h"
#include "forms/FrmSetup.h"
#include "platform/MessageBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include <string>

namespace qortest {

// Declared first, destroyed last: every engine object made during a test is gone at its end.
struct NoEngineObjectLeft {
    std::int64_t before = qor::IDirect3DRMObject::LiveObjectCount();
    ~NoEngineObjectLeft() { EXPECT_EQ(qor::IDirect3DRMObject::LiveObjectCount(), before); }
};

class SetupDialog : public testing::Test {
public:
    static constexpr int kWidth = 150;
    static constexpr int kHeight = 100;

    SetupDialog() : scene(kWidth, kHeight) {
        EXPECT_TRUE(scene.Ok());
        qor::test::Require(scene.viewport->SetName("VideoPort"));
        qor::test::Require(scene.viewport->SetProjection(qor::D3DRMPROJECT_ORTHOGRAPHIC));
        qor::test::Require(scene.viewport->SetFront(0.1f));
        qor::test::Require(scene.viewport->SetBack(5000));
        qor::test::Require(scene.viewport->SetField(14));
        form.SetSettingsFileName(IniPath());
    }

    void TearDown() override {
        EXPECT_EQ(qor::test::GlErrorNames(qor::test::TakeGlErrors()).toStdString(), "none")
            << "left by the drawing";
    }

    QString IniPath() const { return iniDir.filePath("qor.ini"); }

    // Shows the dialog and waits until it is the active window, which fills its pages.
    void Open() {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    template <class T> T* Get(const std::string& name) { return Find<T>(&form, name); }

    void Click(const std::string& name) { QTest::mouseClick(Get<QWidget>(name), Qt::LeftButton); }

    bool Enabled(const std::string& name) { return Get<QWidget>(name)->isEnabled(); }

    // Brings a page to the front by its tab, as a user does.
    void ShowPage(const std::string& name) {
        auto* pages = Get<QTabWidget>("PageControl");
        const int index = pages->indexOf(Get<QWidget>(name));
        ASSERT_GE(index, 0);
        QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {},
                          pages->tabBar()->tabRect(index).center());
        ASSERT_EQ(pages->currentIndex(), index);
    }

    // Picks the combo item with that text.
    void Choose(const std::string& combo, const QString& text) {
        auto* box = Get<QComboBox>(combo);
        const int index = box->findText(text);
        ASSERT_GE(index, 0) << combo << " has no " << text.toStdString();
        box->setCurrentIndex(index);
    }

    // Replaces an edit box's text by typing, then presses Enter in it.
    void Type(const std::string& edit, const QString& text) {
        auto* box = Get<QLineEdit>(edit);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    void ClickListItem(const std::string& list, int row, bool twice = false) {
        auto* box = Get<QListWidget>(list);
        ASSERT_LT(row, box->count());
        const QPoint at = box->visualItemRect(box->item(row)).center();
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, at);
        if (twice) {
            QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, at);
        }
    }

    QStringList Lines(const std::string& list) {
        QStringList lines;
        auto* box = Get<QListWidget>(list);
        for (int i = 0; i < box->count(); ++i) {
            lines.append(box->item(i)->text());
        }
        return lines;
    }

    // Composes one render-state line through the page's combos and "Добавить".
    void AddState(const QString& type, const QString& value) {
        Choose("RSTypeCombo", type);
        if (!value.isEmpty()) {
            Choose("RSValCombo", value);
        }
        Click("btnAdd");
    }

    NoEngineObjectLeft noLeak;
    QTemporaryDir iniDir;
    qor::test::GlScene scene;
    qor::MessageBoxRecorder boxes;
    qor::TSetupForm form;
};

} // namespace qortest

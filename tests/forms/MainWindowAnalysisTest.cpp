// The "Анализ" menu: its two checkable items between "Настройки" and "Помощь", off at start,
// with shortcuts no other command uses and status-bar hints; their state kept for the next start;
// and the path drawn for the drive the window's controls set, again when they change it, not on a
// plain step.
#include "MainWindowFixture.h"

#include "engine/Mesh.h"
#include "platform/UserSettings.h"

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <set>

namespace qortest {
namespace {

const QString kKeys[] = {QStringLiteral("Analysis/CouplerPath"),
                         QStringLiteral("Analysis/CircleConstruction")};

// Every window of a test starts with the drawings off, and leaves them so for the next test.
class MainWindowAnalysis : public MainWindow {
protected:
    void TearDown() override {
        for (const QString& key : kKeys) {
            qor::UserSettings().remove(key);
        }
        MainWindow::TearDown();
    }
};

TEST_F(MainWindowAnalysis, ItemsAreOffCheckableWithFreeShortcutsAndHints) {
    QStringList menus;
    for (const QAction* action : form.menuBar()->actions()) {
        menus << action->text();
    }
    EXPECT_EQ(menus, QStringList({"Файл", "Настройки", "Движение", "Анализ", "Помощь"}));
    const QList<QAction*> items = {Get<QAction>("mnCouplerPath"),
                                   Get<QAction>("mnCircleConstruction")};
    // Shortcuts of the window's commands, and those other menus are to have.
    std::set<QString> taken = {"F1", "Ctrl+O", "Ctrl+S", "Ctrl+Shift+S", "Ctrl+N"};
    for (const QAction* action : form.findChildren<QAction*>()) {
        if (!items.contains(action) && !action->shortcut().isEmpty()) {
            taken.insert(action->shortcut().toString());
        }
    }
    for (const QAction* item : items) {
        const std::string name = item->text().toStdString();
        EXPECT_TRUE(item->isCheckable() && !item->isChecked()) << name;
        EXPECT_FALSE(item->shortcut().isEmpty()) << name;
        EXPECT_TRUE(taken.insert(item->shortcut().toString()).second) << name;
        EXPECT_FALSE(item->statusTip().isEmpty()) << name;
        EXPECT_TRUE(Get<QMenu>("PopupMenu")->actions().contains(item)) << name;
    }
    EXPECT_FALSE(form.Scene().CouplerPathsShown() || form.Scene().CircleConstructionsShown());
}

TEST_F(MainWindowAnalysis, TheItemsStateSurvivesARestart) {
    Get<QAction>("mnCouplerPath")->trigger();
    {
        qor::TMainForm next;
        EXPECT_TRUE(Find<QAction>(&next, "mnCouplerPath")->isChecked());
        EXPECT_FALSE(Find<QAction>(&next, "mnCircleConstruction")->isChecked());
        EXPECT_TRUE(next.Scene().CouplerPathsShown());
    }
    Get<QAction>("mnCouplerPath")->trigger();
    Get<QAction>("mnCircleConstruction")->trigger();
    qor::TMainForm next;
    EXPECT_FALSE(Find<QAction>(&next, "mnCouplerPath")->isChecked());
    EXPECT_TRUE(Find<QAction>(&next, "mnCircleConstruction")->isChecked());
    EXPECT_TRUE(next.Scene().CircleConstructionsShown());
}

TEST_F(MainWindowAnalysis, PathFollowsTheDrivesSetInTheWindowAndNotTheSteps) {
    NewConstruction();
    Get<QAction>("mnCouplerPath")->trigger();
    const qor::CouplerPath& path = form.Scene().Path(0);
    EXPECT_FALSE(path.Shown()) << "no driven link, no path";
    Click("cb1");
    Click("rbRotPlus1");
    ASSERT_TRUE(path.Shown());
    EXPECT_EQ(path.Path().Rows.size(), 359u);
    const std::uint64_t built = path.Mesh()->GeometryId();
    Click("bbStepByStep");
    EXPECT_EQ(path.Mesh()->GeometryId(), built) << "built again on a plain step";
    Click("rbRotMinus1");
    ASSERT_TRUE(path.Shown());
    EXPECT_LT(path.Path().Rows[1].Fi, path.Path().Rows[0].Fi) << "the new drive turns back";
    Click("cb1");
    EXPECT_FALSE(path.Shown());
    Get<QAction>("mnCouplerPath")->trigger();
}

} // namespace
} // namespace qortest

// What a screen reader hears, read through Qt's accessibility interface: every visible control of
// the main window and of its two dialogs has a name of its own, the read-outs say whose value
// they show and announce a new value; and the keys of the "Движение" menu and of the commands
// people repeat do what their buttons do.
#include "MainWindowFixture.h"
#include "QStringPrinter.h"
#include "engine/RetainedMode.h"
#include "view/TVport.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>

#include <vector>

namespace qortest {
namespace {

QString GroupTitle(const QWidget* w) {
    for (w = w->parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
            return group->title();
        }
    }
    return {};
}

// The visible controls of `root` a screen reader could not tell apart, with the name they have:
// none, their group's title, or a read-out's bare number. An entry inside a combo or spin box is
// the box's own.
QStringList Nameless(const QWidget* root) {
    static const QRegularExpression number(QStringLiteral("^-?\\d+([,.]\\d+)?$"));
    QStringList found;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(w);
        const bool readout = label != nullptr && number.match(label->text()).hasMatch();
        const bool inner = qobject_cast<QComboBox*>(w->parentWidget()) != nullptr ||
                           qobject_cast<QAbstractSpinBox*>(w->parentWidget()) != nullptr;
        const bool control = qobject_cast<QAbstractButton*>(w) != nullptr ||
                             qobject_cast<QComboBox*>(w) != nullptr ||
                             qobject_cast<QAbstractSpinBox*>(w) != nullptr ||
                             qobject_cast<QAbstractScrollArea*>(w) != nullptr ||
                             (qobject_cast<QLineEdit*>(w) != nullptr && !inner) || readout;
        if (!control || !w->isVisible()) {
            continue;
        }
        const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        if (name.trimmed().isEmpty() || name == GroupTitle(w) ||
            (readout && name == label->text())) {
            found << w->objectName() + QStringLiteral(": \"") + name + QStringLiteral("\"");
        }
    }
    return found;
}

TEST_F(MainWindow, EveryVisibleControlOfTheWindowAndItsDialogsHasANameOfItsOwn) {
    QStringList paramDialog;
    WhenModal([&](QWidget* dialog) {
        paramDialog = Nameless(dialog);
        QTest::mouseClick(Find<QWidget>(dialog, "bbOK"), Qt::LeftButton);
    });
    Click("sbNewProject");
    EXPECT_EQ(paramDialog, QStringList()) << "the parameter dialog";
    EXPECT_EQ(Nameless(&form), QStringList()) << "the main window with a construction";

    QStringList settingsPages;
    int pages = 0;
    WhenModal([&](QWidget* dialog) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        auto* tabs = Find<QTabWidget>(dialog, "PageControl");
        pages = tabs->count();
        for (int page = 0; page < pages; ++page) {
            tabs->setCurrentIndex(page);
            for (const QString& control : Nameless(dialog)) {
                settingsPages << tabs->tabText(page) + QStringLiteral(": ") + control;
            }
        }
        QTest::mouseClick(Find<QWidget>(dialog, "btnCancel"), Qt::LeftButton);
    });
    Click("sbSetup");
    EXPECT_EQ(pages, 4);
    EXPECT_EQ(settingsPages, QStringList()) << "the settings dialog";
}

// Controls whose caption alone does not say whose they are: the read-outs and the link drives.
// A screen reader hears a read-out's value as its description, which follows the shown text.
// (Qt hands change events to an update handler only while an assistive technology listens on
// the accessibility bus, so the events themselves cannot be caught in-process.)
TEST_F(MainWindow, ReadoutsAndDrivesSayWhoseTheyAreAndReadoutsDescribeTheirValue) {
    NewConstruction();
    Click("cb1");
    Click("rbRotPlus1");
    Click("bbStepByStep");
    const std::vector<std::pair<std::string, QString>> names = {
        {"lbFi", "Fi, механизм 1"},
        {"lbGamma_2", "Gamma, механизм 2"},
        {"lbxB", "xB, механизм 1"},
        {"lbzB_2", "zB, механизм 2"},
        {"cb4_2", "Вращать звено 4, механизм 2"},
        {"rbRotMinus1", "-, звено 1, механизм 1"}};
    for (const auto& [control, name] : names) {
        auto* widget = Get<QWidget>(control);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        EXPECT_EQ(face->text(QAccessible::Name), name);
        if (const auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_EQ(face->text(QAccessible::Description), label->text()) << control;
        }
    }
    EXPECT_NE(Get<QLabel>("lbFi")->text(), "0,00") << "the driven link turned";
}

struct Key {
    std::string action;
    QKeySequence key;
    std::string watched; // the control whose text the command changes; none: the zoom
};

void PrintTo(const Key& k, std::ostream* os) {
    *os << k.key.toString().toStdString();
}

class MainWindowKeys : public MainWindow, public testing::WithParamInterface<Key> {
protected:
    QString State(const std::string& watched) {
        return watched.empty() ? QString::number(form.Vport()->Viewport->GetField())
                               : Get<QWidget>(watched)->property("text").toString();
    }
};

// Each key is shown at its menu item, which is disabled while its button is, and then does what
// clicking the button does.
TEST_P(MainWindowKeys, DoTheirButtonsCommand) {
    const Key& k = GetParam();
    auto* item = Get<QAction>(k.action);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->shortcuts().contains(k.key));
    EXPECT_FALSE(item->isEnabled());
    NewConstruction();
    Click("cb1");
    Click("rbRotPlus1");
    ASSERT_TRUE(item->isEnabled());
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    const QString before = State(k.watched);
    QTest::keySequence(&form, k.key);
    EXPECT_NE(State(k.watched), before);
}

INSTANTIATE_TEST_SUITE_P(
    MotionMenu, MainWindowKeys,
    testing::Values(Key{"mnRunWork", QKeySequence(Qt::Key_F5), "bbRunWork"},
                    Key{"mnStepByStep", QKeySequence(Qt::Key_F6), "lbFi"},
                    Key{"mnZoomIn", QKeySequence(Qt::CTRL | Qt::Key_Plus), ""},
                    Key{"mnZoomIn", QKeySequence(Qt::CTRL | Qt::Key_Equal), ""},
                    Key{"mnZoomOut", QKeySequence(Qt::CTRL | Qt::Key_Minus), ""}));

// The keys of the commands that open a dialog: each opens its dialog.
TEST_F(MainWindow, KeysOpenTheNewConstructionAndTheSettings) {
    for (const auto& [key, title] :
         {std::pair{QKeyCombination(Qt::CTRL | Qt::Key_N), QStringLiteral("Параметры механизмов")},
          std::pair{QKeyCombination(Qt::CTRL | Qt::Key_Comma),
                    QStringLiteral("Настройки изображения")}}) {
        // A key reaches the window's commands while it is the active window, as when a person
        // presses it: after a dialog closes, the window system gives the focus back in its time.
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        QString opened;
        WhenModal([&opened](QWidget* dialog) {
            opened = dialog->windowTitle();
            for (const char* ok : {"bbOK", "btnCancel"}) {
                if (auto* button = dialog->findChild<QWidget*>(QString::fromLatin1(ok))) {
                    QTest::mouseClick(button, Qt::LeftButton);
                }
            }
        });
        QTest::keySequence(&form, QKeySequence(key));
        EXPECT_EQ(opened, title);
    }
}

} // namespace
} // namespace qortest

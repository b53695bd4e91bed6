// What a screen reader hears, read through Qt's accessibility interface: every visible control of
// the main window and of its two dialogs has a name of its own, the read-outs say whose value
// they show and announce a new value; and the keys of the "Движение" menu and of the commands
// people repeat do what their buttons do.
#include "MainWindowFixture.h"
#include "QStringPrinter.h"
#include "engine/RetainedMode.h"
#include "view/TVport.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextEdit>

#include <vector>

namespace qortest {
namespace {

QString GroupTitle(const QWidget* control) {
    for (const QWidget* w = control->parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
            return group->title();
        }
    }
    return {};
}

bool IsReadout(const QWidget* w) {
    static const QRegularExpression number(QStringLiteral("^-?\\d+([,.]\\d+)?$"));
    const auto* label = qobject_cast<const QLabel*>(w);
    return label != nullptr && number.match(label->text()).hasMatch();
}

// A control a screen reader stops at; the entry inside a combo or spin box is the box's own.
bool IsControl(const QWidget* w) {
    if (qobject_cast<const QLineEdit*>(w) != nullptr) {
        return qobject_cast<const QComboBox*>(w->parentWidget()) == nullptr &&
               qobject_cast<const QAbstractSpinBox*>(w->parentWidget()) == nullptr;
    }
    return qobject_cast<const QAbstractButton*>(w) != nullptr ||
           qobject_cast<const QComboBox*>(w) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(w) != nullptr ||
           qobject_cast<const QListWidget*>(w) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(w) != nullptr ||
           qobject_cast<const QTextEdit*>(w) != nullptr || IsReadout(w);
}

// The visible controls of `root` without a name of their own, each with the name it has: none,
// its group's title, or, for a read-out, the bare number it shows.
QStringList Nameless(const QWidget* root) {
    QStringList found;
    for (const QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisible() || !IsControl(w)) {
            continue;
        }
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(w));
        const QString name = face != nullptr ? face->text(QAccessible::Name) : QString();
        if (name.trimmed().isEmpty() || name == GroupTitle(w) ||
            (IsReadout(w) && name == qobject_cast<const QLabel*>(w)->text())) {
            found << w->objectName() + QStringLiteral(" (") + w->metaObject()->className() +
                         QStringLiteral("): \"") + name + QStringLiteral("\"");
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
    struct Opens {
        QKeySequence key;
        QString title;
        std::string button; // that closes it
    };
    const std::vector<Opens> keys = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), "Параметры механизмов", "bbOK"},
        {QKeySequence(Qt::CTRL | Qt::Key_Comma), "Настройки изображения", "btnCancel"}};
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    for (const Opens& k : keys) {
        QString opened;
        WhenModal([&](QWidget* dialog) {
            opened = dialog->windowTitle();
            QTest::mouseClick(Find<QWidget>(dialog, k.button), Qt::LeftButton);
        });
        QTest::keySequence(&form, k.key);
        EXPECT_EQ(opened, k.title);
    }
}

} // namespace
} // namespace qortest

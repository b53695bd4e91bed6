// The language chosen in the menu: every window shows English at once, and Russian again after
// the way back, text for text.
#include "platform/Language.h"
#include "MainWindowFixture.h"
#include "forms/FrmAbout.h"
#include "forms/FrmCycle.h"
#include "forms/FrmSetup.h"
#include "platform/MessageBox.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTextEdit>

#include <algorithm>
#include <map>
#include <memory>

namespace {

// Every text of a window, keyed by the object that shows it and which of its texts it is.
using Texts = std::map<std::string, QString>;

// A plot's axes and curves are made again when it is drawn: they are known by their plot.
void Add(Texts& texts, const QObject* object, const QString& what, const QString& text) {
    if (!text.isEmpty()) {
        texts[QStringLiteral("%1 %2 (%3)")
                  .arg(object->metaObject()->className(), object->objectName())
                  .arg(reinterpret_cast<quintptr>(object), 0, 16)
                  .toStdString() +
              " " + what.toStdString()] = text;
    }
}

void AddTexts(Texts& texts, QObject* object) {
    if (auto* w = qobject_cast<QWidget*>(object)) {
        Add(texts, w, "window title", w->isWindow() ? w->windowTitle() : QString());
        Add(texts, w, "tooltip", w->toolTip());
        Add(texts, w, "status tip", w->statusTip());
        Add(texts, w, "accessible name", w->accessibleName());
        Add(texts, w, "accessible description", w->accessibleDescription());
    }
    if (auto* label = qobject_cast<QLabel*>(object)) {
        Add(texts, label, "text", label->text());
    } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        Add(texts, button, "text", button->text());
    } else if (auto* group = qobject_cast<QGroupBox*>(object)) {
        Add(texts, group, "title", group->title());
    } else if (auto* menu = qobject_cast<QMenu*>(object)) {
        Add(texts, menu, "title", menu->title());
    } else if (auto* memo = qobject_cast<QTextEdit*>(object)) {
        Add(texts, memo, "text", memo->toPlainText());
    } else if (auto* bar = qobject_cast<QStatusBar*>(object)) {
        Add(texts, bar, "message", bar->currentMessage());
    } else if (auto* action = qobject_cast<QAction*>(object)) {
        Add(texts, action, "text", action->text());
        Add(texts, action, "tooltip", action->toolTip());
        Add(texts, action, "status tip", action->statusTip());
    } else if (auto* tabs = qobject_cast<QTabBar*>(object)) {
        for (int i = 0; i < tabs->count(); ++i) {
            Add(texts, tabs, QStringLiteral("tab %1").arg(i), tabs->tabText(i));
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(object)) {
        for (int i = 0; i < combo->count(); ++i) {
            Add(texts, combo, QStringLiteral("item %1").arg(i), combo->itemText(i));
        }
    } else if (auto* header = qobject_cast<QHeaderView*>(object); header && header->model()) {
        for (int i = 0; i < header->count(); ++i) {
            Add(texts, header, QStringLiteral("section %1").arg(i),
                header->model()->headerData(i, header->orientation()).toString());
        }
    } else if (auto* view = qobject_cast<QChartView*>(object)) {
        Add(texts, view, QStringLiteral("plot title"), view->chart()->title());
        const QList<QAbstractAxis*> axes = view->chart()->axes();
        for (int i = 0; i < axes.size(); ++i) {
            Add(texts, view, QStringLiteral("axis %1").arg(i), axes[i]->titleText());
        }
        const QList<QAbstractSeries*> curves = view->chart()->series();
        for (int i = 0; i < curves.size(); ++i) {
            Add(texts, view, QStringLiteral("curve %1").arg(i), curves[i]->name());
        }
    }
}

Texts TextsOf(const std::vector<QWidget*>& windows) {
    Texts texts;
    for (QWidget* window : windows) {
        AddTexts(texts, window);
        for (QObject* child : window->findChildren<QObject*>()) {
            AddTexts(texts, child);
        }
    }
    return texts;
}

bool HasCyrillic(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x0400 && c.unicode() <= 0x04ff; });
}

void Choose(qor::TMainForm& form, const char* item) {
    qortest::Find<QAction>(&form, item)->trigger();
    // The windows hear of the change through a posted event.
    QCoreApplication::processEvents();
}

// Every window and dialog of the program open at once: the main window with a construction and a
// driven link, so that the cycle window has plots, a table and figures; the parameter dialog; the
// settings dialog on the view; the about box.
class Languages : public qortest::MainWindow {
protected:
    void SetUp() override {
        // The program starts in Russian with Qt's own Russian texts; the test program does not.
        qor::UseLanguage(qor::Language::Russian);
        QCoreApplication::processEvents();
        NewConstruction();
        Click("cb1");
        Click("rbRotPlus1");
        qortest::Find<QAction>(&form, "mnCycle")->trigger();
        QApplication::processEvents();
        params->show();
        setup = std::make_unique<qor::TSetupForm>(&form);
        setup->SetView(form.View());
        setup->show();
        about = std::make_unique<qor::TAboutForm>(&form);
        about->show();
    }

    void TearDown() override {
        qor::UseLanguage(qor::Language::Russian);
        QCoreApplication::processEvents();
        MainWindow::TearDown();
    }

    std::vector<QWidget*> Windows() { return {&form, params, setup.get(), about.get()}; }

    std::unique_ptr<qor::TSetupForm> setup;
    std::unique_ptr<qor::TAboutForm> about;
};

TEST_F(Languages, EnglishLeavesNoRussianText) {
    Choose(form, "mnEnglish");
    EXPECT_EQ(qor::RememberedLanguage(), qor::Language::English);
    Texts texts = TextsOf(Windows());
    // A message box, from a command that needs a plane chosen first.
    qortest::WhenModal([&](QWidget* box) {
        texts.merge(TextsOf({box}));
        qobject_cast<QMessageBox*>(box)->buttons().front()->click();
    });
    Click("bbRotatePlane");
    ASSERT_GT(texts.size(), 200u);
    for (const auto& [where, text] : texts) {
        // The language menu reads the same in both languages, so either reader finds it.
        if (text != "Русский" && text != "Язык / Language") {
            EXPECT_FALSE(HasCyrillic(text)) << where << ": " << text.toStdString();
        }
    }
}

TEST_F(Languages, RussianComesBackTextForText) {
    // The hint shown goes with a change of language; the next one comes with the mouse.
    form.statusBar()->clearMessage();
    const Texts russian = TextsOf(Windows());
    Choose(form, "mnEnglish");
    const Texts english = TextsOf(Windows());
    Choose(form, "mnRussian");
    EXPECT_EQ(qor::RememberedLanguage(), qor::Language::Russian);
    const Texts again = TextsOf(Windows());
    for (const auto& [where, text] : russian) {
        EXPECT_EQ(again.count(where) ? again.at(where) : QString(), text) << where;
    }
    EXPECT_EQ(again.size(), russian.size());
    EXPECT_NE(english, russian);
}

} // namespace

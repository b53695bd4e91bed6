// The main window as it starts: every control by its name with its caption, its colour, its
// start state and its hint; the main menu and the pop-up menu in their order.
#include "MainWindowFixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include <vector>

namespace qortest {
namespace {

struct Caption {
    std::string name;
    const char* property; // "text" for buttons, labels, entries and actions; "title" for groups
    std::string text;
};

void PrintTo(const Caption& c, std::ostream* os) {
    *os << c.name;
}

class MainWindowCaptions : public MainWindow, public testing::WithParamInterface<Caption> {};

TEST_P(MainWindowCaptions, ShowsItsText) {
    const Caption& c = GetParam();
    const QObject* control = Get<QObject>(c.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->property(c.property).toString().toStdString(), c.text);
}

const std::vector<Caption> captions = {
    {"bbRotateScene", "text", "Вращать сцену"},
    {"gbRotatePlane", "title", " Повернуть плоскость : "},
    {"rbHorizontal", "text", "горизонтальную"},
    {"rbVertical", "text", "вертикальную"},
    {"edGrad", "text", "0"},
    {"edRad", "text", "0"},
    {"bbRotatePlane", "text", "Повернуть"},
    {"gbAxes", "title", " Оси : "},
    {"laX", "text", "X"},
    {"laY", "text", "Y"},
    {"laZ", "text", "Z"},
    {"gbCoordinates1", "title", " Мех. 1 : "},
    {"gbCoordinates2", "title", " Мех. 2 : "},
    {"lbxB", "text", "0,00"},
    {"lbyB", "text", "0,00"},
    {"lbzB", "text", "0,00"},
    {"lbxB_2", "text", "0,00"},
    {"lbyB_2", "text", "0,00"},
    {"lbzB_2", "text", "0,00"},
    {"bbRunWork", "text", "Запустить механизм"},
    {"bbStepByStep", "text", "Один шаг"},
    {"laLinks", "text", "Вращать звено :"},
    {"laMechanism1", "text", "Механизм 1"},
    {"laMechanism2", "text", "Механизм 2"},
    {"cb1", "text", "1"},
    {"cb4", "text", "4"},
    {"cb1_2", "text", "1"},
    {"cb4_2", "text", "4"},
    {"rbRotPlus1", "text", "+"},
    {"rbRotMinus1", "text", "-"},
    {"rbRotPlus4_2", "text", "+"},
    {"rbRotMinus4_2", "text", "-"},
    {"gbAngles1", "title", "Механизм 1 (гориз.):"},
    {"gbAngles2", "title", "Механизм 2 (верт.):"},
    {"lbFi", "text", "0,00"},
    {"lbPsi", "text", "0,00"},
    {"lbKsi", "text", "0,00"},
    {"lbGamma", "text", "0,00"},
    {"lbFi_2", "text", "0,00"},
    {"lbPsi_2", "text", "0,00"},
    {"lbKsi_2", "text", "0,00"},
    {"lbGamma_2", "text", "0,00"},
    {"mnNewProject", "text", "Новая конструкция"},
    {"mnClose", "text", "Выход"},
    {"mnSetup", "text", "Изображение"},
    {"mnHelp", "text", "Помощь"},
    {"mnAbout", "text", "О программе"},
    {"pmnRunWork", "text", "Запустить механизм"},
    {"pmnRotateScene", "text", "Вращать сцену"},
    {"pmnZoomIn", "text", "Ближе"},
    {"pmnZoomOut", "text", "Дальше"},
    {"pmnNewProject", "text", "Новый механизм"},
};
INSTANTIATE_TEST_SUITE_P(Controls, MainWindowCaptions, testing::ValuesIn(captions),
                         [](const auto& info) { return info.param.name; });

struct StartState {
    std::string name;
    bool enabled;
};

void PrintTo(const StartState& s, std::ostream* os) {
    *os << s.name;
}

class MainWindowStartState : public MainWindow, public testing::WithParamInterface<StartState> {};

TEST_P(MainWindowStartState, IsEnabledOnlyWhereItNeedsNoConstruction) {
    const StartState& s = GetParam();
    if (auto* action = form.findChild<QAction*>(QString::fromStdString(s.name))) {
        EXPECT_EQ(action->isEnabled(), s.enabled);
    } else {
        auto* widget = Get<QWidget>(s.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->isEnabled(), s.enabled);
    }
}

const std::vector<StartState> startStates = {
    {"sbNewProject", true},    {"sbSetup", true},           {"sbAbout", true},
    {"sbExit", true},          {"ProjectionsCombo", false}, {"bbRotateScene", false},
    {"sbZoomIn", false},       {"sbZoomOut", false},        {"rbHorizontal", false},
    {"rbVertical", false},     {"edGrad", false},           {"edRad", true},
    {"bbRotatePlane", false},  {"bbRunWork", false},        {"bbStepByStep", false},
    {"paHorizontal1", false},  {"paHorizontal4", false},    {"paVertical1", false},
    {"paVertical4", false},    {"rbRotPlus1", false},       {"rbRotMinus1", false},
    {"rbRotPlus4", false},     {"rbRotMinus4", false},      {"rbRotPlus1_2", false},
    {"rbRotMinus1_2", false},  {"rbRotPlus4_2", false},     {"rbRotMinus4_2", false},
    {"mnNewProject", true},    {"mnClose", true},           {"mnSetup", true},
    {"mnHelp", false},         {"mnAbout", true},           {"pmnRunWork", false},
    {"pmnRotateScene", false}, {"pmnZoomIn", false},        {"pmnZoomOut", false},
    {"pmnNewProject", true},
};
INSTANTIATE_TEST_SUITE_P(Controls, MainWindowStartState, testing::ValuesIn(startStates),
                         [](const auto& info) { return info.param.name; });

TEST_F(MainWindow, StartsWithNothingTickedOrChosen) {
    for (const char* name : {"cb1", "cb4", "cb1_2", "cb4_2", "rbRotPlus1", "rbRotMinus1",
                             "rbRotPlus4", "rbRotMinus4", "rbRotPlus1_2", "rbRotMinus1_2",
                             "rbRotPlus4_2", "rbRotMinus4_2", "rbHorizontal", "rbVertical"}) {
        EXPECT_FALSE(Get<QAbstractButton>(name)->isChecked()) << name;
    }
    EXPECT_EQ(Get<QComboBox>("ProjectionsCombo")->currentText(), "по умолчанию");
}

TEST_F(MainWindow, ViewSelectorHoldsItsFourViewsInOrder) {
    auto* combo = Get<QComboBox>("ProjectionsCombo");
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i) {
        entries << combo->itemText(i);
    }
    EXPECT_EQ(entries, QStringList({"по умолчанию", "сверху", "спереди", "под углом"}));
}

TEST_F(MainWindow, RadianDisplayIsReadOnlyAndSkippedByTab) {
    auto* edRad = Get<QLineEdit>("edRad");
    EXPECT_TRUE(edRad->isReadOnly());
    EXPECT_EQ(edRad->focusPolicy(), Qt::NoFocus);
}

TEST_F(MainWindow, HiddenToolBarButtonIsNeverShown) {
    EXPECT_FALSE(Get<QWidget>("sbConstructionSetup")->isVisible());
    EXPECT_TRUE(Get<QWidget>("sbNewProject")->isVisible());
}

struct TextColour {
    std::string name;
    QColor colour;
};

void PrintTo(const TextColour& t, std::ostream* os) {
    *os << t.name;
}

class MainWindowColours : public MainWindow, public testing::WithParamInterface<TextColour> {};

TEST_P(MainWindowColours, WritesItsTextInItsColour) {
    const TextColour& t = GetParam();
    auto* widget = Get<QWidget>(t.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->palette().color(QPalette::Active, QPalette::WindowText), t.colour);
}

const std::vector<TextColour> colours = {
    {"rbHorizontal", QColor(0, 255, 0)}, {"rbVertical", QColor(0, 0, 255)},
    {"laX", QColor(0, 255, 0)},          {"laY", QColor(0, 0, 255)},
    {"laZ", QColor(255, 0, 0)},          {"gbCoordinates1", QColor(0, 255, 255)},
    {"lbxB", QColor(0, 255, 255)},       {"gbCoordinates2", QColor(255, 255, 0)},
    {"lbzB_2", QColor(255, 255, 0)},
};
INSTANTIATE_TEST_SUITE_P(Texts, MainWindowColours, testing::ValuesIn(colours),
                         [](const auto& info) { return info.param.name; });

TEST_F(MainWindow, AxisLettersAreBold) {
    for (const char* name : {"laX", "laY", "laZ"}) {
        EXPECT_TRUE(Get<QLabel>(name)->font().bold()) << name;
    }
}

TEST_F(MainWindow, ReadoutsAreRightAligned) {
    for (const char* name : {"lbxB", "lbzB_2", "lbFi", "lbGamma_2"}) {
        EXPECT_TRUE(Get<QLabel>(name)->alignment() & Qt::AlignRight) << name;
    }
}

struct Hint {
    std::string name;
    std::string tooltip;
    std::string status;
};

void PrintTo(const Hint& h, std::ostream* os) {
    *os << h.name;
}

class MainWindowHints : public MainWindow, public testing::WithParamInterface<Hint> {};

TEST_P(MainWindowHints, ShortPartIsTheTooltipLongPartTheStatusText) {
    const Hint& h = GetParam();
    auto* widget = Get<QWidget>(h.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->toolTip().toStdString(), h.tooltip);
    EXPECT_EQ(widget->statusTip().toStdString(), h.status);
}

const std::string kPlus = "Положительное вращение (против часовой стрелки)";
const std::string kMinus = "Отрицательное вращение(по часовой стрелке)";
const std::vector<Hint> hints = {
    {"sbNewProject", "Новый проект", "Создать новую конструкцию с другими параметрами"},
    {"sbSetup", "Настройки изображения", "Расширенные настройки изображения"},
    {"sbAbout", "Информация о программе", "Информация о программе"},
    {"sbExit", "Выход из программы", "Завершение работы программы"},
    {"sbConstructionSetup", "Параметры механизмов", "Параметры механизмов"},
    {"ProjectionsCombo", "", "Выбор положения точки зрения на сцену"},
    {"bbRotateScene", "", "Вкл/Выкл вращения сцены"},
    {"sbZoomIn", "Увеличить изображение", "Увеличить изображение"},
    {"sbZoomOut", "Уменьшить изображение", "Уменьшить изображение"},
    {"bbRotatePlane", "", "Выполнить поворот выбранной плоскости на указанный угол"},
    {"bbRunWork", "Вкл/Выкл механизм", "Вкл/Выкл механизм для демонстрации его работы"},
    {"bbStepByStep", "Выполнить еденичное перемещение",
     "Выполнить еденичное перемещение ведущих звеньев конструкций механизма"},
    {"cb1", "", "Разрешить/Запретить движение 1-го звена горизонтальной конструкции"},
    {"cb4", "", "Разрешить/Запретить движение 4-го звена горизонтальной конструкции"},
    {"cb1_2", "", "Разрешить/Запретить движение 1-го звена вертикальной конструкции"},
    {"cb4_2", "", "Разрешить/Запретить движение 4-го звена вертикальной конструкции"},
    {"rbRotPlus1", "", kPlus},
    {"rbRotMinus1", "", kMinus},
    {"rbRotPlus4", "", kPlus},
    {"rbRotMinus4", "", kMinus},
    {"rbRotPlus1_2", "", kPlus},
    {"rbRotMinus1_2", "", kMinus},
    {"rbRotPlus4_2", "", kPlus},
    {"rbRotMinus4_2", "", kMinus},
};
INSTANTIATE_TEST_SUITE_P(Controls, MainWindowHints, testing::ValuesIn(hints),
                         [](const auto& info) { return info.param.name; });

TEST_F(MainWindow, StatusBarShowsTheLongHintOfTheControlUnderTheMouse) {
    QTest::mouseMove(Get<QWidget>("sbExit"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return form.statusBar()->currentMessage() == "Завершение работы программы"; }));
    // A control without a hint empties the status bar.
    QTest::mouseMove(Get<QWidget>("laLinks"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.statusBar()->currentMessage().isEmpty(); }));
}

QStringList ItemTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

TEST_F(MainWindow, MainMenuHoldsItsItemsInOrder) {
    QStringList menus;
    for (const QAction* action : form.menuBar()->actions()) {
        menus << action->text();
    }
    EXPECT_EQ(menus, QStringList({"Файл", "Настройки", "Движение", "Анализ", "Помощь"}));
    EXPECT_EQ(ItemTexts(Get<QMenu>("mnFile")),
              QStringList({"Новая конструкция", "Открыть…", "Последние", "Примеры", "-",
                           "Сохранить", "Сохранить как…", "Сохранить изображение…", "-", "Выход"}));
    EXPECT_EQ(Get<QAction>("mnOpen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(Get<QAction>("mnSave")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(Get<QAction>("mnSaveAs")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    EXPECT_EQ(ItemTexts(Get<QMenu>("mnSettings")), QStringList({"Изображение", "Язык / Language"}));
    EXPECT_EQ(ItemTexts(Get<QMenu>("mnMotion")),
              QStringList({"Запустить/остановить механизм", "Один шаг", "-", "Ближе", "Дальше"}));
    EXPECT_EQ(ItemTexts(Get<QMenu>("mnAnalysis")),
              QStringList({"Траектория точки B", "Построение окружностей", "-", "Графики цикла…"}));
    EXPECT_EQ(ItemTexts(Get<QMenu>("mnHelpMenu")), QStringList({"Помощь", "-", "О программе"}));
    EXPECT_EQ(Get<QAction>("mnHelp")->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(MainWindow, PopupMenuHoldsItsItemsInOrder) {
    EXPECT_EQ(ItemTexts(Get<QMenu>("PopupMenu")),
              QStringList({"Запустить механизм", "-", "Вращать сцену", "Ближе", "Дальше", "-",
                           "Новый механизм", "-", "Траектория точки B", "Построение окружностей"}));
}

TEST_F(MainWindow, RightClickOpensThePopupMenu) {
    auto* popup = Get<QMenu>("PopupMenu");
    QWidget* spot = Get<QWidget>("laLinks");
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                            spot->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(spot, &event);
    EXPECT_TRUE(QTest::qWaitFor([&] { return popup->isVisible(); }));
    popup->close();
}

class MainWindowLayout : public MainWindow, public testing::WithParamInterface<QSize> {};

// At the screen sizes the program is used on, every control gets at least the room it needs to
// show itself whole, and the centre keeps most of the window for the 3D view.
TEST_P(MainWindowLayout, ShowsEveryControlWholeAndLeavesTheCentreToTheView) {
    form.resize(GetParam());
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.size() == GetParam(); }));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    for (const QWidget* widget : form.findChildren<QWidget*>()) {
        if (widget->isVisible() && !widget->objectName().isEmpty() && !widget->isWindow()) {
            const QSize needed = widget->minimumSizeHint();
            EXPECT_GE(widget->width(), needed.width()) << widget->objectName().toStdString();
            EXPECT_GE(widget->height(), needed.height()) << widget->objectName().toStdString();
        }
    }
    const QWidget* view = Get<QWidget>("ViewHostArea");
    EXPECT_GE(view->width(), GetParam().width() * 7 / 10);
    EXPECT_GE(view->height(), GetParam().height() * 13 / 20);
}

INSTANTIATE_TEST_SUITE_P(Screens, MainWindowLayout,
                         testing::Values(QSize(1366, 768), QSize(1920, 1080)),
                         [](const auto& info) {
                             return std::to_string(info.param.width()) + "x" +
                                    std::to_string(info.param.height());
                         });

TEST_F(MainWindow, HasTheProgramTitleAndIcon) {
    EXPECT_EQ(form.windowTitle(), "QOR");
    EXPECT_FALSE(form.windowIcon().isNull());
}

} // namespace
} // namespace qortest

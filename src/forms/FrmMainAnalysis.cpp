// The "Анализ" menu of the main window: the path of B and the circle construction of both
// mechanisms, each turned on and off by a checkable item that the pop-up menu shares, and
// remembered for the next start in the user's settings; then the cycle window's item.
#include "forms/FrmMain.h"

#include "forms/FrmCycleTexts.h"
#include "forms/Widgets.h"
#include "platform/MessageBox.h"
#include "platform/UserSettings.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace qor {
namespace {

const QString kCouplerPathKey = QStringLiteral("Analysis/CouplerPath");
const QString kCircleConstructionKey = QStringLiteral("Analysis/CircleConstruction");

// A checkable item with its shortcut and hint, checked as the user left it.
QAction* CreateToggle(TranslatedTexts& texts, QObject* parent, const QString& name,
                      const char* caption, const QKeySequence& shortcut, const char* hint,
                      const QString& key) {
    QAction* action = texts.Text(CreateAction(parent, name, {}), caption);
    action->setCheckable(true);
    action->setChecked(UserSettings().value(key, false).toBool());
    action->setShortcut(shortcut);
    texts.Hint(action, hint);
    return action;
}

} // namespace

void TMainForm::CreateAnalysisMenu() {
    mnCouplerPath = CreateToggle(
        texts_, this, QStringLiteral("mnCouplerPath"), QT_TR_NOOP("Траектория точки B"),
        QKeySequence(Qt::CTRL | Qt::Key_T),
        QT_TR_NOOP("Траектория точки B|Показать путь, который точка B проходит за цикл "
                   "движения; плохая передача усилия отмечена тёмным цветом"),
        kCouplerPathKey);
    mnCircleConstruction = CreateToggle(
        texts_, this, QStringLiteral("mnCircleConstruction"), QT_TR_NOOP("Построение окружностей"),
        QKeySequence(Qt::CTRL | Qt::Key_L),
        QT_TR_NOOP("Построение окружностей|Показать, как находится точка B: окружности "
                   "звеньев 2 и 3 и точки их пересечения"),
        kCircleConstructionKey);
    scene_.ShowCouplerPaths(mnCouplerPath->isChecked());
    scene_.ShowCircleConstructions(mnCircleConstruction->isChecked());

    QMenu* analysis = texts_.Text(menuBar()->addMenu(QString()), QT_TR_NOOP("Анализ"));
    analysis->setObjectName(QStringLiteral("mnAnalysis"));
    analysis->addAction(mnCouplerPath);
    analysis->addAction(mnCircleConstruction);
    analysis->addSeparator();
    mnCycle = CreateAction(this, QStringLiteral("mnCycle"), {});
    // A text of the cycle window, translated among its texts rather than the main window's.
    texts_.Set(mnCycle, TextPart::Text, CycleText::MenuItem,
               [this](const QString&) { mnCycle->setText(CycleText::Tr(CycleText::MenuItem)); });
    analysis->addAction(mnCycle);
}

void TMainForm::AddAnalysisToPopupMenu() {
    PopupMenu->addSeparator();
    PopupMenu->addAction(mnCouplerPath);
    PopupMenu->addAction(mnCircleConstruction);
}

void TMainForm::ConnectAnalysisHandlers() {
    connect(mnCouplerPath, &QAction::toggled, this, &TMainForm::mnCouplerPathClick);
    connect(mnCircleConstruction, &QAction::toggled, this, &TMainForm::mnCircleConstructionClick);
}

void TMainForm::mnCouplerPathClick(bool checked) {
    scene_.ShowCouplerPaths(checked);
    UserSettings().setValue(kCouplerPathKey, checked);
    RequestFrame();
}

void TMainForm::mnCircleConstructionClick(bool checked) {
    scene_.ShowCircleConstructions(checked);
    UserSettings().setValue(kCircleConstructionKey, checked);
    RequestFrame();
}

} // namespace qor

// The "Движение" menu: the commands people repeat while they watch a construction, with keys.
// Each item clicks its button, so that it does exactly what the button does, and does nothing
// while the button is disabled.
#include "forms/FrmMain.h"

#include "forms/Widgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

namespace qor {
namespace {

// An item with the button's icon and status-bar hint.
QAction* CreateMotionItem(QMenu* menu, const QString& name, const QString& caption,
                          const QList<QKeySequence>& keys, QAbstractButton* button) {
    QAction* item = CreateAction(menu, name, caption, button->icon());
    item->setStatusTip(button->statusTip());
    item->setShortcuts(keys);
    item->setEnabled(false);
    QObject::connect(item, &QAction::triggered, button, &QAbstractButton::click);
    menu->addAction(item);
    return item;
}

} // namespace

void TMainForm::CreateMotionMenu() {
    // Made after the buttons it clicks, and put between "Настройки" and "Анализ".
    auto* motion = new QMenu(QStringLiteral("Движение"), menuBar());
    motion->setObjectName(QStringLiteral("mnMotion"));
    menuBar()->insertMenu(findChild<QMenu*>(QStringLiteral("mnAnalysis"))->menuAction(), motion);
    mnRunWork = CreateMotionItem(motion, QStringLiteral("mnRunWork"),
                                 QStringLiteral("Запустить/остановить механизм"),
                                 {QKeySequence(Qt::Key_F5)}, bbRunWork);
    mnStepByStep = CreateMotionItem(motion, QStringLiteral("mnStepByStep"), bbStepByStep->text(),
                                    {QKeySequence(Qt::Key_F6)}, bbStepByStep);
    motion->addSeparator();
    mnZoomIn = CreateMotionItem(
        motion, QStringLiteral("mnZoomIn"), QStringLiteral("Ближе"),
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}, sbZoomIn);
    mnZoomOut = CreateMotionItem(motion, QStringLiteral("mnZoomOut"), QStringLiteral("Дальше"),
                                 {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, sbZoomOut);
}

} // namespace qor

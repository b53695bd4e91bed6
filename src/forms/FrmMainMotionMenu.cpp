// The "Движение" menu: the commands people repeat while they watch a construction, with keys.
// Each item clicks its button, so that it does exactly what the button does, and does nothing
// while the button is disabled.
#include "forms/FrmMain.h"

#include "forms/Hint.h"
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
QAction* CreateMotionItem(TranslatedTexts& texts, QMenu* menu, const QString& name,
                          const char* caption, const QList<QKeySequence>& keys,
                          QAbstractButton* button) {
    QAction* item = texts.Text(CreateAction(menu, name, {}, button->icon()), caption);
    texts.Set(item, TextPart::Hint, texts.Source(button, TextPart::Hint),
              [item](const QString& hint) { item->setStatusTip(LongHint(hint)); });
    item->setShortcuts(keys);
    item->setEnabled(false);
    QObject::connect(item, &QAction::triggered, button, &QAbstractButton::click);
    menu->addAction(item);
    return item;
}

} // namespace

void TMainForm::CreateMotionMenu() {
    // Made after the buttons it clicks, and put between "Настройки" and "Анализ".
    auto* motion = texts_.Text(new QMenu(menuBar()), QT_TR_NOOP("Движение"));
    motion->setObjectName(QStringLiteral("mnMotion"));
    menuBar()->insertMenu(findChild<QMenu*>(QStringLiteral("mnAnalysis"))->menuAction(), motion);
    mnRunWork = CreateMotionItem(texts_, motion, QStringLiteral("mnRunWork"),
                                 QT_TR_NOOP("Запустить/остановить механизм"),
                                 {QKeySequence(Qt::Key_F5)}, bbRunWork);
    mnStepByStep = CreateMotionItem(texts_, motion, QStringLiteral("mnStepByStep"),
                                    texts_.Source(bbStepByStep, TextPart::Text),
                                    {QKeySequence(Qt::Key_F6)}, bbStepByStep);
    motion->addSeparator();
    mnZoomIn = CreateMotionItem(
        texts_, motion, QStringLiteral("mnZoomIn"), QT_TR_NOOP("Ближе"),
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}, sbZoomIn);
    mnZoomOut = CreateMotionItem(texts_, motion, QStringLiteral("mnZoomOut"), QT_TR_NOOP("Дальше"),
                                 {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, sbZoomOut);
}

} // namespace qor

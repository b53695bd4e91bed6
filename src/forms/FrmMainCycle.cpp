// The main window's side of the cycle window: the dock made with the window, kept informed of
// every change of a drive and of every advance, and its place remembered from one start to the
// next in the user's settings.
#include "forms/FrmMain.h"

#include "forms/FrmCycle.h"
#include "platform/UserSettings.h"

#include <QAction>

namespace qor {
namespace {

// Where the main window's dock layout lives in the user's settings, and the layout's version.
const QString kWindowStateKey = QStringLiteral("Windows/MainWindowState");
constexpr int kWindowStateVersion = 1;

} // namespace

void TMainForm::CreateCycleWindow() {
    CycleWindow = new TCycleForm(mechanism1_, mechanism2_, this);
    addDockWidget(Qt::RightDockWidgetArea, CycleWindow);
    CycleWindow->hide();
    connect(this, &TMainForm::DriveChanged, CycleWindow, &TCycleForm::DriveChanged);
    connect(this, &TMainForm::Stepped, CycleWindow, &TCycleForm::Stepped);
    connect(mnCycle, &QAction::triggered, this, [this] { mnCycleClick(); });
    RestoreWindowState();
}

void TMainForm::mnCycleClick() {
    CycleWindow->show();
    CycleWindow->raise();
    if (CycleWindow->isFloating()) {
        CycleWindow->activateWindow();
    }
}

void TMainForm::SaveWindowState() {
    UserSettings().setValue(kWindowStateKey, saveState(kWindowStateVersion));
}

void TMainForm::RestoreWindowState() {
    restoreState(UserSettings().value(kWindowStateKey).toByteArray(), kWindowStateVersion);
}

} // namespace qor

#include "DefaultConstruction.h"

#include "forms/FrmMain.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

namespace qor::bench {

bool ActivateAndWait(TMainForm& form) {
    form.activateWindow();
    form.raise();
    QElapsedTimer waited;
    waited.start();
    while (QApplication::activeWindow() != &form && waited.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return QApplication::activeWindow() == &form;
}

void MakeDefaultConstruction(TMainForm& form,
                             std::function<void(std::chrono::steady_clock::time_point)> pressed,
                             std::function<void()> done) {
    // The dialog runs its own loop inside the new construction; a timer of the main loop's
    // keeps looking for it there and presses its button once it is on screen.
    auto* press = new QTimer(&form);
    press->setInterval(1);
    QObject::connect(press, &QTimer::timeout, &form, [&form, press, pressed] {
        auto* dialog = form.findChild<QDialog*>(QStringLiteral("ConstructionParamForm"));
        if (dialog == nullptr || !dialog->isVisible()) {
            return;
        }
        press->stop();
        press->deleteLater();
        pressed(std::chrono::steady_clock::now());
        dialog->findChild<QPushButton*>(QStringLiteral("bbOK"))->click();
    });
    press->start();
    QTimer::singleShot(0, &form, [&form, done] {
        form.NewConstruction();
        done();
    });
}

} // namespace qor::bench

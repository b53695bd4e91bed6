// Not a test: a picture of the cycle window for a person to look at. The main window at the size
// given, the default construction accepted, link 1 of mechanism 1 driven forwards and moved on by
// some single steps, the cycle window open on the plot asked for (0 angles, 1 point B,
// 2 transmission angle). Writes the whole screen as PNG to the file given.
#include "forms/FrmConstrParamSet.h"
#include "forms/FrmCycle.h"
#include "forms/FrmCyclePage.h"
#include "forms/FrmMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QtTest/QTest>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: cycle_shots OUT.png STEPS PLOT\n");
        return 2;
    }
    qor::TMainForm form;
    auto* params = new qor::TConstructionParamForm(form.Mechanism1(), form.Mechanism2(),
                                                   form.ParamsAccepted(), &form);
    form.SetConstructionParamForm(params);
    form.setGeometry(QGuiApplication::primaryScreen()->geometry());
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        return 1;
    }
    QTimer::singleShot(0, params, [params] {
        params->findChild<QAbstractButton*>(QStringLiteral("bbOK"))->click();
    });
    form.NewConstruction();
    const auto click = [&form](const char* name) {
        form.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
    };
    click("cb1");
    click("rbRotPlus1");
    form.findChild<QAction*>(QStringLiteral("mnCycle"))->trigger();
    for (int i = arguments[2].toInt(); i > 0; --i) {
        click("bbStepByStep");
    }
    form.CycleForm()
        ->Page(1)
        ->findChild<QTabWidget*>(QStringLiteral("CyclePlots"))
        ->setCurrentIndex(arguments[3].toInt());
    QTest::qWait(500);
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
    return shot.save(arguments[1]) ? 0 : 1;
}

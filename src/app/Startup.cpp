#include "app/Startup.h"

#include "engine/GlContext.h"

#include "forms/FrmConstrParamSet.h"
#include "forms/FrmMain.h"
#include "forms/Icons.h"
#include "platform/MessageBox.h"

#include <QApplication>

#include <exception>

namespace qor {

std::unique_ptr<TMainForm> StartMainWindow(const QString& designFile,
                                           std::optional<Language> language) {
    // The driver loads while the window is built.
    GlContext::Prepare();
    UseLanguage(language.value_or(RememberedLanguage()));
    QCoreApplication::setApplicationName(QStringLiteral("QOR"));
    QApplication::setWindowIcon(ProgramIcon());
    auto form = std::make_unique<TMainForm>();
    // Made once and kept with the window, so that it remembers the values last entered.
    auto* params = new TConstructionParamForm(form->Mechanism1(), form->Mechanism2(),
                                              form->ParamsAccepted(), form.get());
    form->SetConstructionParamForm(params);
    form->ShowMaximizedCentred();
    if (!designFile.isEmpty()) {
        form->OpenDesign(designFile);
    }
    return form;
}

int RunProgram(const QString& designFile, std::optional<Language> language) {
    try {
        const std::unique_ptr<TMainForm> form = StartMainWindow(designFile, language);
        QApplication::exec();
    } catch (const std::exception& error) {
        ShowException(error);
    }
    return 0;
}

} // namespace qor

// TAboutForm: the about box. A fixed modal dialog with the program's picture, its title, its
// version and an OK button; it has no title-bar buttons and closes with OK or Escape.
#pragma once

#include "forms/TranslatedTexts.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace qor {

class TAboutForm : public QDialog {
    Q_OBJECT

public:
    explicit TAboutForm(QWidget* parent = nullptr);

protected:
    // A change of language shows every text again in the new language.
    void changeEvent(QEvent* event) override;

private:
    QLabel* imProgram = nullptr;
    QLabel* laTitle = nullptr;
    QLabel* laVersion = nullptr;
    QPushButton* bbOK = nullptr;
    TranslatedTexts texts_{"qor::TAboutForm"};
};

} // namespace qor

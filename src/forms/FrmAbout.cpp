#include "forms/FrmAbout.h"

#include "forms/DialogFrame.h"
#include "forms/Icons.h"
#include "forms/TranslatedTexts.h"
#include "forms/Widgets.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    texts_.WindowTitle(this, QT_TR_NOOP("О программе"));
    // The box closes with OK or Escape.
    setWindowFlags(kNoTitleButtons);

    imProgram = CreateLabel({}, QStringLiteral("imProgram"));
    imProgram->setFixedSize(32, 32);
    imProgram->setPixmap(ProgramIcon().pixmap(QSize(32, 32), devicePixelRatioF()));

    laTitle = CreateLabel(QStringLiteral("QOR"), QStringLiteral("laTitle"));
    SetBold(laTitle, 1.6);
    laVersion = texts_.Text(CreateLabel({}, QStringLiteral("laVersion")), QT_TR_NOOP("Версия 1.0"));

    auto* panel = new QFrame;
    panel->setObjectName(QStringLiteral("paAbout"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* texts = new QVBoxLayout;
    texts->addWidget(laTitle);
    texts->addWidget(laVersion);
    auto* content = new QHBoxLayout(panel);
    content->setContentsMargins(14, 12, 24, 12);
    content->setSpacing(16);
    content->addWidget(imProgram, 0, Qt::AlignTop);
    content->addLayout(texts);
    content->addStretch();

    bbOK = texts_.Text(Named(new QPushButton, QStringLiteral("bbOK")), QT_TR_NOOP("ОК"));
    bbOK->setDefault(true);
    connect(bbOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(bbOK, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        texts_.Retranslate();
    }
}

} // namespace qor

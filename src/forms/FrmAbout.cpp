#include "forms/FrmAbout.h"

#include "forms/DialogFrame.h"
#include "forms/Icons.h"
#include "forms/Widgets.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("О программе"));
    // The box closes with OK or Escape.
    setWindowFlags(kNoTitleButtons);

    imProgram = CreateLabel({}, QStringLiteral("imProgram"));
    imProgram->setFixedSize(32, 32);
    imProgram->setPixmap(ProgramIcon().pixmap(QSize(32, 32), devicePixelRatioF()));

    laTitle = CreateLabel(QStringLiteral("QOR"), QStringLiteral("laTitle"));
    SetBold(laTitle, 1.6);
    laVersion = CreateLabel(QStringLiteral("Версия 1.0"), QStringLiteral("laVersion"));

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

    bbOK = Named(new QPushButton(QStringLiteral("ОК")), QStringLiteral("bbOK"));
    bbOK->setDefault(true);
    connect(bbOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(bbOK, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace qor

#include "forms/FrmAbout.h"

#include "forms/Icons.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("О программе"));
    // A title bar with no buttons at all: the box closes with OK or Escape.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    imProgram = new QLabel;
    imProgram->setObjectName(QStringLiteral("imProgram"));
    imProgram->setFixedSize(32, 32);
    imProgram->setPixmap(ProgramIcon().pixmap(QSize(32, 32), devicePixelRatioF()));

    laTitle = new QLabel(QStringLiteral("QOR"));
    laTitle->setObjectName(QStringLiteral("laTitle"));
    QFont titleFont = laTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    laTitle->setFont(titleFont);

    laVersion = new QLabel(QStringLiteral("Версия 1.0"));
    laVersion->setObjectName(QStringLiteral("laVersion"));

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

    bbOK = new QPushButton(QStringLiteral("ОК"));
    bbOK->setObjectName(QStringLiteral("bbOK"));
    bbOK->setDefault(true);
    connect(bbOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(bbOK, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace qor

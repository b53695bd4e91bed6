#include "forms/FrmConstrParamSet.h"

#include "forms/DialogFrame.h"
#include "forms/Widgets.h"
#include "kinematics/Angles.h"
#include "kinematics/ClosingRule.h"
#include "platform/MessageBox.h"
#include "platform/NumberText.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include <cmath>
#include <initializer_list>

namespace qor {
namespace {

// The memo's lines; the rule between them is the same in every language.
const char* const kWarningLines[] = {
    QT_TRANSLATE_NOOP("qor::TConstructionParamForm",
                      "Для того, чтобы механизм при запуске не развалился при"),
    QT_TRANSLATE_NOOP("qor::TConstructionParamForm",
                      "первом же шаге выбирайте следующие длины звеньев :"),
    "L2+L3 >= L1 + L4 + sqrt(a*a + b*b)",
    QT_TRANSLATE_NOOP("qor::TConstructionParamForm",
                      "Длины L1 и L4 могут быть любыми (в разумных пределах)."),
    QT_TRANSLATE_NOOP("qor::TConstructionParamForm", "Длины L2 и L3 должны быть одинаковыми !"),
};

// Mechanism 2's controls are named like mechanism 1's with the suffix "_2" before "Combo"
// ("L1_2Combo") or at the end ("edA_2").
QString EditName(const char* base, int k) {
    return QString::fromLatin1(base) + (k == 2 ? QStringLiteral("_2") : QString());
}

QString ComboName(int link, int k) {
    return QStringLiteral("L%1%2Combo").arg(link).arg(k == 2 ? QStringLiteral("_2") : QString());
}

// An editable list of the link lengths "1".."10" with all ten rows visible. A typed text stays a
// text: it is not added to the list.
QComboBox* CreateLengthCombo(const QString& name, const QString& text) {
    auto* combo = Named(new QComboBox, name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(10);
    for (int length = 1; length <= 10; ++length) {
        combo->addItem(QString::number(length));
    }
    combo->setCurrentIndex(combo->findText(text));
    return combo;
}

QLabel* CreateHeading(TranslatedTexts& texts, const char* text) {
    QLabel* heading = texts.Text(CreateLabel({}), text);
    SetBold(heading);
    return heading;
}

double Radians(double degrees) {
    return static_cast<double>(DegToRad(degrees));
}

// An editable list shows a length: its item when the list has one, else the typed text.
void ShowLength(QComboBox* combo, int length) {
    const QString text = QString::number(length);
    combo->setCurrentIndex(combo->findText(text));
    combo->setEditText(text);
}

} // namespace

TConstructionParamForm::TConstructionParamForm(Mechanism& mechanism1, Mechanism& mechanism2,
                                               bool& ParamsAccepted, QWidget* parent)
    : QDialog(parent), records_{&mechanism1, &mechanism2}, ParamsAccepted_(ParamsAccepted) {
    setObjectName(QStringLiteral("ConstructionParamForm"));
    texts_.WindowTitle(this, QT_TR_NOOP("Параметры механизмов"));
    setWindowFlags(kCloseBoxOnly);

    auto* groups = new QHBoxLayout;
    groups->addWidget(CreateGroup(1, QT_TR_NOOP(" Механизм 1(горизонтальный) : ")));
    groups->addWidget(CreateGroup(2, QT_TR_NOOP(" Механизм 2(вертикальный) : ")));

    bbOK = texts_.Text(Named(new QPushButton, QStringLiteral("bbOK")), QT_TR_NOOP("ОК"));
    bbOK->setDefault(true);
    bbCancel = texts_.Text(CreateButton(QStringLiteral("bbCancel"), {}), QT_TR_NOOP("Отменить"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bbOK);
    buttons->addWidget(bbCancel);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);
    layout->addWidget(CreateWarningPanel());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QWidget* previous = nullptr;
    for (const Entries& e : entries_) {
        for (QWidget* w : std::initializer_list<QWidget*>{e.edA, e.edB, e.L1Combo, e.L2Combo,
                                                          e.L3Combo, e.L4Combo, e.edVelocity1,
                                                          e.edVelocity4, e.edfi0, e.edgamma0}) {
            if (previous != nullptr) {
                setTabOrder(previous, w);
            }
            previous = w;
        }
    }
    setTabOrder(previous, bbOK);
    setTabOrder(bbOK, bbCancel);

    // A conversion error ends the acceptance where it occurs and is shown like any other error
    // of a command.
    connect(bbOK, &QPushButton::clicked, this, Command(this, &TConstructionParamForm::bbOKClick));
    connect(bbCancel, &QPushButton::clicked, this, [this] { bbCancelClick(); });
    connect(entries_[0].L2Combo, &QComboBox::editTextChanged, this,
            [this](const QString& text) { L2ComboChange(text); });
    connect(entries_[1].L2Combo, &QComboBox::editTextChanged, this,
            [this](const QString& text) { L2_2ComboChange(text); });
}

QGroupBox* TConstructionParamForm::CreateGroup(int k, const char* title) {
    Entries& e = entries_[static_cast<std::size_t>(k - 1)];
    e.edA = CreateEdit(EditName("edA", k), QStringLiteral("3"));
    e.edB = CreateEdit(EditName("edB", k), QStringLiteral("0"));
    e.L1Combo = CreateLengthCombo(ComboName(1, k), QStringLiteral("3"));
    e.L2Combo = CreateLengthCombo(ComboName(2, k), QStringLiteral("6"));
    e.L3Combo = CreateLengthCombo(ComboName(3, k), QStringLiteral("6"));
    e.L4Combo = CreateLengthCombo(ComboName(4, k), QStringLiteral("3"));
    e.edVelocity1 = CreateEdit(EditName("edVelocity1", k), QStringLiteral("1"));
    e.edVelocity4 = CreateEdit(EditName("edVelocity4", k), QStringLiteral("1"));
    e.edfi0 = CreateEdit(EditName("edfi0", k), QStringLiteral("0"));
    e.edgamma0 = CreateEdit(EditName("edgamma0", k), QStringLiteral("0"));

    auto* group = texts_.Text(new QGroupBox, title);
    auto* form = new QFormLayout(group);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    const auto addSection = [this, form](const char* heading) {
        form->addItem(new QSpacerItem(0, 6));
        form->addRow(CreateHeading(texts_, heading));
    };
    form->addRow(QStringLiteral("a :"), e.edA);
    form->addRow(QStringLiteral("b :"), e.edB);
    addSection(QT_TR_NOOP("Длина звена (см) :"));
    form->addRow(QStringLiteral("L1 :"), e.L1Combo);
    form->addRow(QStringLiteral("L2 :"), e.L2Combo);
    form->addRow(QStringLiteral("L3 :"), e.L3Combo);
    form->addRow(QStringLiteral("L4 :"), e.L4Combo);
    addSection(QT_TR_NOOP("Угловая скорость (градусы) :"));
    // The caption names its entry to a screen reader, as a caption given as text would.
    const auto addCaptioned = [this, form](const char* caption, QLineEdit* entry) {
        QLabel* label = texts_.Text(CreateLabel({}), caption);
        label->setBuddy(entry);
        form->addRow(label, entry);
    };
    addCaptioned(QT_TR_NOOP("звена 1 :"), e.edVelocity1);
    addCaptioned(QT_TR_NOOP("звена 4 :"), e.edVelocity4);
    addSection(QT_TR_NOOP("Начальный угол (градусы) :"));
    form->addRow(QStringLiteral("fi0 :"), e.edfi0);
    form->addRow(QStringLiteral("gamma0 :"), e.edgamma0);
    return group;
}

// The bevelled panel at the bottom: a red bold "Внимание !" over a read-only memo that states
// the closing rule to the user.
QWidget* TConstructionParamForm::CreateWarningPanel() {
    auto* panel = new QFrame;
    panel->setObjectName(QStringLiteral("pnWarning"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);

    QLabel* title =
        texts_.Text(CreateLabel({}, QStringLiteral("laWarning")), QT_TR_NOOP("Внимание !"));
    title->setAlignment(Qt::AlignCenter);
    SetBold(title);
    QPalette titlePalette = title->palette();
    titlePalette.setColor(QPalette::WindowText, Qt::red);
    title->setPalette(titlePalette);

    auto* memo = new QTextEdit;
    memo->setObjectName(QStringLiteral("meWarning"));
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->viewport()->setAutoFillBackground(false);
    memo->document()->setDocumentMargin(2);
    QTextOption centred = memo->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    memo->document()->setDefaultTextOption(centred);
    texts_.AccessibleName(memo, QT_TR_NOOP("Внимание !"));
    // Each line is translated by itself; the rule among them reads the same in every language.
    texts_.Set(memo, TextPart::Text, kWarningLines[0], [memo](const QString&) {
        QStringList lines;
        for (const char* line : kWarningLines) {
            lines << QCoreApplication::translate("qor::TConstructionParamForm", line);
        }
        memo->setPlainText(lines.join(QLatin1Char('\n')));
        // Wide enough for the longest line, tall enough for all five: no line wraps or scrolls.
        QTextDocument probe;
        probe.setDefaultFont(memo->font());
        probe.setDocumentMargin(memo->document()->documentMargin());
        probe.setPlainText(memo->toPlainText());
        memo->setMinimumWidth(static_cast<int>(std::ceil(probe.idealWidth())));
        memo->setFixedHeight(static_cast<int>(std::ceil(probe.size().height())));
    });

    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(title);
    layout->addWidget(memo);
    return panel;
}

void TConstructionParamForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        texts_.Retranslate();
    }
}

void TConstructionParamForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        CentreOnScreen(this);
    }
}

bool TConstructionParamForm::HasText(const QLineEdit* edit) {
    return !edit->text().isEmpty();
}

bool TConstructionParamForm::Filled(int k) const {
    const Entries& e = entries_[static_cast<std::size_t>(k - 1)];
    for (const QLineEdit* edit :
         {e.edA, e.edB, e.edVelocity1, e.edVelocity4, e.edfi0, e.edgamma0}) {
        if (!HasText(edit)) {
            return false;
        }
    }
    return true;
}

bool TConstructionParamForm::ReadMechanism(int k) {
    const Entries& e = entries_[static_cast<std::size_t>(k - 1)];
    MechanismDesign& v = values_[static_cast<std::size_t>(k - 1)];
    v.a = TextToReal(e.edA->text());
    v.b = TextToReal(e.edB->text());
    v.L1 = TextToInteger(e.L1Combo->currentText());
    v.L2 = TextToInteger(e.L2Combo->currentText());
    v.L3 = TextToInteger(e.L3Combo->currentText());
    v.L4 = TextToInteger(e.L4Combo->currentText());
    v.Velocity1 = TextToReal(e.edVelocity1->text());
    v.Velocity4 = TextToReal(e.edVelocity4->text());
    v.fi0 = TextToReal(e.edfi0->text());
    v.gamma0 = TextToReal(e.edgamma0->text());

    if (ClosesAtEveryPosition(v.a, v.b, v.L1, v.L2, v.L3, v.L4)) {
        return true;
    }
    ShowMessageBox(this,
                   tr("Пожалуйста, выберите другие длины звеньев и расстояния a и b !\n"
                      "На основе выбраных создать механизм %1 не получается!")
                       .arg(k),
                   tr("Ошибка !"), MsgIcon::Warning, MsgButtons::Ok);
    return false;
}

// Admits mechanism k when its entries were all filled and it can close, copying it into its
// record at once; otherwise tells the user to check it. Returns whether it was admitted.
bool TConstructionParamForm::AcceptMechanism(int k, bool filled) {
    if (filled && ReadMechanism(k)) {
        const MechanismDesign& v = values_[static_cast<std::size_t>(k - 1)];
        Mechanism& m = *records_[static_cast<std::size_t>(k - 1)];
        m.a = v.a;
        m.b = v.b;
        m.L1 = v.L1;
        m.L2 = v.L2;
        m.L3 = v.L3;
        m.L4 = v.L4;
        m.Velocity1 = Radians(v.Velocity1);
        m.Velocity4 = Radians(v.Velocity4);
        m.Fi = Radians(v.fi0);
        m.Gamma = Radians(v.gamma0);
        m.dFi = m.Velocity1;
        m.dGamma = m.Velocity4;
        return true;
    }
    ShowMessageBox(this,
                   k == 1 ? tr("Проверьте правильность параметров у первого механизма !")
                          : tr("Проверьте правильность параметров у второго механизма !"),
                   tr("Программное сообщение !"), MsgIcon::None, MsgButtons::Ok);
    return false;
}

void TConstructionParamForm::bbOKClick() {
    const bool filled1 = Filled(1);
    const bool filled2 = Filled(2);
    const bool accepted1 = AcceptMechanism(1, filled1);
    const bool accepted2 = AcceptMechanism(2, filled2);
    if (accepted1 && accepted2) {
        ParamsAccepted_ = true;
        accept();
    }
}

void TConstructionParamForm::bbCancelClick() {
    ParamsAccepted_ = false;
    reject();
}

Design TConstructionParamForm::AcceptedDesign() const {
    Design design;
    for (std::size_t k = 0; k < values_.size(); ++k) {
        design.Mechanisms[k] = values_[k];
        design.Mechanisms[k].Link1 = LinkDrive::Off;
        design.Mechanisms[k].Link4 = LinkDrive::Off;
    }
    return design;
}

void TConstructionParamForm::ShowValues(int k, const MechanismDesign& values) {
    const Entries& e = entries_[static_cast<std::size_t>(k - 1)];
    e.edA->setText(RealToText(values.a));
    e.edB->setText(RealToText(values.b));
    ShowLength(e.L1Combo, values.L1);
    // L2 before L3: a change of L2 is copied into L3.
    ShowLength(e.L2Combo, values.L2);
    ShowLength(e.L3Combo, values.L3);
    ShowLength(e.L4Combo, values.L4);
    e.edVelocity1->setText(RealToText(values.Velocity1));
    e.edVelocity4->setText(RealToText(values.Velocity4));
    e.edfi0->setText(RealToText(values.fi0));
    e.edgamma0->setText(RealToText(values.gamma0));
}

void TConstructionParamForm::AcceptDesign(const Design& design) {
    ShowValues(1, design.Mechanisms[0]);
    ShowValues(2, design.Mechanisms[1]);
    bbOKClick();
}

void TConstructionParamForm::L2ComboChange(const QString& text) {
    entries_[0].L3Combo->setEditText(text);
}

void TConstructionParamForm::L2_2ComboChange(const QString& text) {
    entries_[1].L3Combo->setEditText(text);
}

} // namespace qor

// The settings dialog's controls and where they stand: four pages in a fixed 445 x 318 client
// area, the buttons below them.
#include "forms/FrmSetup.h"

#include "forms/FrmSetupTables.h"
#include "forms/FrmSetupUpDown.h"
#include "forms/TranslatedTexts.h"
#include "forms/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <initializer_list>
#include <utility>

namespace qor {

namespace {

QLabel* ValueLabel(const char* name) {
    QLabel* label = CreateLabel({}, name);
    label->setMinimumWidth(30);
    return label;
}

QStringList Texts(const QualityGroup& group) {
    QStringList texts;
    for (const QualityItem& item : group.items) {
        texts.append(QString::fromLatin1(item.text));
    }
    return texts;
}

QLineEdit* NumberEdit(const char* name) {
    QLineEdit* edit = CreateEdit(name);
    edit->setFixedWidth(64);
    return edit;
}

// What a screen reader calls a control with this caption: the caption without its colon.
QString SpokenName(const QString& caption) {
    QString name = caption.trimmed();
    if (name.endsWith(QLatin1Char(':'))) {
        name.chop(1);
    }
    return name.trimmed();
}

// A caption and its control side by side in a grid; the control is named after the caption.
void AddCaptioned(TranslatedTexts& texts, QGridLayout* grid, int row, int column,
                  const char* caption, QWidget* control) {
    grid->addWidget(texts.Text(CreateLabel({}), caption), row, column);
    grid->addWidget(control, row, column + 1);
    texts.Set(control, TextPart::AccessibleName, caption,
              [control](const QString& text) { control->setAccessibleName(SpokenName(text)); });
}

// Tight margins: four pages of controls share 445 x 318 pixels.
void Tighten(QLayout* layout, int spacing = 4) {
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(spacing);
}

} // namespace

void TSetupForm::CreateControls() {
    PageControl = Named(new QTabWidget, "PageControl");
    tsRMDevice = Named(CreateDevicePage(), "tsRMDevice");
    tsRMViewports = Named(CreateViewportPage(), "tsRMViewports");
    tsRenderState = Named(CreateRenderStatePage(), "tsRenderState");
    tsDrivers = Named(CreateDriversPage(), "tsDrivers");
    const std::pair<QWidget*, const char*> pages[] = {{tsRMDevice, QT_TR_NOOP("Видеоустройство")},
                                                      {tsRMViewports, QT_TR_NOOP("Видеоэкран")},
                                                      {tsRenderState, QT_TR_NOOP("Рендеринг")},
                                                      {tsDrivers, QT_TR_NOOP("Драйверы")}};
    for (const auto& [page, title] : pages) {
        texts_.Tab(PageControl, PageControl->addTab(page, QString()), title);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(PageControl, 1);
    layout->addWidget(CreateButtonRow());
}

QWidget* TSetupForm::CreateButtonRow() {
    // Enter belongs to the edit boxes of the viewport page; no button takes it.
    btnOK = texts_.Text(CreateButton("btnOK", {}), QT_TR_NOOP("ОК"));
    btnCancel = texts_.Text(CreateButton("btnCancel", {}), QT_TR_NOOP("Отменить"));
    btnSave = texts_.Text(CreateButton("btnSave", {}), QT_TR_NOOP("Сохранить"));
    // Nothing has changed yet: keeping and saving wait for the first change.
    btnOK->setEnabled(false);
    btnSave->setEnabled(false);
    laSettingsFile = CreateLabel({}, "laSettingsFile");
    laSettingsFile->setMinimumWidth(10);
    laSettingsFile->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(laSettingsFile, 1);
    layout->addWidget(btnOK);
    layout->addWidget(btnCancel);
    layout->addWidget(btnSave);
    return row;
}

QWidget* TSetupForm::CreateDevicePage() {
    laBufs = ValueLabel("laBufs");
    laTrigs = ValueLabel("laTrigs");
    laWidth = ValueLabel("laWidth");
    laHeight = ValueLabel("laHeight");
    laVports = ValueLabel("laVports");
    auto* info = new QGridLayout;
    info->setVerticalSpacing(2);
    info->setHorizontalSpacing(6);
    AddCaptioned(texts_, info, 0, 0, QT_TR_NOOP("Используется буфферов:"), laBufs);
    AddCaptioned(texts_, info, 1, 0, QT_TR_NOOP("Прорисованно треугольников:"), laTrigs);
    AddCaptioned(texts_, info, 2, 0, QT_TR_NOOP("Видеоэкраны:"), laVports);
    AddCaptioned(texts_, info, 0, 2, QT_TR_NOOP("Ширина:"), laWidth);
    AddCaptioned(texts_, info, 1, 2, QT_TR_NOOP("Высота:"), laHeight);
    info->setColumnStretch(1, 1);
    info->setColumnStretch(3, 1);

    // Shown only: the user cannot change the wireframe options or the colour model here.
    cbCull = Named(new QCheckBox(QStringLiteral("Cull")), "cbCull");
    cbHide = Named(new QCheckBox(QStringLiteral("Hiddenline")), "cbHide");
    rbMono = CreateRadio("rbMono", QStringLiteral("Mono"));
    rbRGB = CreateRadio("rbRGB", QStringLiteral("RGB"));
    for (QAbstractButton* shown :
         std::initializer_list<QAbstractButton*>{cbCull, cbHide, rbMono, rbRGB}) {
        shown->setAutoExclusive(false);
        shown->setAttribute(Qt::WA_TransparentForMouseEvents);
        shown->setFocusPolicy(Qt::NoFocus);
    }
    auto* wire = texts_.Text(new QGroupBox, QT_TR_NOOP("Параметры сетки : "));
    auto* wireLayout = new QHBoxLayout(wire);
    Tighten(wireLayout, 2);
    wireLayout->addWidget(cbCull);
    wireLayout->addWidget(cbHide);
    auto* colour = texts_.Text(new QGroupBox, QT_TR_NOOP(" Цветовой режим : "));
    auto* colourLayout = new QHBoxLayout(colour);
    Tighten(colourLayout, 2);
    colourLayout->addWidget(rbMono);
    colourLayout->addWidget(rbRGB);

    cbDither = texts_.Text(Named(new QCheckBox, "cbDither"), QT_TR_NOOP("дизеринг"));
    laShd = CreateLabel({}, "laShd");
    laShd->setMinimumWidth(36);
    laShd->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    udShades = Named(new TUpDown(0, 100), "udShades");
    auto* shades = new QHBoxLayout;
    shades->setSpacing(3);
    shades->addWidget(laShd);
    shades->addWidget(udShades);
    shades->addStretch();

    auto* middle = new QHBoxLayout;
    middle->setSpacing(6);
    middle->addWidget(wire);
    middle->addWidget(colour);
    middle->addWidget(cbDither, 0, Qt::AlignBottom);
    middle->addStretch();

    QualityCombo = CreateCombo("QualityCombo", Texts(QualityItems()));
    ShadeCombo = CreateCombo("ShadeCombo", Texts(ShadeItems()));
    LightCombo = CreateCombo("LightCombo", Texts(LightItems()));
    FillCombo = CreateCombo("FillCombo", Texts(FillItems()));
    TextureCombo = CreateCombo("TextureCombo", TextureItems());
    auto* combos = new QGridLayout;
    combos->setVerticalSpacing(4);
    combos->setHorizontalSpacing(6);
    AddCaptioned(texts_, combos, 0, 0, QT_TR_NOOP("Качество:"), QualityCombo);
    AddCaptioned(texts_, combos, 1, 0, QT_TR_NOOP("Свет:"), LightCombo);
    // The texture names are the longest: their combo reaches under the second column.
    combos->addWidget(texts_.Text(CreateLabel({}), QT_TR_NOOP("Техтуры:")), 2, 0);
    combos->addWidget(TextureCombo, 2, 1, 1, 2, Qt::AlignLeft);
    AddCaptioned(texts_, combos, 0, 2, QT_TR_NOOP("Режим текстур:"), ShadeCombo);
    AddCaptioned(texts_, combos, 1, 2, QT_TR_NOOP("Заливка:"), FillCombo);
    combos->addWidget(texts_.Text(CreateLabel({}), QT_TR_NOOP("Цветов в текстуре:")), 3, 2);
    texts_.AccessibleName(laShd, QT_TR_NOOP("Цветов в текстуре"));
    texts_.AccessibleName(udShades, QT_TR_NOOP("Цветов в текстуре"));
    combos->addLayout(shades, 3, 3);
    combos->setColumnStretch(4, 1);

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    Tighten(layout, 8);
    layout->addLayout(info);
    layout->addLayout(middle);
    layout->addLayout(combos);
    layout->addStretch();
    return page;
}

QWidget* TSetupForm::CreateViewportPage() {
    lbVports = Named(new QListWidget, "lbVports");
    auto* left = new QVBoxLayout;
    left->setSpacing(3);
    left->addWidget(texts_.Text(CreateLabel({}), QT_TR_NOOP("Видеоэкраны :")));
    texts_.AccessibleName(lbVports, QT_TR_NOOP("Видеоэкраны"));
    left->addWidget(lbVports, 1);

    rbPerspective = texts_.Text(CreateRadio("rbPerspective", {}), QT_TR_NOOP("в перспективе"));
    rbOrthographic = texts_.Text(CreateRadio("rbOrthographic", {}), QT_TR_NOOP("ортографически"));
    cbScale = texts_.Text(Named(new QCheckBox, "cbScale"), QT_TR_NOOP("пропорционально"));
    auto* image = texts_.Text(new QGroupBox, QT_TR_NOOP(" Изображение : "));
    auto* imageLayout = new QVBoxLayout(image);
    Tighten(imageLayout, 2);
    imageLayout->addWidget(rbPerspective);
    imageLayout->addWidget(rbOrthographic);
    imageLayout->addWidget(cbScale);

    edLeft = NumberEdit("edLeft");
    edRight = NumberEdit("edRight");
    edTop = NumberEdit("edTop");
    edBottom = NumberEdit("edBottom");
    auto* plane = texts_.Text(new QGroupBox, QT_TR_NOOP(" Плоскость : "));
    auto* planeLayout = new QGridLayout(plane);
    Tighten(planeLayout, 3);
    AddCaptioned(texts_, planeLayout, 0, 0, QT_TR_NOOP("Слева"), edLeft);
    AddCaptioned(texts_, planeLayout, 1, 0, QT_TR_NOOP("Справа"), edRight);
    AddCaptioned(texts_, planeLayout, 2, 0, QT_TR_NOOP("Свеху"), edTop);
    AddCaptioned(texts_, planeLayout, 3, 0, QT_TR_NOOP("Снизу"), edBottom);

    auto* middle = new QVBoxLayout;
    middle->setSpacing(4);
    middle->addWidget(image);
    middle->addWidget(plane);
    middle->addStretch();

    edField = NumberEdit("edField");
    edFront = NumberEdit("edFront");
    edBack = NumberEdit("edBack");
    auto* camera = texts_.Text(new QGroupBox, QT_TR_NOOP(" Видеокамера : "));
    auto* cameraLayout = new QGridLayout(camera);
    Tighten(cameraLayout, 3);
    AddCaptioned(texts_, cameraLayout, 0, 0, QT_TR_NOOP("Фокус"), edField);
    auto* planes = texts_.Text(CreateLabel({}), QT_TR_NOOP("Секущие плоскости :"));
    QFont underlined = planes->font();
    underlined.setUnderline(true);
    planes->setFont(underlined);
    cameraLayout->addWidget(planes, 1, 0, 1, 2);
    AddCaptioned(texts_, cameraLayout, 2, 0, QT_TR_NOOP("Передняя"), edFront);
    AddCaptioned(texts_, cameraLayout, 3, 0, QT_TR_NOOP("Задняя:"), edBack);

    laVWidth = ValueLabel("laVWidth");
    laVHeight = ValueLabel("laVHeight");
    laXOffset = ValueLabel("laXOffset");
    laYOffset = ValueLabel("laYOffset");
    auto* info = new QGridLayout;
    info->setVerticalSpacing(2);
    AddCaptioned(texts_, info, 0, 0, QT_TR_NOOP("Ширина:"), laVWidth);
    AddCaptioned(texts_, info, 1, 0, QT_TR_NOOP("Высота:"), laVHeight);
    AddCaptioned(texts_, info, 2, 0, QT_TR_NOOP("Смещение по x:"), laXOffset);
    AddCaptioned(texts_, info, 3, 0, QT_TR_NOOP("Смещение по y:"), laYOffset);

    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    right->addWidget(camera);
    right->addLayout(info);
    right->addStretch();

    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    Tighten(layout, 6);
    layout->addLayout(left, 1);
    layout->addLayout(middle);
    layout->addLayout(right);
    return page;
}

QWidget* TSetupForm::CreateRenderStatePage() {
    RSTypeCombo = Named(new QComboBox, "RSTypeCombo");
    RSValCombo = Named(new QComboBox, "RSValCombo");
    lbRS = Named(new QListWidget, "lbRS");
    texts_.AccessibleName(RSTypeCombo, QT_TR_NOOP("Состояние"));
    texts_.AccessibleName(RSValCombo, QT_TR_NOOP("Значение"));
    texts_.AccessibleName(lbRS, QT_TR_NOOP("Состояния рендеринга"));
    btnAdd = texts_.Text(CreateButton("btnAdd", {}), QT_TR_NOOP("Добавить"));
    btnDelete = texts_.Text(CreateButton("btnDelete", {}), QT_TR_NOOP("Удалить"));
    btnExecute = texts_.Text(CreateButton("btnExecute", {}), QT_TR_NOOP("Применить"));

    auto* choice = new QVBoxLayout;
    choice->setSpacing(2);
    choice->addWidget(texts_.Text(CreateLabel({}), QT_TR_NOOP("Состояние:")));
    choice->addWidget(RSTypeCombo);
    choice->addSpacing(4);
    choice->addWidget(texts_.Text(CreateLabel({}), QT_TR_NOOP("Значение:")));
    choice->addWidget(RSValCombo);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(4);
    buttons->addWidget(btnAdd);
    buttons->addWidget(btnDelete);
    buttons->addStretch();
    buttons->addWidget(btnExecute);

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addLayout(choice);
    left->addWidget(lbRS, 1);

    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    Tighten(layout, 8);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    return page;
}

QWidget* TSetupForm::CreateDriversPage() {
    lbDrivers = Named(new QListWidget, "lbDrivers");
    texts_.Set(lbDrivers, TextPart::Hint,
               QT_TR_NOOP("Двойной щелчок: пересоздать устройство с этим драйвером"),
               [this](const QString& text) { lbDrivers->setToolTip(text); });
    texts_.AccessibleName(lbDrivers, QT_TR_NOOP("Драйверы"));
    DriversMemo = Named(new QPlainTextEdit, "DriversMemo");
    texts_.AccessibleName(DriversMemo, QT_TR_NOOP("Сведения о драйвере"));
    DriversMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    DriversMemo->setTabStopDistance(4 * DriversMemo->fontMetrics().horizontalAdvance(u' '));
    DriversMemo->setBackgroundRole(QPalette::Button);
    QPalette palette = DriversMemo->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    DriversMemo->setPalette(palette);

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    Tighten(layout);
    layout->addWidget(lbDrivers, 1);
    layout->addWidget(DriversMemo, 2);
    return page;
}

} // namespace qor

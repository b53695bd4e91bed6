// The main window's controls: their names, captions, colours, hints and start states, and the
// layout that holds them.
#include "forms/FrmMain.h"

#include "forms/FrmMainCaptions.h"
#include "forms/Hint.h"
#include "forms/Icons.h"
#include "forms/TranslatedTexts.h"
#include "forms/Widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <initializer_list>
#include <utility>
#include <vector>

namespace qor {
namespace {

// The colours of the window's coloured texts: the axes models' lime, blue and red, and one
// colour per mechanism for its coordinates.
const QColor kLime(0x00, 0xff, 0x00);
const QColor kBlue(0x00, 0x00, 0xff);
const QColor kRed(0xff, 0x00, 0x00);
const QColor kAqua(0x00, 0xff, 0xff);
const QColor kYellow(0xff, 0xff, 0x00);

constexpr int kToolIconSize = 24;
constexpr int kZoomIconSize = 22;

// A read-out's text never grows past this sample, so the labels keep their width while the
// numbers change.
const QString kWidestReadout = QStringLiteral("-000,00");

// Whose value a read-out shows, after its caption.
const char* const kMechanism1Words = QT_TRANSLATE_NOOP("qor::TMainForm", "механизм 1");
const char* const kMechanism2Words = QT_TRANSLATE_NOOP("qor::TMainForm", "механизм 2");

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, colour);
        palette.setColor(group, QPalette::Text, colour);
        palette.setColor(group, QPalette::ButtonText, colour);
    }
    widget->setPalette(palette);
}

// The look of a read-out display: light and coloured texts on a dark ground, where the pure
// lime, aqua and yellow of the texts stay legible.
void UseDisplayLook(QWidget* widget) {
    const QColor ground(0x16, 0x1a, 0x1f);
    const QColor field(0x2c, 0x33, 0x3c);
    const QColor face(0x34, 0x3b, 0x45);
    const QColor text(0xe4, 0xe8, 0xee);
    const QColor dimmed(0x6a, 0x73, 0x7e);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ground);
    palette.setColor(QPalette::Base, field);
    palette.setColor(QPalette::Button, face);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Active, role, text);
        palette.setColor(QPalette::Inactive, role, text);
        palette.setColor(QPalette::Disabled, role, dimmed);
    }
    palette.setColor(QPalette::Light, face.lighter(130));
    palette.setColor(QPalette::Midlight, face.lighter(115));
    palette.setColor(QPalette::Mid, face.darker(120));
    palette.setColor(QPalette::Dark, ground.darker(150));
    palette.setColor(QPalette::Shadow, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Pure blue on the dark ground of a display is too dim to read: the control gets a light badge
// of its own, on which the blue text keeps its colour and reads clearly.
void AddLightBadge(QWidget* widget) {
    QPalette palette = widget->palette();
    // A button fills its background with the button colour, a label with the window colour.
    palette.setColor(widget->backgroundRole(), QColor(0xdd, 0xe6, 0xf5));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    widget->setContentsMargins(3, 1, 3, 1);
    widget->setSizePolicy(QSizePolicy::Maximum, widget->sizePolicy().verticalPolicy());
}

// A right-aligned numeric read-out that starts at "0,00".
QLabel* CreateReadout(const QString& name) {
    auto* label = CreateLabel(QStringLiteral("0,00"), name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(kWidestReadout));
    label->setAccessibleDescription(label->text());
    return label;
}

// A group of read-outs, each beside its caption. A screen reader names each read-out after its
// caption and whose value it is ("Fi, механизм 1"), since the number alone says neither.
QGroupBox* CreateReadoutGroup(TranslatedTexts& texts, const char* title, const QString& name,
                              const char* whose,
                              const std::vector<std::pair<QString, QLabel*>>& rows) {
    auto* group = texts.Text(new QGroupBox, title);
    group->setObjectName(name);
    UseDisplayLook(group);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    int row = 0;
    for (const auto& [caption, value] : rows) {
        grid->addWidget(CreateLabel(caption), row, 0);
        grid->addWidget(value, row, 1);
        const QString spoken = caption.chopped(2) + QStringLiteral(", ");
        texts.Set(value, TextPart::AccessibleName, whose, [value, spoken](const QString& text) {
            value->setAccessibleName(spoken + text);
        });
        ++row;
    }
    grid->setColumnStretch(1, 1);
    group->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    return group;
}

} // namespace

void TMainForm::CreateControls() {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("QOR"));
    setWindowIcon(ProgramIcon());

    CreateMenus();
    CreateToolBar();
    CreatePopupMenu();

    ViewHostArea = new QWidget;
    ViewHostArea->setObjectName(QStringLiteral("ViewHostArea"));
    auto* viewLayout = new QVBoxLayout(ViewHostArea);
    viewLayout->setContentsMargins(0, 0, 0, 0);

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    middle->addWidget(CreateLeftPanel());
    middle->addWidget(ViewHostArea, 1);
    middle->addWidget(CreateRightPanel());

    auto* client = new QWidget;
    client->setObjectName(QStringLiteral("ClientArea"));
    auto* clientLayout = new QVBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->setSpacing(0);
    clientLayout->addLayout(middle, 1);
    clientLayout->addWidget(CreateBottomPanel());
    setCentralWidget(client);
    CreateMotionMenu();

    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setSizeGripEnabled(false);
}

void TMainForm::CreateMenus() {
    mnNewProject =
        texts_.Text(CreateAction(this, QStringLiteral("mnNewProject"), {}, NewProjectIcon()),
                    QT_TR_NOOP("Новая конструкция"));
    mnNewProject->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnClose = texts_.Text(CreateAction(this, QStringLiteral("mnClose"), {}, ExitIcon()),
                          QT_TR_NOOP("Выход"));
    mnSetup = texts_.Text(CreateAction(this, QStringLiteral("mnSetup"), {}, SetupIcon()),
                          QT_TR_NOOP("Изображение"));
    // The platform's own key for preferences may be none: this one is the same everywhere.
    mnSetup->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    mnHelp = texts_.Text(CreateAction(this, QStringLiteral("mnHelp"), {}, HelpIcon()),
                         QT_TR_NOOP("Помощь"));
    mnHelp->setShortcut(QKeySequence(Qt::Key_F1));
    mnHelp->setEnabled(false);
    mnAbout = texts_.Text(CreateAction(this, QStringLiteral("mnAbout"), {}, AboutIcon()),
                          QT_TR_NOOP("О программе"));

    QMenu* file = texts_.Text(menuBar()->addMenu(QString()), QT_TR_NOOP("Файл"));
    file->setObjectName(QStringLiteral("mnFile"));
    file->addAction(mnNewProject);
    CreateFileCommands(file);
    file->addSeparator();
    file->addAction(mnClose);

    QMenu* settings = texts_.Text(menuBar()->addMenu(QString()), QT_TR_NOOP("Настройки"));
    settings->setObjectName(QStringLiteral("mnSettings"));
    settings->addAction(mnSetup);
    CreateLanguageMenu(settings);

    CreateAnalysisMenu();

    QMenu* help = texts_.Text(menuBar()->addMenu(QString()), QT_TR_NOOP("Помощь"));
    help->setObjectName(QStringLiteral("mnHelpMenu"));
    help->addAction(mnHelp);
    help->addSeparator();
    help->addAction(mnAbout);
}

void TMainForm::CreateToolBar() {
    sbNewProject =
        CreateSpeedButton(QStringLiteral("sbNewProject"), NewProjectIcon(), kToolIconSize, {});
    texts_.Hint(sbNewProject,
                QT_TR_NOOP("Новый проект|Создать новую конструкцию с другими параметрами"), true);
    sbSetup = CreateSpeedButton(QStringLiteral("sbSetup"), SetupIcon(), kToolIconSize, {});
    texts_.Hint(sbSetup, QT_TR_NOOP("Настройки изображения|Расширенные настройки изображения"),
                true);
    sbAbout = CreateSpeedButton(QStringLiteral("sbAbout"), AboutIcon(), kToolIconSize, {});
    texts_.Hint(sbAbout, QT_TR_NOOP("Информация о программе"), true);
    sbExit = CreateSpeedButton(QStringLiteral("sbExit"), ExitIcon(), kToolIconSize, {});
    texts_.Hint(sbExit, QT_TR_NOOP("Выход из программы|Завершение работы программы"), true);
    sbConstructionSetup = CreateSpeedButton(QStringLiteral("sbConstructionSetup"), NewProjectIcon(),
                                            kToolIconSize, {});
    texts_.Hint(sbConstructionSetup, QT_TR_NOOP("Параметры механизмов"), true);

    auto* toolBar = new QToolBar;
    texts_.WindowTitle(toolBar, QT_TR_NOOP("Панель инструментов"));
    toolBar->setObjectName(QStringLiteral("ToolBar"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->toggleViewAction()->setEnabled(false);
    toolBar->addWidget(sbNewProject);
    toolBar->addWidget(sbSetup);
    toolBar->addSeparator();
    toolBar->addWidget(sbAbout);
    toolBar->addWidget(sbExit);
    // A command of the tool bar that is never shown; the same one lives in the menus.
    toolBar->addWidget(sbConstructionSetup)->setVisible(false);
    addToolBar(Qt::TopToolBarArea, toolBar);
}

void TMainForm::CreatePopupMenu() {
    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    pmnRunWork = texts_.Text(CreateAction(PopupMenu, QStringLiteral("pmnRunWork"), {}, RunIcon()),
                             kRunWorkCaption);
    pmnRotateScene = texts_.Text(
        CreateAction(PopupMenu, QStringLiteral("pmnRotateScene"), {}, RotateSceneIcon()),
        kRotateSceneCaption);
    pmnZoomIn = texts_.Text(CreateAction(PopupMenu, QStringLiteral("pmnZoomIn"), {}, ZoomInIcon()),
                            QT_TR_NOOP("Ближе"));
    pmnZoomOut =
        texts_.Text(CreateAction(PopupMenu, QStringLiteral("pmnZoomOut"), {}, ZoomOutIcon()),
                    QT_TR_NOOP("Дальше"));
    pmnNewProject =
        texts_.Text(CreateAction(PopupMenu, QStringLiteral("pmnNewProject"), {}, NewProjectIcon()),
                    QT_TR_NOOP("Новый механизм"));
    for (QAction* action : {pmnRunWork, pmnRotateScene, pmnZoomIn, pmnZoomOut}) {
        action->setEnabled(false);
    }
    PopupMenu->addAction(pmnRunWork);
    PopupMenu->addSeparator();
    PopupMenu->addAction(pmnRotateScene);
    PopupMenu->addAction(pmnZoomIn);
    PopupMenu->addAction(pmnZoomOut);
    PopupMenu->addSeparator();
    PopupMenu->addAction(pmnNewProject);
    AddAnalysisToPopupMenu();
    setContextMenuPolicy(Qt::CustomContextMenu);
}

QWidget* TMainForm::CreateLeftPanel() {
    auto* laImage =
        texts_.Text(CreateLabel({}, QStringLiteral("laImage")), QT_TR_NOOP("Изображение:"));
    SetBold(laImage);

    ProjectionsCombo = Named(new QComboBox, QStringLiteral("ProjectionsCombo"));
    ProjectionsCombo->setEditable(true);
    ProjectionsCombo->setInsertPolicy(QComboBox::NoInsert);
    const char* const views[] = {kDefaultViewEntry, QT_TR_NOOP("сверху"), QT_TR_NOOP("спереди"),
                                 QT_TR_NOOP("под углом")};
    for (const char* view : views) {
        ProjectionsCombo->addItem(QString());
        texts_.Item(ProjectionsCombo, ProjectionsCombo->count() - 1, view);
    }
    texts_.Hint(ProjectionsCombo, QT_TR_NOOP("|Выбор положения точки зрения на сцену"));
    auto* viewRow = new QHBoxLayout;
    viewRow->addWidget(texts_.Text(CreateLabel({}, QStringLiteral("laView")), QT_TR_NOOP("вид")));
    viewRow->addWidget(ProjectionsCombo, 1);

    bbRotateScene =
        texts_.Text(CreateButton(QStringLiteral("bbRotateScene"), {}), kRotateSceneCaption);
    texts_.Hint(bbRotateScene, QT_TR_NOOP("|Вкл/Выкл вращения сцены"));

    sbZoomIn = CreateSpeedButton(QStringLiteral("sbZoomIn"), ZoomInIcon(), kZoomIconSize, {});
    texts_.Hint(sbZoomIn, QT_TR_NOOP("Увеличить изображение|Увеличить изображение"), true);
    sbZoomOut = CreateSpeedButton(QStringLiteral("sbZoomOut"), ZoomOutIcon(), kZoomIconSize, {});
    texts_.Hint(sbZoomOut, QT_TR_NOOP("Уменьшить изображение|Уменьшить изображение"), true);
    auto* zoomRow = new QHBoxLayout;
    zoomRow->addWidget(sbZoomIn);
    zoomRow->addWidget(sbZoomOut);
    zoomRow->addStretch();

    rbHorizontal =
        texts_.Text(CreateRadio(QStringLiteral("rbHorizontal"), {}), QT_TR_NOOP("горизонтальную"));
    SetTextColour(rbHorizontal, kLime);
    SetBold(rbHorizontal);
    rbVertical =
        texts_.Text(CreateRadio(QStringLiteral("rbVertical"), {}), QT_TR_NOOP("вертикальную"));
    SetTextColour(rbVertical, kBlue);
    SetBold(rbVertical);
    AddLightBadge(rbVertical);
    edGrad = CreateEdit(QStringLiteral("edGrad"), QStringLiteral("0"));
    edRad = CreateEdit(QStringLiteral("edRad"), QStringLiteral("0"));
    // Inside the group a screen reader would name the entries after the group's title.
    texts_.AccessibleName(edGrad, QT_TR_NOOP("угол поворота, градусы"));
    texts_.AccessibleName(edRad, QT_TR_NOOP("угол поворота, радианы"));
    edRad->setReadOnly(true);
    edRad->setFocusPolicy(Qt::NoFocus);
    bbRotatePlane =
        texts_.Text(CreateButton(QStringLiteral("bbRotatePlane"), {}), QT_TR_NOOP("Повернуть"));
    texts_.Hint(bbRotatePlane,
                QT_TR_NOOP("|Выполнить поворот выбранной плоскости на указанный угол"));
    // Enter in the degree entry moves the focus here, and a second Enter turns the plane.
    bbRotatePlane->setAutoDefault(true);

    auto* angles = new QGridLayout;
    angles->addWidget(texts_.Text(CreateLabel({}, QStringLiteral("laGrad")), QT_TR_NOOP("градусы")),
                      0, 0);
    angles->addWidget(edGrad, 0, 1);
    angles->addWidget(texts_.Text(CreateLabel({}, QStringLiteral("laRad")), QT_TR_NOOP("радианы")),
                      1, 0);
    angles->addWidget(edRad, 1, 1);

    auto* plane = texts_.Text(new QGroupBox, QT_TR_NOOP(" Повернуть плоскость : "));
    plane->setObjectName(QStringLiteral("gbRotatePlane"));
    UseDisplayLook(plane);
    auto* planeLayout = new QVBoxLayout(plane);
    planeLayout->addWidget(rbHorizontal, 0, Qt::AlignLeft);
    planeLayout->addWidget(rbVertical, 0, Qt::AlignLeft);
    planeLayout->addWidget(texts_.Text(CreateLabel({}, QStringLiteral("laRotateAngle")),
                                       QT_TR_NOOP("угол поворота :")));
    planeLayout->addLayout(angles);
    planeLayout->addWidget(bbRotatePlane);

    for (QWidget* control :
         std::initializer_list<QWidget*>{ProjectionsCombo, bbRotateScene, sbZoomIn, sbZoomOut,
                                         rbHorizontal, rbVertical, edGrad, bbRotatePlane}) {
        control->setEnabled(false);
    }

    auto* panel = new QFrame;
    panel->setObjectName(QStringLiteral("paLeft"));
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(laImage);
    layout->addLayout(viewRow);
    layout->addWidget(bbRotateScene);
    layout->addLayout(zoomRow);
    layout->addSpacing(6);
    layout->addWidget(plane);
    layout->addStretch();
    panel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    return panel;
}

QWidget* TMainForm::CreateRightPanel() {
    auto* axes = texts_.Text(new QGroupBox, QT_TR_NOOP(" Оси : "));
    axes->setObjectName(QStringLiteral("gbAxes"));
    UseDisplayLook(axes);
    auto* axesLayout = new QHBoxLayout(axes);
    for (const auto& [letter, colour] :
         {std::pair{QStringLiteral("X"), kLime}, std::pair{QStringLiteral("Y"), kBlue},
          std::pair{QStringLiteral("Z"), kRed}}) {
        auto* label = CreateLabel(letter, QStringLiteral("la") + letter);
        label->setAlignment(Qt::AlignCenter);
        SetBold(label, 1.4);
        SetTextColour(label, colour);
        if (colour == kBlue) {
            AddLightBadge(label);
        }
        axesLayout->addWidget(label);
    }

    auto* laCoordinates =
        texts_.Text(CreateLabel({}, QStringLiteral("laCoord")), QT_TR_NOOP("Координаты :"));
    SetBold(laCoordinates);

    lbxB = CreateReadout(QStringLiteral("lbxB"));
    lbyB = CreateReadout(QStringLiteral("lbyB"));
    lbzB = CreateReadout(QStringLiteral("lbzB"));
    lbxB_2 = CreateReadout(QStringLiteral("lbxB_2"));
    lbyB_2 = CreateReadout(QStringLiteral("lbyB_2"));
    lbzB_2 = CreateReadout(QStringLiteral("lbzB_2"));
    QGroupBox* mechanism1 = CreateReadoutGroup(texts_, QT_TR_NOOP(" Мех. 1 : "),
                                               QStringLiteral("gbCoordinates1"), kMechanism1Words,
                                               {{QStringLiteral("xB :"), lbxB},
                                                {QStringLiteral("yB :"), lbyB},
                                                {QStringLiteral("zB :"), lbzB}});
    SetTextColour(mechanism1, kAqua);
    QGroupBox* mechanism2 = CreateReadoutGroup(texts_, QT_TR_NOOP(" Мех. 2 : "),
                                               QStringLiteral("gbCoordinates2"), kMechanism2Words,
                                               {{QStringLiteral("xB :"), lbxB_2},
                                                {QStringLiteral("yB :"), lbyB_2},
                                                {QStringLiteral("zB :"), lbzB_2}});
    SetTextColour(mechanism2, kYellow);

    auto* panel = new QFrame;
    panel->setObjectName(QStringLiteral("paRight"));
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(axes);
    layout->addSpacing(6);
    layout->addWidget(laCoordinates);
    layout->addWidget(mechanism1);
    layout->addWidget(mechanism2);
    layout->addStretch();
    panel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    return panel;
}

QWidget* TMainForm::CreateBottomPanel() {
    bbRunWork = texts_.Text(CreateButton(QStringLiteral("bbRunWork"), {}), kRunWorkCaption);
    texts_.Hint(bbRunWork,
                QT_TR_NOOP("Вкл/Выкл механизм|Вкл/Выкл механизм для демонстрации его работы"));
    bbRunWork->setIcon(RunIcon());
    bbStepByStep =
        texts_.Text(CreateButton(QStringLiteral("bbStepByStep"), {}), QT_TR_NOOP("Один шаг"));
    texts_.Hint(
        bbStepByStep,
        QT_TR_NOOP("Выполнить еденичное перемещение|Выполнить еденичное перемещение ведущих "
                   "звеньев конструкций механизма"));
    bbRunWork->setEnabled(false);
    bbStepByStep->setEnabled(false);
    auto* motion = new QVBoxLayout;
    motion->addWidget(bbRunWork);
    motion->addWidget(bbStepByStep);
    motion->addStretch();

    lbFi = CreateReadout(QStringLiteral("lbFi"));
    lbPsi = CreateReadout(QStringLiteral("lbPsi"));
    lbKsi = CreateReadout(QStringLiteral("lbKsi"));
    lbGamma = CreateReadout(QStringLiteral("lbGamma"));
    lbFi_2 = CreateReadout(QStringLiteral("lbFi_2"));
    lbPsi_2 = CreateReadout(QStringLiteral("lbPsi_2"));
    lbKsi_2 = CreateReadout(QStringLiteral("lbKsi_2"));
    lbGamma_2 = CreateReadout(QStringLiteral("lbGamma_2"));
    QGroupBox* angles1 = CreateReadoutGroup(texts_, QT_TR_NOOP("Механизм 1 (гориз.):"),
                                            QStringLiteral("gbAngles1"), kMechanism1Words,
                                            {{QStringLiteral("Fi :"), lbFi},
                                             {QStringLiteral("Psi :"), lbPsi},
                                             {QStringLiteral("Ksi :"), lbKsi},
                                             {QStringLiteral("Gamma :"), lbGamma}});
    QGroupBox* angles2 = CreateReadoutGroup(texts_, QT_TR_NOOP("Механизм 2 (верт.):"),
                                            QStringLiteral("gbAngles2"), kMechanism2Words,
                                            {{QStringLiteral("Fi :"), lbFi_2},
                                             {QStringLiteral("Psi :"), lbPsi_2},
                                             {QStringLiteral("Ksi :"), lbKsi_2},
                                             {QStringLiteral("Gamma :"), lbGamma_2}});

    auto* panel = new QFrame;
    panel->setObjectName(QStringLiteral("paBottom"));
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* layout = new QHBoxLayout(panel);
    layout->addLayout(motion);
    layout->addSpacing(12);
    layout->addWidget(CreateLinkPanel());
    layout->addStretch();
    layout->addWidget(angles1);
    layout->addWidget(angles2);
    panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return panel;
}

QWidget* TMainForm::CreateLinkPanel() {
    drives_ = {
        CreateDrive(mechanism1_, 1, QStringLiteral("paHorizontal1"), QStringLiteral("1"),
                    QT_TR_NOOP("|Разрешить/Запретить движение 1-го звена горизонтальной "
                               "конструкции")),
        CreateDrive(mechanism1_, 4, QStringLiteral("paHorizontal4"), QStringLiteral("4"),
                    QT_TR_NOOP("|Разрешить/Запретить движение 4-го звена горизонтальной "
                               "конструкции")),
        CreateDrive(mechanism2_, 1, QStringLiteral("paVertical1"), QStringLiteral("1_2"),
                    QT_TR_NOOP("|Разрешить/Запретить движение 1-го звена вертикальной "
                               "конструкции")),
        CreateDrive(mechanism2_, 4, QStringLiteral("paVertical4"), QStringLiteral("4_2"),
                    QT_TR_NOOP("|Разрешить/Запретить движение 4-го звена вертикальной "
                               "конструкции")),
    };

    auto* laLinks =
        texts_.Text(CreateLabel({}, QStringLiteral("laLinks")), QT_TR_NOOP("Вращать звено :"));
    SetBold(laLinks);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->addWidget(laLinks, 0, 0, 1, 3);
    grid->addWidget(
        texts_.Text(CreateLabel({}, QStringLiteral("laMechanism1")), QT_TR_NOOP("Механизм 1")), 1,
        0);
    grid->addWidget(drives_[Horizontal1].panel, 1, 1);
    grid->addWidget(drives_[Horizontal4].panel, 1, 2);
    grid->addWidget(
        texts_.Text(CreateLabel({}, QStringLiteral("laMechanism2")), QT_TR_NOOP("Механизм 2")), 2,
        0);
    grid->addWidget(drives_[Vertical1].panel, 2, 1);
    grid->addWidget(drives_[Vertical4].panel, 2, 2);

    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("paLinks"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addStretch();
    return panel;
}

// One driven link: its check box, captioned with the link's number, beside its "+" and "-"
// buttons. The two buttons are the only radio buttons of the panel, so they form a group of
// their own.
TMainForm::LinkDrive TMainForm::CreateDrive(Mechanism& mechanism, int link,
                                            const QString& panelName, const QString& suffix,
                                            const char* boxHint) {
    LinkDrive drive;
    drive.mechanism = &mechanism;
    drive.link = link;
    drive.step = link == 1 ? &Mechanism::dFi : &Mechanism::dGamma;
    drive.box = Named(new QCheckBox(QString::number(link)), QStringLiteral("cb") + suffix);
    texts_.Hint(drive.box, boxHint);
    drive.plus = CreateRadio(QStringLiteral("rbRotPlus") + suffix, QStringLiteral("+"));
    texts_.Hint(drive.plus, QT_TR_NOOP("|Положительное вращение (против часовой стрелки)"));
    drive.minus = CreateRadio(QStringLiteral("rbRotMinus") + suffix, QStringLiteral("-"));
    texts_.Hint(drive.minus, QT_TR_NOOP("|Отрицательное вращение(по часовой стрелке)"));
    drive.plus->setEnabled(false);
    drive.minus->setEnabled(false);
    // The captions "1", "+" and "-" alone do not say which link of which mechanism they turn.
    const int whose = &mechanism == &mechanism1_ ? 1 : 2;
    const std::pair<QAbstractButton*, const char*> names[] = {
        {drive.box, QT_TR_NOOP("Вращать звено %1, механизм %2")},
        {drive.plus, QT_TR_NOOP("+, звено %1, механизм %2")},
        {drive.minus, QT_TR_NOOP("-, звено %1, механизм %2")}};
    for (const auto& [button, name] : names) {
        texts_.Set(button, TextPart::AccessibleName, name,
                   [button, link, whose](const QString& text) {
                       button->setAccessibleName(text.arg(link).arg(whose));
                   });
    }

    auto* directions = new QVBoxLayout;
    directions->setSpacing(0);
    directions->addWidget(drive.plus);
    directions->addWidget(drive.minus);

    drive.panel = Named(new QFrame, panelName);
    drive.panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* layout = new QHBoxLayout(drive.panel);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->addWidget(drive.box);
    layout->addLayout(directions);
    drive.panel->setEnabled(false);
    return drive;
}

} // namespace qor

// The main window's life and commands: start and end, the hint handler, the view's place, the
// run toggle, the single step, the link drives and the read-outs.
#include "forms/FrmMain.h"

#include "engine/RetainedMode.h"
#include "forms/DialogFrame.h"
#include "forms/FrmAbout.h"
#include "forms/FrmConstrParamSet.h"
#include "forms/FrmMainCaptions.h"
#include "forms/FrmSetup.h"
#include "forms/SelectComboItem.h"
#include "kinematics/Angles.h"
#include "kinematics/Stepping.h"
#include "platform/IdleHook.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/NumberText.h"
#include "view/TD3dView.h"
#include "view/TVport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <initializer_list>
#include <stdexcept>

namespace qor {
namespace {

double Degrees(double radians) {
    return static_cast<double>(RadToDeg(radians));
}

// Unchecks both buttons of a pair that normally keeps one of them checked.
void UncheckBoth(QRadioButton* plus, QRadioButton* minus) {
    plus->setAutoExclusive(false);
    minus->setAutoExclusive(false);
    plus->setChecked(false);
    minus->setChecked(false);
    plus->setAutoExclusive(true);
    minus->setAutoExclusive(true);
}

} // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    mechanism1_.Plane = MechanismPlane::Horizontal;
    mechanism2_.Plane = MechanismPlane::Vertical;
    CreateControls();
    ConnectHandlers();
    showB1_ = [this](double xB, double yB, double zB) {
        ShowCoordinate(lbxB, xB);
        ShowCoordinate(lbyB, yB);
        ShowCoordinate(lbzB, zB);
    };
    showB2_ = [this](double xB, double yB, double zB) {
        ShowCoordinate(lbxB_2, xB);
        ShowCoordinate(lbyB_2, yB);
        ShowCoordinate(lbzB_2, zB);
    };
    FormCreate();
}

TMainForm::~TMainForm() {
    FormDestroy();
}

void TMainForm::ConnectHandlers() {
    for (QToolButton* button : {sbNewProject, sbConstructionSetup}) {
        connect(button, &QToolButton::clicked, this, Command(this, &TMainForm::mnNewProjectClick));
    }
    for (QAction* action : {mnNewProject, pmnNewProject}) {
        connect(action, &QAction::triggered, this, Command(this, &TMainForm::mnNewProjectClick));
    }
    connect(sbSetup, &QToolButton::clicked, this, Command(this, &TMainForm::sbSetupClick));
    connect(mnSetup, &QAction::triggered, this, Command(this, &TMainForm::sbSetupClick));
    connect(sbAbout, &QToolButton::clicked, this, Command(this, &TMainForm::sbAboutClick));
    connect(mnAbout, &QAction::triggered, this, Command(this, &TMainForm::sbAboutClick));
    connect(sbExit, &QToolButton::clicked, this, Command(this, &TMainForm::mnCloseClick));
    connect(mnClose, &QAction::triggered, this, Command(this, &TMainForm::mnCloseClick));

    connect(bbRunWork, &QPushButton::clicked, this, Command(this, &TMainForm::bbRunWorkClick));
    connect(pmnRunWork, &QAction::triggered, this, Command(this, &TMainForm::bbRunWorkClick));
    connect(bbStepByStep, &QPushButton::clicked, this,
            Command(this, &TMainForm::bbStepByStepClick));

    // Each row's check box, "+" and "-" handlers. A check box acts on every change of its
    // state, the program's own unchecking included.
    using Handler = void (TMainForm::*)();
    const Handler driveHandlers[DriveRows][3] = {
        {&TMainForm::cb1Click, &TMainForm::rbRotPlus1Click, &TMainForm::rbRotMinus1Click},
        {&TMainForm::cb4Click, &TMainForm::rbRotPlus4Click, &TMainForm::rbRotMinus4Click},
        {&TMainForm::cb1_2Click, &TMainForm::rbRotPlus1_2Click, &TMainForm::rbRotMinus1_2Click},
        {&TMainForm::cb4_2Click, &TMainForm::rbRotPlus4_2Click, &TMainForm::rbRotMinus4_2Click},
    };
    for (int row = 0; row < DriveRows; ++row) {
        const LinkDrive& drive = drives_[static_cast<std::size_t>(row)];
        const auto [box, plus, minus] = driveHandlers[row];
        connect(drive.box, &QCheckBox::toggled, this, [this, box] { (this->*box)(); });
        connect(drive.plus, &QRadioButton::clicked, this, [this, plus] { (this->*plus)(); });
        connect(drive.minus, &QRadioButton::clicked, this, [this, minus] { (this->*minus)(); });
    }

    // The view selector acts on the user's picks only (and on a typed entry's name confirmed
    // with Enter); selecting from the program or typing other text changes nothing.
    connect(ProjectionsCombo, &QComboBox::activated, this,
            Command(this, &TMainForm::ProjectionsComboChange));
    connect(bbRotateScene, &QPushButton::clicked, this,
            Command(this, &TMainForm::bbRotateSceneClick));
    connect(pmnRotateScene, &QAction::triggered, this,
            Command(this, &TMainForm::bbRotateSceneClick));
    connect(bbRotatePlane, &QPushButton::clicked, this,
            Command(this, &TMainForm::bbRotatePlaneClick));
    connect(sbZoomIn, &QToolButton::clicked, this, Command(this, &TMainForm::sbZoomInClick));
    connect(pmnZoomIn, &QAction::triggered, this, Command(this, &TMainForm::sbZoomInClick));
    connect(sbZoomOut, &QToolButton::clicked, this, Command(this, &TMainForm::sbZoomOutClick));
    connect(pmnZoomOut, &QAction::triggered, this, Command(this, &TMainForm::sbZoomOutClick));
    // Enter in the degree entry converts; the key still reaches the entry afterwards.
    OnEnterKey(edGrad, [this] { edGradKeyPress(); });

    connect(this, &QWidget::customContextMenuRequested, this, &TMainForm::ShowPopupMenu);
    ConnectFileCommands();
    ConnectAnalysisHandlers();
}

void TMainForm::FormCreate() {
    QApplication::instance()->installEventFilter(this);
    CreateCycleWindow();
    CreateView();
}

void TMainForm::FormDestroy() {
    DestroyView();
    QApplication::instance()->removeEventFilter(this);
}

void TMainForm::ShowMaximizedCentred() {
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        QRect restored(QPoint(0, 0), available.size() * 4 / 5);
        restored.moveCenter(available.center());
        setGeometry(restored);
    }
    showMaximized();
    // Without a window manager nothing acts on the request to maximize, and the window fills
    // the screen's free area itself. A window manager also frames the window, which tells the
    // two cases apart.
    QTimer::singleShot(0, this, [this] {
        const QScreen* screen = this->screen();
        if (screen != nullptr && isMaximized() && frameGeometry() == geometry()) {
            setGeometry(screen->availableGeometry());
        }
    });
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        hint_ = static_cast<QStatusTipEvent*>(event)->tip();
        ShowHintInStatusBar();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TMainForm::Shows(const QObject* control, const char* caption) const {
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    const QString shown = button ? button->text() : qobject_cast<const QAction*>(control)->text();
    return shown == texts_.Tr(caption);
}

void TMainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
}

void TMainForm::Retranslate() {
    texts_.Retranslate();
    mnRussian->setChecked(CurrentLanguage() == Language::Russian);
    mnEnglish->setChecked(CurrentLanguage() == Language::English);
    RetranslateToolkitButtons(this);
    // The hint shown belongs to the language before; the next one comes with the mouse.
    hint_.clear();
    ShowHintInStatusBar();
}

void TMainForm::ShowHintInStatusBar() {
    statusBar()->showMessage(hint_);
}

void TMainForm::ShowPopupMenu(const QPoint& position) {
    PopupMenu->popup(mapToGlobal(position));
}

void TMainForm::InstallIdlePass() {
    InstallIdleHandler([this](bool& done) { IdlePass(done); });
}

void TMainForm::EnableControls(bool enabled) {
    ProjectionsCombo->setEnabled(enabled);
    bbRotateScene->setEnabled(enabled);
    pmnRotateScene->setEnabled(enabled);
    rbHorizontal->setEnabled(enabled);
    rbVertical->setEnabled(enabled);
    edGrad->setEnabled(enabled);
    bbRotatePlane->setEnabled(enabled);
    bbRunWork->setEnabled(enabled);
    pmnRunWork->setEnabled(enabled);
    bbStepByStep->setEnabled(enabled);
    sbZoomIn->setEnabled(enabled);
    sbZoomOut->setEnabled(enabled);
    pmnZoomIn->setEnabled(enabled);
    pmnZoomOut->setEnabled(enabled);
    for (QAction* action : {mnRunWork, mnStepByStep, mnZoomIn, mnZoomOut}) {
        action->setEnabled(enabled);
    }
    for (const LinkDrive& drive : drives_) {
        drive.panel->setEnabled(enabled);
    }
}

void TMainForm::ShowCoordinate(QLabel* label, double value) {
    const QString text = RealToFixedText(value);
    if (text == label->text()) {
        return;
    }
    label->setText(text);
    // A read-out's accessible name says what it shows; its description carries the value, and
    // changing it tells a screen reader that the value changed.
    label->setAccessibleDescription(text);
    QAccessibleEvent changed(label, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void TMainForm::ShowAngles() {
    ShowCoordinate(lbFi, Degrees(mechanism1_.Fi));
    ShowCoordinate(lbPsi, Degrees(mechanism1_.Psi));
    ShowCoordinate(lbKsi, Degrees(mechanism1_.Ksi));
    ShowCoordinate(lbGamma, Degrees(mechanism1_.Gamma));
    ShowCoordinate(lbFi_2, Degrees(mechanism2_.Fi));
    ShowCoordinate(lbPsi_2, Degrees(mechanism2_.Psi));
    ShowCoordinate(lbKsi_2, Degrees(mechanism2_.Ksi));
    ShowCoordinate(lbGamma_2, Degrees(mechanism2_.Gamma));
}

bool TMainForm::Animating() const {
    return AdvancesMove(mechanism1_) || AdvancesMove(mechanism2_) ||
           (ViewHost != nullptr && ViewHost->HasMotion(ViewHost->SceneFrame.get()));
}

void TMainForm::IdlePass(bool& done) {
    AdvanceRunning();
    const bool animating = Animating();
    if (animating || frameWanted_) {
        frameWanted_ = false;
        RenderStep();
    }
    ShowAngles();
    done = !animating || QApplication::activeWindow() != this;
}

void TMainForm::RequestFrame() {
    frameWanted_ = true;
    WakeIdleHandler();
}

void TMainForm::AdvanceRunning() {
    scene_.AdvanceRunning();
    emit Stepped();
}

void TMainForm::RenderStep() {
    if (ViewHost != nullptr) {
        ViewHost->RenderStep();
    }
}

void TMainForm::StepOnce() {
    AdvanceRunning();
    RenderStep();
    ShowAngles();
}

void TMainForm::NewConstruction() {
    MakeConstruction([this] { ConstructionParamForm_->exec(); });
}

void TMainForm::MakeConstruction(const std::function<void()>& enterParameters) {
    if (ConstructionParamForm_ == nullptr) {
        throw std::logic_error("The main window has no parameter dialog");
    }
    DestroyView();
    CreateView();
    texts_.Text(bbRunWork, kRunWorkCaption);
    // The new scene does not spin, and the toggle says so on both of its controls.
    texts_.Text(bbRotateScene, kRotateSceneCaption);
    texts_.Text(pmnRotateScene, kRotateSceneCaption);
    for (const LinkDrive& drive : drives_) {
        if (drive.box->isChecked()) {
            drive.box->setChecked(false);
        }
    }
    for (Mechanism* m : {&mechanism1_, &mechanism2_}) {
        m->dFi = 0;
        m->dGamma = 0;
        m->Psi = 0.0;
        m->Ksi = 0.0;
    }
    enterParameters();
    for (Mechanism* m : {&mechanism1_, &mechanism2_}) {
        m->dFi = 0;
        m->dGamma = 0;
    }
    emit DriveChanged(1);
    emit DriveChanged(2);
    if (!ParamsAccepted_) {
        ShowMessageBox(nullptr, tr("Нужно задать параметры конструкций 1 и 2 !"), tr("Ошибка !"),
                       MsgIcon::Warning, MsgButtons::Ok);
        // Without parameters there is no construction: nothing may step or turn what is gone.
        EnableControls(false);
        StopMechanism(mechanism1_);
        StopMechanism(mechanism2_);
        KeepAcceptedDesign(false);
        return;
    }
    StopMechanism(mechanism1_);
    StopMechanism(mechanism2_);
    RefPtr<IDirect3DRMFrame> camera;
    if (VideoPort->Viewport) {
        // Without a camera the camera stays null, and no scene is built.
        (void)VideoPort->Viewport->GetCamera(camera);
    }
    if (ViewHost->Engine && ViewHost->SceneFrame && camera) {
        scene_.BuildScene(ViewHost->Engine.get(), ViewHost->SceneFrame.get(), camera.get());
    }
    camera.reset();
    EnableControls(true);
    RequestFrame();
    InstallIdlePass();
    KeepAcceptedDesign(true);
}

void TMainForm::mnNewProjectClick() {
    if (MaySetDesignAside()) {
        NewConstruction();
    }
}

void TMainForm::mnCloseClick() {
    close();
}

void TMainForm::sbSetupClick() {
    RemoveIdleHandler();
    {
        TSetupForm setup(this);
        setup.SetView(ViewHost);
        setup.exec();
    }
    RequestFrame();
    InstallIdlePass();
}

void TMainForm::sbAboutClick() {
    TAboutForm about(this);
    about.exec();
}

void TMainForm::bbRunWorkClick() {
    const bool start = Shows(bbRunWork, kRunWorkCaption) && Shows(pmnRunWork, kRunWorkCaption);
    const char* caption = start ? kStopWorkCaption : kRunWorkCaption;
    texts_.Text(bbRunWork, caption);
    texts_.Text(pmnRunWork, caption);
    mechanism1_.Running = start;
    mechanism2_.Running = start;
}

void TMainForm::bbStepByStepClick() {
    RemoveIdleHandler();
    texts_.Text(bbRunWork, kRunWorkCaption);
    mechanism1_.Running = true;
    mechanism2_.Running = true;
    StepOnce();
    mechanism1_.Running = false;
    mechanism2_.Running = false;
    InstallIdlePass();
}

void TMainForm::LinkEnableChanged(DriveRow row) {
    const LinkDrive& drive = drives_[row];
    const bool ticked = drive.box->isChecked();
    drive.plus->setEnabled(ticked);
    drive.minus->setEnabled(ticked);
    if (!ticked) {
        UncheckBoth(drive.plus, drive.minus);
        SetStep(drive, static_cast<double>(DegToRad(0)));
    }
}

void TMainForm::DirectionChosen(DriveRow row, double sign) {
    const LinkDrive& drive = drives_[row];
    const Mechanism& m = *drive.mechanism;
    SetStep(drive, sign * (drive.link == 1 ? m.Velocity1 : m.Velocity4));
}

void TMainForm::SetStep(const LinkDrive& drive, double step) {
    double& field = drive.mechanism->*drive.step;
    if (field != step) {
        field = step;
        scene_.DriveChanged(*drive.mechanism);
        RequestFrame();
        emit DriveChanged(drive.mechanism == &mechanism1_ ? 1 : 2);
    }
}

void TMainForm::cb1Click() {
    LinkEnableChanged(Horizontal1);
}

void TMainForm::cb4Click() {
    LinkEnableChanged(Horizontal4);
}

void TMainForm::cb1_2Click() {
    LinkEnableChanged(Vertical1);
}

void TMainForm::cb4_2Click() {
    LinkEnableChanged(Vertical4);
}

void TMainForm::rbRotPlus1Click() {
    DirectionChosen(Horizontal1, 1);
}

void TMainForm::rbRotMinus1Click() {
    DirectionChosen(Horizontal1, -1);
}

void TMainForm::rbRotPlus4Click() {
    DirectionChosen(Horizontal4, 1);
}

void TMainForm::rbRotMinus4Click() {
    DirectionChosen(Horizontal4, -1);
}

void TMainForm::rbRotPlus1_2Click() {
    DirectionChosen(Vertical1, 1);
}

void TMainForm::rbRotMinus1_2Click() {
    DirectionChosen(Vertical1, -1);
}

void TMainForm::rbRotPlus4_2Click() {
    DirectionChosen(Vertical4, 1);
}

void TMainForm::rbRotMinus4_2Click() {
    DirectionChosen(Vertical4, -1);
}

} // namespace qor

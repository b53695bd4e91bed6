// TMainForm: the program's one main window. It holds the two mechanism records, shows their
// angles and point B, lets the user drive the links, run, stop and step both mechanisms, and
// hosts the 3D view in its centre, between the tool bar, the side panels and the bottom panel.
#pragma once

#include "design/Design.h"
#include "forms/TranslatedTexts.h"
#include "kinematics/Mechanism.h"
#include "kinematics/Solver.h"
#include "scene/MechanismScene.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class QAction;
class QCheckBox;
class QCloseEvent;
class QComboBox;
class QDragEnterEvent;
class QDropEvent;
class QEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPoint;
class QPushButton;
class QRadioButton;
class QToolButton;
class QWidget;

namespace qor {

class TConstructionParamForm;
class TCycleForm;
class TD3dView;
class TVport;

class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;
    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    // The records and the flag that the parameter dialog fills.
    Mechanism& Mechanism1() { return mechanism1_; }
    Mechanism& Mechanism2() { return mechanism2_; }
    bool& ParamsAccepted() { return ParamsAccepted_; }

    // The parameter dialog, made once at start-up and reused by every new construction. The
    // window does not own it.
    void SetConstructionParamForm(TConstructionParamForm* form) { ConstructionParamForm_ = form; }

    // Shows the window maximized; restored, it stands centred on its screen.
    void ShowMaximizedCentred();

    // Switches the view and motion controls that need a construction, all to one state.
    void EnableControls(bool enabled);

    // Writes the four angles of both mechanisms, in degrees, into their read-outs.
    void ShowAngles();

    // Writes a value into a read-out: fixed notation, two decimals, the current separator. A
    // changed text is announced to a screen reader; the same text again changes nothing.
    static void ShowCoordinate(QLabel* label, double value);

    // The application's idle hook while a construction is shown: one step of every running
    // mechanism, one engine tick, then the read-outs. While something moves (a running
    // mechanism with a driven link, or the spinning scene) it asks for the next pass at once as
    // long as this window is active. With nothing moving the tick is drawn only when a frame is
    // owed (RequestFrame), and the program waits for the next event: the picture would be the
    // same, and drawing it again would only keep the processor busy.
    void IdlePass(bool& done);

    // Something changed the picture without drawing it (a viewpoint, a zoom, a new scene): the
    // next idle pass draws a frame.
    void RequestFrame();

    // True while the idle pass has something to move: a running mechanism whose driven links
    // turn, or a spinning scene.
    bool Animating() const;

    // One step of each running mechanism, mechanism 1 first.
    void AdvanceRunning();

    // One step of every running mechanism, one engine tick (which draws the frame and turns a
    // spinning scene), then the read-outs: the same order as an idle pass.
    void StepOnce();

    // Asks for the parameters of both mechanisms and, when they are accepted, starts afresh with
    // them: both mechanisms stopped, no link driven, the controls enabled, the idle pass running.
    void NewConstruction();

    // Opens a design file: when the file holds a design that the parameter dialog accepts, a new
    // construction is made from it as if its values had been typed, with its links driven as it
    // says, and the window names the file. Otherwise one box says why and nothing changes. A
    // shown design with unsaved changes is offered for saving first. Returns whether it opened.
    bool OpenDesign(const QString& path);

    // The file of the design shown; empty when it has none.
    const QString& DesignFile() const { return designFile_; }

    // The view host and its viewport control; null only while a new construction replaces them.
    TD3dView* View() const { return ViewHost; }
    TVport* Vport() const { return VideoPort; }
    // The frames of the construction shown; none before the first construction and after a
    // cancelled one.
    const MechanismScene& Scene() const { return scene_; }
    // The dock window with the cycle of each mechanism; hidden until asked for.
    TCycleForm* CycleForm() const { return CycleWindow; }

signals:
    // The drive of mechanism 1 or 2 changed: a link's step was set or cleared, or a new
    // construction replaced the mechanism. Whatever changes a record's angles other than by an
    // advance says so here.
    void DriveChanged(int mechanism);
    // The running mechanisms (those whose Running is set) have each made one advance.
    void Stepped();

protected:
    // The application's hint handler: every status tip, from any window, reaches the status bar.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A change of language shows every text again in the new language.
    void changeEvent(QEvent* event) override;
    // Closing offers unsaved changes of a design file for saving first, and remembers the place
    // of the dock windows for the next start (FrmMainFiles.cpp).
    void closeEvent(QCloseEvent* event) override;
    // A design file dropped on the window is opened (FrmMainFiles.cpp).
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Building the window (FrmMainControls.cpp).
    void CreateControls();
    void CreateMenus();
    // The "Движение" menu: the motion and zoom buttons' commands with their keys, made once the
    // buttons are (FrmMainMotionMenu.cpp).
    void CreateMotionMenu();
    // "Настройки" → "Язык / Language": the language of the texts, chosen at once and remembered
    // for the next start (FrmMainLanguage.cpp).
    void CreateLanguageMenu(QMenu* settings);
    void Retranslate();
    // True when the button's or the action's caption is the translation of `caption` (a
    // two-state caption, which tells the command's state).
    bool Shows(const QObject* control, const char* caption) const;
    void CreateToolBar();
    void CreatePopupMenu();
    QWidget* CreateLeftPanel();
    QWidget* CreateRightPanel();
    QWidget* CreateBottomPanel();
    QWidget* CreateLinkPanel();
    void ConnectHandlers();
    // The "Анализ" menu, its items in the pop-up menu and their commands (FrmMainAnalysis.cpp).
    void CreateAnalysisMenu();
    void AddAnalysisToPopupMenu();
    void ConnectAnalysisHandlers();
    void mnCouplerPathClick(bool checked);
    void mnCircleConstructionClick(bool checked);

    void FormCreate();
    void FormDestroy();
    void CreateView();
    void DestroyView();
    void InstallIdlePass();
    void ShowHintInStatusBar();
    void ShowPopupMenu(const QPoint& position);
    // Renders one engine tick in the view host, if there is one.
    void RenderStep();
    // The new-construction workflow with the parameters entered by `enterParameters` where the
    // dialog would be shown: the dialog itself, or its acceptance of an opened design.
    void MakeConstruction(const std::function<void()>& enterParameters);

    // Design files (FrmMainFiles.cpp).
    void CreateFileCommands(QMenu* file);
    void ConnectFileCommands();
    // After a new construction: keeps the values the dialog accepted, or forgets the design
    // (and its file) when there is no construction.
    void KeepAcceptedDesign(bool accepted);
    // The construction shown with its drives as the link panel shows them.
    Design CurrentDesign() const;
    // Ticks the links the design drives and chooses their directions, through their handlers.
    void ShowDrives(const Design& design);
    // True when the design shown has a file and differs from what was last opened or saved.
    bool DesignChanged() const;
    // Asks whether to save a changed design first; false when the user cancels or saving fails.
    bool MaySetDesignAside();
    // OpenDesign as a user command: an exception it raises is shown, and the program goes on.
    void OpenDesignCommand(const QString& path);
    bool SaveDesignAs(const QString& path);
    void UpdateFileCommands();
    void FillRecentMenu();
    void FillExamplesMenu();
    void mnOpenClick();
    bool mnSaveClick();
    bool mnSaveAsClick();
    void mnSaveImageClick();

    // Command handlers, named after their controls. Shared ones serve a button, a menu item
    // and a pop-up item alike.
    void mnNewProjectClick();
    void mnCloseClick();
    void sbSetupClick();
    void sbAboutClick();
    void bbRunWorkClick();
    void bbStepByStepClick();
    void cb1Click();
    void cb4Click();
    void cb1_2Click();
    void cb4_2Click();
    void rbRotPlus1Click();
    void rbRotMinus1Click();
    void rbRotPlus4Click();
    void rbRotMinus4Click();
    void rbRotPlus1_2Click();
    void rbRotMinus1_2Click();
    void rbRotPlus4_2Click();
    void rbRotMinus4_2Click();

    // The view commands (FrmMainView.cpp).
    void ProjectionsComboChange();
    void bbRotateSceneClick();
    void edGradKeyPress();
    void bbRotatePlaneClick();
    void sbZoomInClick();
    void sbZoomOutClick();
    // Reads edGrad as degrees and shows them in edRad as radians with two decimals.
    void ShowRadians();

    // The cycle window (FrmMainCycle.cpp): made hidden with the window, put back where it was
    // at the last end, and shown by its menu item.
    void CreateCycleWindow();
    void mnCycleClick();
    void SaveWindowState();
    void RestoreWindowState();

    // One driven link: the mechanism and the link it turns, its small panel with the check box
    // and the "+" and "-" buttons, and the step field they set.
    struct LinkDrive {
        Mechanism* mechanism = nullptr;
        int link = 0; // 1 or 4
        QFrame* panel = nullptr;
        QCheckBox* box = nullptr;
        QRadioButton* plus = nullptr;
        QRadioButton* minus = nullptr;
        double Mechanism::*step = nullptr; // dFi for link 1, dGamma for link 4
    };
    // The rows of the link panel, mechanism 1's links first.
    enum DriveRow { Horizontal1, Horizontal4, Vertical1, Vertical4, DriveRows };

    // Makes the row's small panel and controls, named after the row's suffix ("1", "4_2").
    LinkDrive CreateDrive(Mechanism& mechanism, int link, const QString& panelName,
                          const QString& suffix, const char* boxHint);
    // The row's check box changed: ticked, its direction buttons may be chosen; cleared, they
    // are disabled and unchecked and the link's step is 0.
    void LinkEnableChanged(DriveRow row);
    // The row's "+" (sign 1) or "-" (sign -1) button was chosen: the step is the link's velocity
    // with that sign.
    void DirectionChosen(DriveRow row, double sign);
    // The row's step is set to `step`; a change is announced with DriveChanged.
    void SetStep(const LinkDrive& drive, double step);

    Mechanism mechanism1_; // horizontal: lies on the floor
    Mechanism mechanism2_; // vertical: stands in front of the wall
    bool ParamsAccepted_ = false;
    bool frameWanted_ = false; // a frame is owed to a change of the picture
    TConstructionParamForm* ConstructionParamForm_ = nullptr;
    QString hint_;
    // Every text of the window and the language it is shown in.
    TranslatedTexts texts_{"qor::TMainForm"};

    // Where each mechanism's solver writes point B; made once, so that a step allocates nothing.
    PointBReadout showB1_;
    PointBReadout showB2_;
    // The frames of the construction shown, moved with the mechanisms.
    MechanismScene scene_{mechanism1_, mechanism2_, showB1_, showB2_};

    // The centre: ViewHostArea keeps its place in the layout, and CreateView puts the view
    // inside it, DestroyView takes it out.
    QWidget* ViewHostArea = nullptr;
    TD3dView* ViewHost = nullptr;
    TVport* VideoPort = nullptr;

    // Tool bar.
    QToolButton* sbNewProject = nullptr;
    QToolButton* sbSetup = nullptr;
    QToolButton* sbAbout = nullptr;
    QToolButton* sbExit = nullptr;
    QToolButton* sbConstructionSetup = nullptr;

    // Main menu.
    QAction* mnNewProject = nullptr;
    QAction* mnClose = nullptr;
    QAction* mnSetup = nullptr;
    QAction* mnCycle = nullptr;
    QAction* mnHelp = nullptr;
    QAction* mnAbout = nullptr;
    QAction* mnCouplerPath = nullptr;        // checkable, in the pop-up menu too
    QAction* mnCircleConstruction = nullptr; // checkable, in the pop-up menu too
    QAction* mnRussian = nullptr;            // the two languages, one of them checked
    QAction* mnEnglish = nullptr;

    // The "Движение" menu: each item clicks its button, and is enabled with it.
    QAction* mnRunWork = nullptr;
    QAction* mnStepByStep = nullptr;
    QAction* mnZoomIn = nullptr;
    QAction* mnZoomOut = nullptr;

    // The "Файл" menu's commands on design files.
    QAction* mnOpen = nullptr;
    QMenu* mnRecent = nullptr;
    QMenu* mnExamples = nullptr;
    QAction* mnSave = nullptr;
    QAction* mnSaveAs = nullptr;
    QAction* mnSaveImage = nullptr;

    // The values of the construction shown, in the dialog's units, as accepted or opened (the
    // records' angles move with the animation); none without a construction.
    std::optional<Design> construction_;
    // The file of the design shown, and the design as last opened from or saved to it.
    QString designFile_;
    Design savedDesign_;

    // Pop-up menu.
    QMenu* PopupMenu = nullptr;
    QAction* pmnRunWork = nullptr;
    QAction* pmnRotateScene = nullptr;
    QAction* pmnZoomIn = nullptr;
    QAction* pmnZoomOut = nullptr;
    QAction* pmnNewProject = nullptr;

    // Left panel: the view commands.
    QComboBox* ProjectionsCombo = nullptr;
    QPushButton* bbRotateScene = nullptr;
    QToolButton* sbZoomIn = nullptr;
    QToolButton* sbZoomOut = nullptr;
    QRadioButton* rbHorizontal = nullptr;
    QRadioButton* rbVertical = nullptr;
    QLineEdit* edGrad = nullptr;
    QLineEdit* edRad = nullptr;
    QPushButton* bbRotatePlane = nullptr;

    // Right panel: point B of both mechanisms.
    QLabel* lbxB = nullptr;
    QLabel* lbyB = nullptr;
    QLabel* lbzB = nullptr;
    QLabel* lbxB_2 = nullptr;
    QLabel* lbyB_2 = nullptr;
    QLabel* lbzB_2 = nullptr;

    // Bottom panel: motion and the angle read-outs.
    QPushButton* bbRunWork = nullptr;
    QPushButton* bbStepByStep = nullptr;
    // The link drives: paHorizontal1 with cb1, rbRotPlus1 and rbRotMinus1, paHorizontal4 with
    // cb4, ..., paVertical4 with cb4_2, rbRotPlus4_2 and rbRotMinus4_2.
    std::array<LinkDrive, DriveRows> drives_{};
    QLabel* lbFi = nullptr;
    QLabel* lbPsi = nullptr;
    QLabel* lbKsi = nullptr;
    QLabel* lbGamma = nullptr;
    QLabel* lbFi_2 = nullptr;
    QLabel* lbPsi_2 = nullptr;
    QLabel* lbKsi_2 = nullptr;
    QLabel* lbGamma_2 = nullptr;

    TCycleForm* CycleWindow = nullptr;
};

} // namespace qor

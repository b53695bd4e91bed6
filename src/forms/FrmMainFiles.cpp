// The main window's design files: opening one (the menu, the recent designs, the examples, the
// command line, a drop on the window), saving it, the question before unsaved changes are set
// aside, the window's title, and a picture of the view.
#include "forms/FrmMain.h"

#include "forms/DesignFiles.h"
#include "forms/DialogFrame.h"
#include "forms/FrmConstrParamSet.h"
#include "forms/Widgets.h"
#include "platform/AppPaths.h"
#include "platform/AtomicFile.h"
#include "platform/MessageBox.h"
#include "platform/RecentFiles.h"
#include "view/TD3dView.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace qor {
namespace {

const char* const kOpenCaption = QT_TRANSLATE_NOOP("qor::TMainForm", "Открыть…");
const char* const kRecentCaption = QT_TRANSLATE_NOOP("qor::TMainForm", "Последние");
const char* const kExamplesCaption = QT_TRANSLATE_NOOP("qor::TMainForm", "Примеры");
const char* const kSaveCaption = QT_TRANSLATE_NOOP("qor::TMainForm", "Сохранить");
const char* const kSaveAsCaption = QT_TRANSLATE_NOOP("qor::TMainForm", "Сохранить как…");
const char* const kSaveImageCaption = QT_TRANSLATE_NOOP("qor::TMainForm", "Сохранить изображение…");
const char* const kOpenTitle = QT_TRANSLATE_NOOP("qor::TMainForm", "Открыть конструкцию");
const char* const kSaveTitle = QT_TRANSLATE_NOOP("qor::TMainForm", "Сохранить конструкцию");
const char* const kSaveImageTitle = QT_TRANSLATE_NOOP("qor::TMainForm", "Сохранить изображение");
const char* const kDesignFilter = QT_TRANSLATE_NOOP("qor::TMainForm", "Конструкции QOR (*.qor)");
const char* const kPictureFilter = QT_TRANSLATE_NOOP("qor::TMainForm", "Изображения PNG (*.png)");
const char* const kUntitledName = QT_TRANSLATE_NOOP("qor::TMainForm", "конструкция");
const QString kTitle = QStringLiteral("QOR");
const QString kTitleWithFile = QStringLiteral("QOR — %1");
const char* const kSaveChangesQuestion =
    QT_TRANSLATE_NOOP("qor::TMainForm", "Сохранить изменения в «%1»?");
const char* const kNoPicture = QT_TRANSLATE_NOOP(
    "qor::TMainForm", "Изображение не сохранено: вид сейчас не показан на экране.");
const char* const kNoPng =
    QT_TRANSLATE_NOOP("qor::TMainForm", "Не удаётся сделать из изображения файл PNG.");
const char* const kErrorCaption = QT_TRANSLATE_NOOP("qor::TMainForm", "Ошибка !");

const QString kDesignSuffix = QStringLiteral("qor");
const QString kPictureSuffix = QStringLiteral("png");

// The first local file among the dropped ones that is named as a design.
QString DroppedDesign(const QMimeData* data) {
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (QFileInfo(path).suffix().compare(kDesignSuffix, Qt::CaseInsensitive) == 0) {
            return path;
        }
    }
    return {};
}

// Where a file dialog starts: the folder of the design shown, else of the design used last,
// else the user's documents.
QString StartFolder(const QString& designFile) {
    if (!designFile.isEmpty()) {
        return QFileInfo(designFile).absolutePath();
    }
    const QStringList recent = RecentFiles();
    if (!recent.isEmpty()) {
        return QFileInfo(recent.front()).absolutePath();
    }
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// A modal file dialog; the chosen file, or empty when the user cancelled. `start` is a folder,
// or a file in one that the dialog proposes.
QString ChooseFile(QWidget* parent, QFileDialog::AcceptMode mode, const QString& title,
                   const QString& start, const QString& filter, const QString& suffix) {
    QFileDialog dialog(parent, title, start, filter);
    dialog.setObjectName(QStringLiteral("FileDialog"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

// The drive that a link's check box and direction buttons show; a ticked link with no direction
// chosen does not move, so it is off.
LinkDrive DriveShownBy(const QCheckBox* box, const QRadioButton* plus, const QRadioButton* minus) {
    if (!box->isChecked()) {
        return LinkDrive::Off;
    }
    if (plus->isChecked()) {
        return LinkDrive::Plus;
    }
    return minus->isChecked() ? LinkDrive::Minus : LinkDrive::Off;
}

// The drive of link 1 or 4 of mechanism 1 or 2 in a design.
template <class AnyDesign> auto& DriveIn(AnyDesign& design, bool mechanism1, int link) {
    auto& m = design.Mechanisms[mechanism1 ? 0 : 1];
    return link == 1 ? m.Link1 : m.Link4;
}

void ShowError(QWidget* owner, const QString& message) {
    ShowMessageBox(owner, message, QCoreApplication::translate("qor::TMainForm", kErrorCaption),
                   MsgIcon::Warning, MsgButtons::Ok);
}

} // namespace

void TMainForm::CreateFileCommands(QMenu* file) {
    mnOpen = texts_.Text(CreateAction(this, QStringLiteral("mnOpen"), {}), kOpenCaption);
    mnOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnRecent = texts_.Text(new QMenu(this), kRecentCaption);
    mnRecent->setObjectName(QStringLiteral("mnRecent"));
    mnExamples = texts_.Text(new QMenu(this), kExamplesCaption);
    mnExamples->setObjectName(QStringLiteral("mnExamples"));
    mnSave = texts_.Text(CreateAction(this, QStringLiteral("mnSave"), {}), kSaveCaption);
    mnSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnSaveAs = texts_.Text(CreateAction(this, QStringLiteral("mnSaveAs"), {}), kSaveAsCaption);
    mnSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    mnSaveImage =
        texts_.Text(CreateAction(this, QStringLiteral("mnSaveImage"), {}), kSaveImageCaption);

    file->addAction(mnOpen);
    file->addMenu(mnRecent);
    file->addMenu(mnExamples);
    file->addSeparator();
    file->addAction(mnSave);
    file->addAction(mnSaveAs);
    file->addAction(mnSaveImage);
    FillExamplesMenu();
    UpdateFileCommands();
}

void TMainForm::ConnectFileCommands() {
    connect(mnOpen, &QAction::triggered, this, Command(this, &TMainForm::mnOpenClick));
    connect(mnSave, &QAction::triggered, this, [this] { RunCommand([this] { mnSaveClick(); }); });
    connect(mnSaveAs, &QAction::triggered, this,
            [this] { RunCommand([this] { mnSaveAsClick(); }); });
    connect(mnSaveImage, &QAction::triggered, this, Command(this, &TMainForm::mnSaveImageClick));
    // Whether a listed file is there is looked at whenever the list is shown.
    connect(mnRecent, &QMenu::aboutToShow, this, &TMainForm::FillRecentMenu);
    setAcceptDrops(true);
}

void TMainForm::UpdateFileCommands() {
    setWindowTitle(designFile_.isEmpty() ? kTitle
                                         : kTitleWithFile.arg(QFileInfo(designFile_).fileName()));
    const bool shown = construction_.has_value();
    mnSave->setEnabled(shown);
    mnSaveAs->setEnabled(shown);
    mnSaveImage->setEnabled(shown);
    // The items themselves are made when the list is shown: one of them may be the command
    // that is running now.
    mnRecent->menuAction()->setEnabled(!RecentFiles().isEmpty());
}

void TMainForm::FillRecentMenu() {
    mnRecent->clear();
    const QStringList files = RecentFiles();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString& path = files[i];
        QAction* item = mnRecent->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        item->setStatusTip(QDir::toNativeSeparators(path));
        // A file that is not there now (a stick taken out, a file moved) stays listed, greyed, so
        // that it comes back with its stick.
        item->setEnabled(QFileInfo(path).isFile());
        connect(item, &QAction::triggered, this, [this, path] { OpenDesignCommand(path); });
    }
    mnRecent->menuAction()->setEnabled(!files.isEmpty());
}

void TMainForm::FillExamplesMenu() {
    const QString folder = ExamplesFolder();
    const QFileInfoList examples =
        folder.isEmpty()
            ? QFileInfoList()
            : QDir(folder).entryInfoList({QStringLiteral("*.qor")}, QDir::Files, QDir::Name);
    for (const QFileInfo& example : examples) {
        QAction* item = mnExamples->addAction(example.fileName());
        item->setStatusTip(QDir::toNativeSeparators(example.absoluteFilePath()));
        connect(item, &QAction::triggered, this,
                [this, path = example.absoluteFilePath()] { OpenDesignCommand(path); });
    }
    mnExamples->menuAction()->setEnabled(!examples.isEmpty());
}

void TMainForm::KeepAcceptedDesign(bool accepted) {
    if (accepted) {
        construction_ = ConstructionParamForm_->AcceptedDesign();
    } else {
        construction_.reset();
        designFile_.clear();
    }
    UpdateFileCommands();
}

Design TMainForm::CurrentDesign() const {
    Design design = construction_.value_or(Design{});
    for (const LinkDrive& drive : drives_) {
        DriveIn(design, drive.mechanism == &mechanism1_, drive.link) =
            DriveShownBy(drive.box, drive.plus, drive.minus);
    }
    return design;
}

void TMainForm::ShowDrives(const Design& design) {
    for (const LinkDrive& drive : drives_) {
        const qor::LinkDrive direction =
            DriveIn(design, drive.mechanism == &mechanism1_, drive.link);
        if (direction == qor::LinkDrive::Off) {
            continue;
        }
        drive.box->setChecked(true);
        (direction == qor::LinkDrive::Plus ? drive.plus : drive.minus)->click();
    }
}

bool TMainForm::DesignChanged() const {
    return !designFile_.isEmpty() && construction_ && CurrentDesign() != savedDesign_;
}

bool TMainForm::MaySetDesignAside() {
    if (!DesignChanged()) {
        return true;
    }
    const MsgResult answer =
        ShowMessageBox(this, tr(kSaveChangesQuestion).arg(QFileInfo(designFile_).fileName()),
                       kTitle, MsgIcon::Question, MsgButtons::SaveDiscardCancel);
    if (answer == MsgResult::Save) {
        return mnSaveClick();
    }
    return answer == MsgResult::Discard;
}

bool TMainForm::OpenDesign(const QString& path) {
    // The file is read before anything is asked, so that a broken one changes nothing; and again
    // afterwards, since the answer may have saved the design shown into this very file.
    const auto readOrSay = [this, &path]() -> std::optional<Design> {
        auto read = ReadDesignFile(path);
        if (const QString* message = std::get_if<QString>(&read)) {
            ShowError(this, *message);
            return std::nullopt;
        }
        return std::get<Design>(read);
    };
    if (!readOrSay() || !MaySetDesignAside()) {
        return false;
    }
    const std::optional<Design> design = readOrSay();
    if (!design) {
        return false;
    }
    MakeConstruction([this, &design] { ConstructionParamForm_->AcceptDesign(*design); });
    if (!construction_) {
        return false;
    }
    ShowDrives(*design);
    designFile_ = QFileInfo(path).absoluteFilePath();
    savedDesign_ = CurrentDesign();
    AddRecentFile(designFile_);
    UpdateFileCommands();
    return true;
}

void TMainForm::OpenDesignCommand(const QString& path) {
    RunCommand([this, &path] { OpenDesign(path); });
}

void TMainForm::mnOpenClick() {
    const QString path = ChooseFile(this, QFileDialog::AcceptOpen, tr(kOpenTitle),
                                    StartFolder(designFile_), tr(kDesignFilter), kDesignSuffix);
    if (!path.isEmpty()) {
        OpenDesign(path);
    }
}

bool TMainForm::SaveDesignAs(const QString& path) {
    const Design design = CurrentDesign();
    if (const std::optional<QString> message = WriteDesignFile(path, design)) {
        ShowError(this, *message);
        return false;
    }
    designFile_ = QFileInfo(path).absoluteFilePath();
    savedDesign_ = design;
    AddRecentFile(designFile_);
    UpdateFileCommands();
    return true;
}

bool TMainForm::mnSaveClick() {
    if (!construction_) {
        return false;
    }
    // An example stays as shipped: its changes go to a file of the user's choosing.
    const bool example =
        !designFile_.isEmpty() && QFileInfo(designFile_).absolutePath() == ExamplesFolder();
    return designFile_.isEmpty() || example ? mnSaveAsClick() : SaveDesignAs(designFile_);
}

bool TMainForm::mnSaveAsClick() {
    if (!construction_) {
        return false;
    }
    const QString proposed =
        designFile_.isEmpty()
            ? QDir(StartFolder(designFile_)).filePath(tr(kUntitledName) + QStringLiteral(".qor"))
            : designFile_;
    const QString path = ChooseFile(this, QFileDialog::AcceptSave, tr(kSaveTitle), proposed,
                                    tr(kDesignFilter), kDesignSuffix);
    return !path.isEmpty() && SaveDesignAs(path);
}

void TMainForm::mnSaveImageClick() {
    if (ViewHost == nullptr) {
        return;
    }
    // Taken before the dialog opens: the picture the user chose to keep, not a later frame.
    const QImage picture = ViewHost->GrabPicture().convertToFormat(QImage::Format_RGB32);
    if (picture.isNull()) {
        ShowError(this, tr(kNoPicture));
        return;
    }
    const QString name =
        designFile_.isEmpty() ? tr(kUntitledName) : QFileInfo(designFile_).completeBaseName();
    const QString path =
        ChooseFile(this, QFileDialog::AcceptSave, tr(kSaveImageTitle),
                   QDir(StartFolder(designFile_)).filePath(name + QStringLiteral(".png")),
                   tr(kPictureFilter), kPictureSuffix);
    if (path.isEmpty()) {
        return;
    }
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG")) {
        ShowError(this, tr(kNoPng));
        return;
    }
    if (const std::optional<FileWriteError> error = WriteFileAtomically(path, png)) {
        ShowError(this, FileWriteErrorText(path, *error));
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (MaySetDesignAside()) {
        SaveWindowState();
        QMainWindow::closeEvent(event);
    } else {
        event->ignore();
    }
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedDesign(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void TMainForm::dropEvent(QDropEvent* event) {
    const QString path = DroppedDesign(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // Opened once the drop is over, so that the program the file came from is not kept waiting
    // while a box asks or reports.
    QTimer::singleShot(0, this, [this, path] { OpenDesignCommand(path); });
}

} // namespace qor

// Design files at the main window: opening from the command line, the menu and the examples,
// broken files that change nothing, saving and reopening, the question before unsaved changes
// are set aside, and the picture of the view.
#include "MainWindowFixture.h"
#include "QStringPrinter.h"
#include "app/Startup.h"
#include "design/DesignFile.h"
#include "forms/DesignFiles.h"
#include "platform/MessageBox.h"
#include "view/TD3dView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>
#include <string>
#include <variant>

namespace {

using qor::Design;
using qor::LinkDrive;
using qor::MsgResult;

const QString kExamples = QStringLiteral("examples");

double Rad(double degrees) {
    return static_cast<double>(qor::DegToRad(degrees));
}

Design Read(const QString& path) {
    auto read = qor::ReadDesignFile(path);
    EXPECT_TRUE(std::holds_alternative<Design>(read)) << path.toStdString();
    return std::holds_alternative<Design>(read) ? std::get<Design>(read) : Design{};
}

void WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(text), text.size());
}

// The drive that the window's check box and buttons of a link show ("1", "4", "1_2", "4_2").
LinkDrive DriveShown(const QWidget& form, const QString& suffix) {
    if (!form.findChild<QCheckBox*>("cb" + suffix)->isChecked()) {
        return LinkDrive::Off;
    }
    if (form.findChild<QRadioButton*>("rbRotPlus" + suffix)->isChecked()) {
        return LinkDrive::Plus;
    }
    return form.findChild<QRadioButton*>("rbRotMinus" + suffix)->isChecked() ? LinkDrive::Minus
                                                                             : LinkDrive::Off;
}

// The values the dialog's entries hold and the drives the window shows, as a design.
Design Shown(const qor::TMainForm& form) {
    Design shown;
    for (int k = 1; k <= 2; ++k) {
        const QString s = k == 2 ? QStringLiteral("_2") : QString();
        const auto text = [&](const QString& name) {
            return form.findChild<QLineEdit*>(name + s)->text();
        };
        const auto length = [&](int link) {
            return qor::TextToInteger(
                form.findChild<QComboBox*>(QStringLiteral("L%1%2Combo").arg(link).arg(s))
                    ->currentText());
        };
        qor::MechanismDesign& m = shown.Mechanisms[static_cast<std::size_t>(k - 1)];
        m = {qor::TextToReal(text("edA")),
             qor::TextToReal(text("edB")),
             length(1),
             length(2),
             length(3),
             length(4),
             qor::TextToReal(text("edVelocity1")),
             qor::TextToReal(text("edVelocity4")),
             qor::TextToReal(text("edfi0")),
             qor::TextToReal(text("edgamma0")),
             DriveShown(form, QStringLiteral("1") + s),
             DriveShown(form, QStringLiteral("4") + s)};
    }
    return shown;
}

// The window shows the design of the file, names it, and nothing moves.
void ExpectOpened(qor::TMainForm& form, const QString& path) {
    EXPECT_EQ(Shown(form), Read(path)) << path.toStdString();
    EXPECT_EQ(form.windowTitle(), "QOR — " + QFileInfo(path).fileName());
    EXPECT_EQ(form.DesignFile(), QFileInfo(path).absoluteFilePath());
    EXPECT_TRUE(form.ParamsAccepted());
    EXPECT_EQ(form.Mechanism1().Fi, Rad(Read(path).Mechanisms[0].fi0));
    EXPECT_EQ(form.findChild<QPushButton*>("bbRunWork")->text(), "Запустить механизм");
}

// Chooses `path` in the file dialog that the next command opens.
void ChooseInFileDialog(const QString& path) {
    qortest::WhenModal([path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr) << "no file dialog";
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

class MainWindowFiles : public qortest::MainWindow {
protected:
    // A copy of an example in a folder of the test's own, so that saving may change it.
    QString Copy(const QString& example, const QString& name) {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(QFile::copy(QDir(kExamples).filePath(example), path));
        return path;
    }
    void Trigger(const std::string& action) { Get<QAction>(action)->trigger(); }

    QTemporaryDir folder;
    qor::MessageBoxRecorder boxes;
};

TEST(DesignOnTheCommandLine, OpensWithTheWindow) {
    const QString path = QDir(kExamples).absoluteFilePath("figure-eight.qor");
    qor::MessageBoxRecorder boxes;
    const std::unique_ptr<qor::TMainForm> form = qor::StartMainWindow(path);
    ExpectOpened(*form, path);
    EXPECT_TRUE(boxes.Shown().empty());
}

// The recent designs: the last eight, newest first; one that is gone stays listed but cannot be
// chosen.
QStringList RecentShown(QMenu* recent) {
    emit recent->aboutToShow();
    QStringList shown;
    for (const QAction* item : recent->actions()) {
        shown << item->text() + (item->isEnabled() ? "" : " (gone)");
    }
    return shown;
}

TEST_F(MainWindowFiles, EveryExampleOpensFromTheMenuWithoutAMessage) {
    const QFileInfoList examples = QDir(kExamples).entryInfoList({"*.qor"}, QDir::Files);
    ASSERT_GE(examples.size(), 5);
    QStringList newestFirst;
    for (const QFileInfo& example : examples) {
        ChooseInFileDialog(example.absoluteFilePath());
        Trigger("mnOpen");
        ExpectOpened(form, example.absoluteFilePath());
        EXPECT_EQ(boxes.Texts(), QStringList()) << example.fileName().toStdString();
        newestFirst.prepend(example.fileName());
    }
    for (const char* name : {"c1.qor", "c2.qor", "c3.qor"}) {
        ASSERT_TRUE(form.OpenDesign(Copy("defaults.qor", name)));
        newestFirst.prepend(name);
    }
    ASSERT_TRUE(QFile::remove(folder.filePath("c3.qor")));
    newestFirst[0] += " (gone)";
    QStringList expected;
    for (int i = 0; i < 8; ++i) {
        expected << QStringLiteral("&%1 %2").arg(i + 1).arg(newestFirst[i]);
    }
    EXPECT_EQ(RecentShown(Get<QMenu>("mnRecent")), expected);
}

TEST_F(MainWindowFiles, ADesignDroppedOnTheWindowOpens) {
    const QString path = QDir(kExamples).absoluteFilePath("large.qor");
    for (const QString& dropped : {QDir(kExamples).absoluteFilePath("../README.md"), path}) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(dropped)});
        // As a drag does it: the window takes the drop only after taking the drag's entry.
        const QPoint at = form.rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&form, &enter);
        EXPECT_EQ(enter.isAccepted(), dropped == path);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&form, &drop);
        EXPECT_EQ(drop.isAccepted(), dropped == path);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.DesignFile() == path; }));
    ExpectOpened(form, path);
}

TEST_F(MainWindowFiles, ABrokenFileChangesNothingAndSaysWhereInOneMessage) {
    const QString good = Copy("two-speeds.qor", "good.qor");
    ASSERT_TRUE(form.OpenDesign(good));
    QFile text(good);
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    QByteArray couplers = text.readAll();
    const qsizetype l3 = couplers.indexOf("L3=");
    couplers.insert(l3 + 3, "1");
    const int l3Line = static_cast<int>(couplers.left(l3).count('\n')) + 1;
    struct Broken {
        QString name;
        QByteArray text; // none: the name is what it is
        QString reason;
    };
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.qor"));
    const Broken cases[] = {
        {"missing.qor", {}, "не найден"},
        {"folder.qor", {}, "папка"},
        {"empty.qor", " \n", "пуст"},
        {"large.qor", QByteArray(static_cast<qsizetype>(qor::MaxDesignTextSize) + 1, '#'), "1 МБ"},
        {"couplers.qor", couplers, QStringLiteral("строка %1: L2 ≠ L3").arg(l3Line)},
        {"word.qor", couplers.replace("\na=", "\na=abc"), "— не число"},
    };
    const Design before = Shown(form);
    for (const Broken& c : cases) {
        const QString path = folder.filePath(c.name);
        if (!c.text.isNull()) {
            WriteText(path, c.text);
        }
        boxes.Clear();
        EXPECT_FALSE(form.OpenDesign(path));
        ASSERT_EQ(boxes.Shown().size(), 1u) << c.name.toStdString();
        EXPECT_EQ(boxes.Shown().front().caption, "Ошибка !");
        EXPECT_TRUE(boxes.Shown().front().text.contains(c.name))
            << boxes.Texts().join("").toStdString();
        EXPECT_TRUE(boxes.Shown().front().text.contains(c.reason))
            << boxes.Texts().join("").toStdString();
        EXPECT_EQ(Shown(form), before) << c.name.toStdString();
        EXPECT_EQ(form.DesignFile(), good);
        EXPECT_EQ(form.windowTitle(), "QOR — good.qor");
    }
}

// Saved after a run and a change of drives, the design reopens with the values it was opened
// with (not the angles the run reached) and the drives as they were at saving.
TEST_F(MainWindowFiles, SavedDesignReopensTheSame) {
    const QString path = Copy("two-speeds.qor", "saved.qor");
    ASSERT_TRUE(form.OpenDesign(path));
    Design expected = Read(path);
    for (int i = 0; i < 5; ++i) {
        Click("bbStepByStep");
    }
    ASSERT_NE(form.Mechanism1().Fi, Rad(expected.Mechanisms[0].fi0));
    Click("cb4");
    expected.Mechanisms[0].Link4 = LinkDrive::Off;
    Click("rbRotMinus1_2");
    expected.Mechanisms[1].Link1 = LinkDrive::Minus;
    Trigger("mnSave");
    EXPECT_EQ(Read(path), expected);
    ASSERT_TRUE(form.OpenDesign(path));
    ExpectOpened(form, path);
    EXPECT_TRUE(boxes.Shown().empty());
}

struct Question {
    std::string name;
    MsgResult answer;
    bool leaves; // the window goes on to the next design
    bool saves;  // the change reaches the file
};

class SaveQuestion : public MainWindowFiles, public testing::WithParamInterface<Question> {};

TEST_P(SaveQuestion, ComesOnlyForAChangedFileAndDoesWhatItsAnswerSays) {
    const QString first = Copy("defaults.qor", "first.qor");
    const QString second = Copy("defaults.qor", "second.qor");
    // The dialog's workflow without a file asks nothing, nor a design as it was opened.
    NewConstruction();
    Click("cb1");
    ASSERT_TRUE(form.OpenDesign(first));
    ASSERT_TRUE(form.OpenDesign(first));
    EXPECT_TRUE(boxes.Shown().empty());

    Click("cb1");
    Click("rbRotPlus1");
    boxes.Answer(GetParam().answer);
    EXPECT_EQ(form.OpenDesign(second), GetParam().leaves);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown().front().text, "Сохранить изменения в «first.qor»?");
    EXPECT_EQ(boxes.Shown().front().buttons, qor::MsgButtons::SaveDiscardCancel);
    EXPECT_EQ(form.DesignFile(), GetParam().leaves ? second : first);
    EXPECT_EQ(Read(first).Mechanisms[0].Link1, GetParam().saves ? LinkDrive::Plus : LinkDrive::Off);

    // Closing the window asks the same after a change.
    Click("cb4");
    Click("rbRotPlus4");
    boxes.Clear();
    boxes.Answer(GetParam().answer);
    EXPECT_EQ(form.close(), GetParam().leaves);
    EXPECT_EQ(boxes.Shown().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Answers, SaveQuestion,
                         testing::Values(Question{"Save", MsgResult::Save, true, true},
                                         Question{"Discard", MsgResult::Discard, true, false},
                                         Question{"Cancel", MsgResult::Cancel, false, false}),
                         [](const auto& info) { return info.param.name; });

TEST_F(MainWindowFiles, PictureOfTheViewIsWhatTheViewShows) {
    ASSERT_TRUE(form.OpenDesign(QDir(kExamples).absoluteFilePath("defaults.qor")));
    // A view just made shows its first picture once its window is on screen.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.View()->GrabPicture().isNull(); }));
    const QString path = folder.filePath("view.png");
    ChooseInFileDialog(path);
    Trigger("mnSaveImage");
    const QImage saved(path);
    const QImage shown = form.View()->GrabPicture().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), form.View()->size() * form.View()->devicePixelRatio());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), shown);
    EXPECT_TRUE(boxes.Shown().empty());
}

} // namespace

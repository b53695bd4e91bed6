// "Сохранить": the settings file's exact text, what an existing file keeps, the render-state
// keys across saves, and a file that cannot be written.
#include "../support/Require.h"
#include "SetupFixture.h"

#include <QFile>
#include <QLabel>

namespace qortest {
namespace {

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QByteArray kDefaults = "[D3DRMDevice]\n"
                             "Dither=1\n"
                             "Shades=32\n"
                             "Quality=137\n"
                             "TexQuality=0\n"
                             "\n"
                             "[VideoPort]\n"
                             "Projection=1\n"
                             "Uniform=1\n"
                             "Front=0.100000001490116\n"
                             "Back=5000\n"
                             "Field=14\n"
                             "Left=-21\n"
                             "Right=21\n"
                             "Bottom=-14\n"
                             "Top=14\n";

void Save(SetupDialog& d) {
    // Save is enabled by a change; a change and its undoing leave the defaults.
    d.Click("cbDither");
    d.Click("cbDither");
    d.Click("btnSave");
}

TEST_F(SetupDialog, SaveWithTheDefaultsWritesThisText) {
    Open();
    Save(*this);
    EXPECT_EQ(Read(IniPath()), kDefaults);
    EXPECT_FALSE(Enabled("btnSave"));
    EXPECT_TRUE(Enabled("btnOK"));
    EXPECT_EQ(Get<QLabel>("laSettingsFile")->toolTip(), QDir::toNativeSeparators(IniPath()));
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

TEST_F(SetupDialog, SaveKeepsWhatElseTheFileHoldsByteForByte) {
    const QByteArray before = "; QOR settings\r\n"
                              "[Lesson]\r\n"
                              "Teacher = Ivanova ; not ours\r\n"
                              "\r\n"
                              "[VIDEOPORT]\r\n"
                              "Top=1\r\n"
                              "Colour=blue\r\n"
                              "Back = 7\r\n"
                              "\r\n"
                              "# end\r\n";
    Write(IniPath(), before);
    Open();
    Save(*this);
    const QByteArray after = "; QOR settings\r\n"
                             "[Lesson]\r\n"
                             "Teacher = Ivanova ; not ours\r\n"
                             "\r\n"
                             "[VIDEOPORT]\r\n"
                             "Top=14\r\n"
                             "Colour=blue\r\n"
                             "Back = 5000\r\n"
                             "Projection=1\r\n"
                             "Uniform=1\r\n"
                             "Front=0.100000001490116\r\n"
                             "Field=14\r\n"
                             "Left=-21\r\n"
                             "Right=21\r\n"
                             "Bottom=-14\r\n"
                             "\r\n"
                             "# end\r\n"
                             "\r\n"
                             "[D3DRMDevice]\r\n"
                             "Dither=1\r\n"
                             "Shades=32\r\n"
                             "Quality=137\r\n"
                             "TexQuality=0\r\n";
    EXPECT_EQ(Read(IniPath()), after);
}

TEST_F(SetupDialog, SaveAfterDeletingAStateKeepsItsOldKey) {
    Open();
    ShowPage("tsRenderState");
    AddState("D3DRENDERSTATE_CULLMODE=22", "D3DCULL_NONE=1");
    AddState("D3DRENDERSTATE_ZFUNC=23", "D3DCMP_LESS=2");
    Save(*this);
    EXPECT_TRUE(Read(IniPath()).endsWith("\n\n[RenderStates]\n"
                                         "D3DRENDERSTATE_CULLMODE=1\n"
                                         "D3DRENDERSTATE_ZFUNC=2\n"));
    ClickListItem("lbRS", 0);
    Click("btnDelete");
    AddState("D3DRENDERSTATE_ZFUNC=23", "D3DCMP_ALWAYS=8");
    Save(*this);
    EXPECT_TRUE(Read(IniPath()).endsWith("\n\n[RenderStates]\n"
                                         "D3DRENDERSTATE_CULLMODE=1\n"
                                         "D3DRENDERSTATE_ZFUNC=8\n"));
}

TEST_F(SetupDialog, ViewportsWithShortNamesAreLeftOut) {
    qor::RefPtr<qor::IDirect3DRMViewport> second;
    qor::test::Require(
        scene.engine->CreateViewport(scene.device.get(), scene.camera.get(), 0, 0, 50, 40, second));
    qor::test::Require(second->SetName("V"));
    Open();
    Save(*this);
    const QByteArray text = Read(IniPath());
    EXPECT_TRUE(text.contains("[VideoPort]"));
    EXPECT_FALSE(text.contains("[V]"));
    EXPECT_EQ(text.count('['), 2);
}

TEST_F(SetupDialog, AFileThatCannotBeWrittenIsReportedAndSaveStaysEnabled) {
    // A folder below a regular file cannot exist.
    Write(iniDir.filePath("plain"), "x");
    const QString path = iniDir.filePath("plain/qor.ini");
    form.SetSettingsFileName(path);
    Open();
    Save(*this);
    EXPECT_EQ(boxes.Texts(), QStringList({"Unable to write to " + path}));
    EXPECT_TRUE(Enabled("btnSave"));
}

} // namespace
} // namespace qortest

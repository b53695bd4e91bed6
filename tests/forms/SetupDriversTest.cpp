// The drivers page, worked through its widgets: the list of drivers, the capability text of the
// chosen one, and the refill after a device-page change.
#include "SetupFixture.h"

#include <QPlainTextEdit>

namespace qortest {
namespace {

const QString kRgbText = "RGB colour through OpenGL 3.3\n"
                         "{8D3A4C10-5B2E-4F61-9C7A-2E4B6D1F0A31}\n"
                         "Color Model:\n"
                         "\tD3DCOLOR_RGB\n"
                         "Cull operations:\n"
                         "\tCULLCCW\n"
                         "\tCULLCW\n"
                         "\tCULLNONE\n"
                         "Shading operations:\n"
                         "\tCOLORFLATRGB\n"
                         "\tCOLORGOURAUDRGB\n"
                         "\tCOLORPHONGRGB";

const QString kMonoText = "Mono ramp of shades through OpenGL 3.3\n"
                          "{8D3A4C11-5B2E-4F61-9C7A-2E4B6D1F0A31}\n"
                          "Color Model:\n"
                          "\tD3DCOLOR_MONO\n"
                          "Cull operations:\n"
                          "\tCULLCCW\n"
                          "\tCULLCW\n"
                          "\tCULLNONE\n"
                          "Shading operations:\n"
                          "\tCOLORFLATMONO\n"
                          "\tCOLORGOURAUDMONO\n"
                          "\tCOLORPHONGMONO";

TEST_F(SetupDialog, DriversPageListsTheDriversWithTheirCapabilities) {
    Open();
    ShowPage("tsDrivers");
    EXPECT_EQ(Lines("lbDrivers"), QStringList({"OpenGL RGB", "OpenGL Mono"}));
    EXPECT_EQ(Get<QListWidget>("lbDrivers")->currentRow(), 0);
    auto* memo = Get<QPlainTextEdit>("DriversMemo");
    EXPECT_EQ(memo->toPlainText(), kRgbText);
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    ClickListItem("lbDrivers", 1);
    EXPECT_EQ(memo->toPlainText(), kMonoText);
}

TEST_F(SetupDialog, ADevicePageChangeSelectsTheFirstDriverButKeepsTheText) {
    Open();
    ShowPage("tsDrivers");
    ClickListItem("lbDrivers", 1);
    ShowPage("tsRMDevice");
    Choose("QualityCombo", "FLAT");
    EXPECT_EQ(Get<QListWidget>("lbDrivers")->currentRow(), 0);
    EXPECT_EQ(Get<QPlainTextEdit>("DriversMemo")->toPlainText(), kMonoText);
}

} // namespace
} // namespace qortest

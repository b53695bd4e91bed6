// The settings dialog's rules that need no window: the quality-word groups, the shades rule, the
// render-state lines, the drivers' capability texts and the entries of the settings file.
#include "QStringPrinter.h"

#include "forms/FrmSetupDriverText.h"
#include "forms/FrmSetupIni.h"
#include "forms/FrmSetupTables.h"
#include "view/DXEnum.h"

#include <gtest/gtest.h>

#include <string>

namespace qor {
namespace {

struct WordCase {
    std::string name;
    D3DRMRENDERQUALITY word;
    const char* quality; // null: no item
    const char* shade;
    const char* light;
    const char* fill;
};

class QualityWord : public testing::TestWithParam<WordCase> {};

QString Shown(const QualityGroup& group, D3DRMRENDERQUALITY word) {
    return ItemForWord(group, word).value_or(QStringLiteral("(none)"));
}

TEST_P(QualityWord, SelectsTheItemsOfItsBits) {
    const WordCase& c = GetParam();
    const auto text = [](const char* item) {
        return item != nullptr ? QString::fromLatin1(item) : QStringLiteral("(none)");
    };
    EXPECT_EQ(Shown(QualityItems(), c.word), text(c.quality));
    EXPECT_EQ(Shown(ShadeItems(), c.word), text(c.shade));
    EXPECT_EQ(Shown(LightItems(), c.word), text(c.light));
    EXPECT_EQ(Shown(FillItems(), c.word), text(c.fill));
}

INSTANTIATE_TEST_SUITE_P(
    Words, QualityWord,
    testing::Values(
        WordCase{"gouraud", 0x89, "GOURAUD", "GOURAUD", "ON", "SOLID"},
        WordCase{"wireframe", 0x40, "WIREFRAME", "FLAT", "OFF", "WIREFRAME"},
        WordCase{"unlit_flat", 0x80, "UNLITFLAT", "FLAT", "OFF", "SOLID"},
        WordCase{"phong", 0x8A, "PHONG", "PHONG", "ON", "SOLID"},
        WordCase{"lit_wireframe_is_no_quality_item", 0x48, nullptr, "FLAT", "ON", "WIREFRAME"},
        WordCase{"lit_points", 0x08, nullptr, "FLAT", "ON", "POINTS"},
        WordCase{"unknown_shade_and_light_bits", 0x93, nullptr, nullptr, nullptr, "SOLID"}),
    [](const auto& info) { return info.param.name; });

TEST(QualityWord, ReplacingOneGroupKeepsTheOthers) {
    EXPECT_EQ(WithGroupBits(0x89, ShadeItems(), D3DRMSHADE_FLAT), 0x88u);
    EXPECT_EQ(WithGroupBits(0x89, LightItems(), D3DRMLIGHT_OFF), 0x81u);
    EXPECT_EQ(WithGroupBits(0x89, FillItems(), D3DRMFILL_WIREFRAME), 0x49u);
    EXPECT_EQ(WithGroupBits(0x48, FillItems(), D3DRMFILL_POINTS), 0x08u);
}

struct ShadesCase {
    std::string name;
    int shades;
    bool up;
    int expected;
};

class ShadesClick : public testing::TestWithParam<ShadesCase> {};

TEST_P(ShadesClick, DoublesOrHalvesWithinItsLimits) {
    const ShadesCase& c = GetParam();
    EXPECT_EQ(ShadesAfterClick(c.shades, c.up), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Clicks, ShadesClick,
                         testing::Values(ShadesCase{"up_doubles", 32, true, 64},
                                         ShadesCase{"up_doubles_just_below_the_limit", 4095, true,
                                                    8190},
                                         ShadesCase{"up_stops_at_4096", 4096, true, 4096},
                                         ShadesCase{"down_halves", 64, false, 32},
                                         ShadesCase{"down_halves_rounding_down", 5, false, 2},
                                         ShadesCase{"down_acts_from_4", 4, false, 2},
                                         ShadesCase{"down_leaves_3", 3, false, 3}),
                         [](const auto& info) { return info.param.name; });

TEST(RenderStateTable, HasTheFourStatesWithTheirValuesInOrder) {
    const std::vector<RenderStateRow>& table = RenderStateTable();
    ASSERT_EQ(table.size(), 4u);
    EXPECT_STREQ(table[0].type, "D3DRENDERSTATE_CULLMODE=22");
    EXPECT_EQ(table[0].values,
              QStringList({"D3DCULL_NONE=1", "D3DCULL_CW=2", "D3DCULL_CCW(def)=3"}));
    EXPECT_STREQ(table[1].type, "D3DRENDERSTATE_ZENABLE=7");
    EXPECT_EQ(table[1].values, QStringList({"TRUE=1", "FALSE(def)=0"}));
    EXPECT_STREQ(table[2].type, "D3DRENDERSTATE_ZWRITEENABLE=14");
    EXPECT_EQ(table[2].values, QStringList({"TRUE(def)=1", "FALSE=0"}));
    EXPECT_STREQ(table[3].type, "D3DRENDERSTATE_ZFUNC=23");
    EXPECT_EQ(table[3].values,
              QStringList({"D3DCMP_NEVER=1", "D3DCMP_LESS=2", "D3DCMP_EQUAL=3",
                           "D3DCMP_LESSEQUAL(def)=4", "D3DCMP_GREATER=5", "D3DCMP_NOTEQUAL=6",
                           "D3DCMP_GREATEREQOAL=7", "D3DCMP_ALWAYS=8"}));
}

struct LinesCase {
    std::string name;
    QStringList before;
    QString stateName;
    QString value;
    QStringList after;
};

class NameValueLines : public testing::TestWithParam<LinesCase> {};

TEST_P(NameValueLines, HoldAtMostOneLinePerName) {
    const LinesCase& c = GetParam();
    EXPECT_EQ(WithNameValue(c.before, c.stateName, c.value), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, NameValueLines,
    testing::Values(
        LinesCase{"new_name_is_appended", {"A=1"}, "B", "2", {"A=1", "B=2"}},
        LinesCase{"known_name_is_replaced_in_place", {"A=1", "B=2"}, "A", "3", {"A=3", "B=2"}},
        LinesCase{"names_match_without_regard_to_case", {"Cull=1"}, "CULL", "2", {"CULL=2"}},
        LinesCase{"empty_value_removes_the_line", {"A=1", "B=2"}, "A", "", {"B=2"}},
        LinesCase{"empty_value_for_an_unknown_name_adds_nothing", {"A=1"}, "B", "", {"A=1"}}),
    [](const auto& info) { return info.param.name; });

TEST(NameValueLines, SplitAtTheFirstEqualsSign) {
    EXPECT_EQ(NamePart("D3DCULL_CCW(def)=3"), "D3DCULL_CCW(def)");
    EXPECT_EQ(ValuePart("D3DCULL_CCW(def)=3"), "3");
    EXPECT_EQ(ValuePart("A=b=c"), "b=c");
    EXPECT_EQ(ValueOfName({"TRUE=1", "FALSE(def)=0"}, "false(DEF)"), "0");
    EXPECT_EQ(ValueOfName({"TRUE=1"}, ""), "");
}

TD3DDesc Desc(std::uint32_t flags, D3DCOLORMODEL model, std::uint32_t misc, std::uint32_t shade) {
    TD3DDesc desc;
    desc.Description = "A driver";
    desc.Caps.dwFlags = flags;
    desc.Caps.dcmColorModel = model;
    desc.Caps.dpcTriCaps.dwMiscCaps = misc;
    desc.Caps.dpcTriCaps.dwShadeCaps = shade;
    return desc;
}

struct CapsCase {
    std::string name;
    TD3DDesc desc;
    QStringList lines; // after the description and the GUID
};

class CapabilityText : public testing::TestWithParam<CapsCase> {};

TEST_P(CapabilityText, ListsWhatTheRecordHolds) {
    const CapsCase& c = GetParam();
    const QString guid = "{8D3A4C10-5B2E-4F61-9C7A-2E4B6D1F0A31}";
    EXPECT_EQ(DriverCapabilityText(guid, c.desc), QStringList({"A driver", guid}) + c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Records, CapabilityText,
    testing::Values(CapsCase{"without_triangle_caps_only_the_colour_model",
                             Desc(D3DDD_COLORMODEL, D3DCOLOR_RGB, 0x70, 0x3F),
                             {"Color Model:", "\tD3DCOLOR_RGB"}},
                    CapsCase{
                        "unknown_colour_model_has_no_line", Desc(0, 3, 0, 0), {"Color Model:"}},
                    CapsCase{"clockwise_culling_only",
                             Desc(D3DDD_TRICAPS, D3DCOLOR_MONO, D3DPMISCCAPS_CULLCW, 0),
                             {"Color Model:", "\tD3DCOLOR_MONO", "Cull operations:", "\tCULLCW",
                              "Shading operations:"}},
                    CapsCase{"every_flag_in_its_order",
                             Desc(D3DDD_TRICAPS, D3DCOLOR_RGB, 0x70, 0x3F),
                             {"Color Model:", "\tD3DCOLOR_RGB", "Cull operations:", "\tCULLCCW",
                              "\tCULLCW", "\tCULLNONE", "Shading operations:", "\tCOLORFLATMONO",
                              "\tCOLORFLATRGB", "\tCOLORGOURAUDMONO", "\tCOLORGOURAUDRGB",
                              "\tCOLORPHONGMONO", "\tCOLORPHONGRGB"}},
                    CapsCase{"gouraud_and_phong_rgb_only",
                             Desc(D3DDD_TRICAPS, 0, 0, 0x28),
                             {"Color Model:", "Cull operations:", "Shading operations:",
                              "\tCOLORGOURAUDRGB", "\tCOLORPHONGRGB"}}),
    [](const auto& info) { return info.param.name; });

SavedViewportSettings VideoPort() {
    SavedViewportSettings section;
    section.Name = "VideoPort";
    TVportData& v = section.Settings;
    v.Projection = D3DRMPROJECT_ORTHOGRAPHIC;
    v.UniformScaling = true;
    v.Front = 0.1f;
    v.Back = 5000;
    v.Field = 14;
    v.Left = -21;
    v.Right = 21;
    v.Bottom = -14;
    v.Top = 14;
    return section;
}

TEST(SettingsEntries, DeviceThenNamedViewportsThenRenderStates) {
    SavedViewportSettings unnamed = VideoPort();
    unnamed.Name = "";
    SavedViewportSettings oneLetter = VideoPort();
    oneLetter.Name = "V";
    SavedViewportSettings second = VideoPort();
    second.Name = "Vp";
    second.Settings.Projection = D3DRMPROJECT_PERSPECTIVE;
    second.Settings.UniformScaling = false;
    second.Settings.Front = 1e-6f;
    const std::vector<IniEntry> entries =
        SettingsEntries({1, 32, 137, -1}, {unnamed, VideoPort(), oneLetter, second},
                        {"D3DRENDERSTATE_CULLMODE=1", "D3DRENDERSTATE_ZFUNC=8"});
    const std::vector<IniEntry> expected{
        {"D3DRMDevice", "Dither", "1"},
        {"D3DRMDevice", "Shades", "32"},
        {"D3DRMDevice", "Quality", "137"},
        {"D3DRMDevice", "TexQuality", "-1"},
        {"VideoPort", "Projection", "1"},
        {"VideoPort", "Uniform", "1"},
        {"VideoPort", "Front", "0.100000001490116"},
        {"VideoPort", "Back", "5000"},
        {"VideoPort", "Field", "14"},
        {"VideoPort", "Left", "-21"},
        {"VideoPort", "Right", "21"},
        {"VideoPort", "Bottom", "-14"},
        {"VideoPort", "Top", "14"},
        {"Vp", "Projection", "0"},
        {"Vp", "Uniform", "0"},
        {"Vp", "Front", "9.99999997475243E-7"},
        {"Vp", "Back", "5000"},
        {"Vp", "Field", "14"},
        {"Vp", "Left", "-21"},
        {"Vp", "Right", "21"},
        {"Vp", "Bottom", "-14"},
        {"Vp", "Top", "14"},
        {"RenderStates", "D3DRENDERSTATE_CULLMODE", "1"},
        {"RenderStates", "D3DRENDERSTATE_ZFUNC", "8"},
    };
    ASSERT_EQ(entries.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(entries[i], expected[i])
            << "entry " << i << ": " << entries[i].Section.toStdString() << "/"
            << entries[i].Key.toStdString() << "=" << entries[i].Value.toStdString();
    }
}

TEST(SettingsEntries, ShadesAndDitherAsTheFileHasThem) {
    const std::vector<IniEntry> entries = SettingsEntries({-5, 0x80000000u, 64, 5}, {}, {});
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].Value, "1");
    EXPECT_EQ(entries[1].Value, "-2147483648");
    EXPECT_EQ(entries[2].Value, "64");
    EXPECT_EQ(entries[3].Value, "5");
}

} // namespace
} // namespace qor

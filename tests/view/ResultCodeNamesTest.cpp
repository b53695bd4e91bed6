// The result-code name table and the text of a result code in failure messages.
#include "view/ResultCodeNames.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// The names in ascending key order, as the engine's documentation lists them.
const std::vector<std::string> namesByKey = {
    "DDERR_ALREADYINITIALIZED",
    "DDERR_CANNOTATTACHSURFACE",
    "DDERR_OUTOFMEMORY",
    "DDERR_CANNOTDETACHSURFACE",
    "DDERR_CURRENTLYNOTAVAIL",
    "DDERR_EXCEPTION",
    "DDERR_INVALIDPARAMS",
    "DDERR_HEIGHTALIGN",
    "DDERR_INCOMPATIBLEPRIMARY",
    "DDERR_INVALIDCAPS",
    "DDERR_INVALIDCLIPLIST",
    "DDERR_INVALIDMODE",
    "DDERR_INVALIDOBJECT",
    "DDERR_INVALIDPIXELFORMAT",
    "DDERR_INVALIDRECT",
    "DDERR_LOCKEDSURFACES",
    "DDERR_NO3D",
    "DDERR_NOALPHAHW",
    "DDERR_NOCLIPLIST",
    "DDERR_NOCOLORCONVHW",
    "DDERR_NOCOOPERATIVELEVELSET",
    "DDERR_NOCOLORKEY",
    "DDERR_NOCOLORKEYHW",
    "DDERR_NODIRECTDRAWSUPPORT",
    "DDERR_NOEXCLUSIVEMODE",
    "DDERR_NOFLIPHW",
    "DDERR_NOGDI",
    "DDERR_NOMIRRORHW",
    "DDERR_NOTFOUND",
    "DDERR_NOOVERLAYHW",
    "DDERR_NORASTEROPHW",
    "DDERR_NOROTATIONHW",
    "DDERR_NOSTRETCHHW",
    "DDERR_NOT4BITCOLOR",
    "DDERR_NOT4BITCOLORINDEX",
    "DDERR_NOT8BITCOLOR",
    "DDERR_NOTEXTUREHW",
    "DDERR_NOVSYNCHW",
    "DDERR_NOZBUFFERHW",
    "DDERR_NOZOVERLAYHW",
    "DDERR_OUTOFCAPS",
    "DDERR_OUTOFVIDEOMEMORY",
    "DDERR_OVERLAYCANTCLIP",
    "DDERR_OVERLAYCOLORKEYONLYONEACTIVE",
    "DDERR_PALETTEBUSY",
    "DDERR_COLORKEYNOTSET",
    "DDERR_SURFACEALREADYATTACHED",
    "DDERR_SURFACEALREADYDEPENDENT",
    "DDERR_SURFACEBUSY",
    "DDERR_CANTLOCKSURFACE",
    "DDERR_SURFACEISOBSCURED",
    "DDERR_SURFACELOST",
    "DDERR_SURFACENOTATTACHED",
    "DDERR_TOOBIGHEIGHT",
    "DDERR_TOOBIGSIZE",
    "DDERR_TOOBIGWIDTH",
    "DDERR_NOTINITIALIZED",
    "DDERR_UNSUPPORTEDFORMAT",
    "DDERR_UNSUPPORTEDMASK",
    "DDERR_VERTICALBLANKINPROGRESS",
    "DDERR_WASSTILLDRAWING",
    "DDERR_XALIGN",
    "DDERR_INVALIDDIRECTDRAWGUID",
    "DDERR_DIRECTDRAWALREADYCREATED",
    "DDERR_NODIRECTDRAWHW",
    "DDERR_PRIMARYSURFACEALREADYEXISTS",
    "DDERR_NOEMULATION",
    "DDERR_REGIONTOOSMALL",
    "DDERR_CLIPPERISUSINGHWND",
    "DDERR_NOCLIPPERATTACHED",
    "DDERR_NOHWND",
    "DDERR_HWNDSUBCLASSED",
    "DDERR_HWNDALREADYSET",
    "DDERR_NOPALETTEATTACHED",
    "DDERR_NOPALETTEHW",
    "DDERR_BLTFASTCANTCLIP",
    "DDERR_NOBLTHW",
    "DDERR_NODDROPSHW",
    "DDERR_OVERLAYNOTVISIBLE",
    "DDERR_NOOVERLAYDEST",
    "DDERR_INVALIDPOSITION",
    "DDERR_NOTAOVERLAYSURFACE",
    "DDERR_EXCLUSIVEMODEALREADYSET",
    "DDERR_NOTFLIPPABLE",
    "DDERR_CANTDUPLICATE",
    "DDERR_NOTLOCKED",
    "DDERR_CANTCREATEDC",
    "DDERR_NODC",
    "DDERR_WRONGMODE",
    "DDERR_IMPLICITLYCREATED",
    "DDERR_NOTPALETTIZED",
    "DDERR_UNSUPPORTEDMODE",
    "DDERR_NOMIPMAPHW",
    "DDERR_INVALIDSURFACETYPE",
    "DDERR_NOOPTIMIZEHW",
    "DDERR_NOTLOADED",
    "DDERR_NOFOCUSWINDOW",
    "DDERR_DCALREADYCREATED",
    "DDERR_NONONLOCALVIDMEM",
    "DDERR_CANTPAGELOCK",
    "DDERR_CANTPAGEUNLOCK",
    "DDERR_NOTPAGELOCKED",
    "DDERR_MOREDATA",
    "DDERR_VIDEONOTACTIVE",
    "DDERR_DEVICEDOESNTOWNSURFACE",
    "D3DRMERR_BADOBJECT",
    "D3DRMERR_BADTYPE",
    "D3DRMERR_BADALLOC",
    "D3DRMERR_FACEUSED",
    "D3DRMERR_NOTFOUND",
    "D3DRMERR_NOTDONEYET",
    "D3DRMERR_FILENOTFOUND",
    "D3DRMERR_BADFILE",
    "D3DRMERR_BADDEVICE",
    "D3DRMERR_BADVALUE",
    "D3DRMERR_BADMAJORVERSION",
    "D3DRMERR_BADMINORVERSION",
    "D3DRMERR_UNABLETOEXECUTE",
    "D3DRMERR_LIBRARYNOTFOUND",
    "D3DRMERR_INVALIDLIBRARY",
    "D3DRMERR_PENDING",
    "D3DRMERR_NOTENOUGHDATA",
    "D3DRMERR_REQUESTTOOLARGE",
    "D3DRMERR_REQUESTTOOSMALL",
    "D3DRMERR_CONNECTIONLOST",
    "D3DRMERR_LOADABORTED",
    "D3DRMERR_NOINTERNET",
    "D3DRMERR_BADCACHEFILE",
    "D3DRMERR_BOXNOTSET",
    "D3DRMERR_BADPMDATA",
    "DDERR_UNSUPPORTED",
    "DDERR_GENERIC",
};

TEST(ResultCodeNameTable, HoldsEveryNameOnceInAscendingKeyOrder) {
    const auto table = qor::ResultCodeNameTable();
    ASSERT_EQ(table.size(), 132u);
    std::vector<std::string> names;
    for (const auto& entry : table)
        names.emplace_back(entry.name);
    EXPECT_EQ(names, namesByKey);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    for (std::size_t i = 1; i < table.size(); ++i)
        EXPECT_LT(table[i - 1].key, table[i].key) << table[i].name;
}

TEST(ResultCodeNameTable, LookupFindsExactlyTheTableKeys) {
    const auto table = qor::ResultCodeNameTable();
    std::size_t next = 0;
    for (unsigned key = 0; key <= 0xFFFF; ++key) {
        const QString name = qor::ResultCodeName(static_cast<quint16>(key));
        if (next < table.size() && table[next].key == key) {
            EXPECT_EQ(name.toStdString(), table[next].name) << key;
            ++next;
        } else {
            EXPECT_TRUE(name.isEmpty()) << key << " " << name.toStdString();
        }
    }
    EXPECT_EQ(next, table.size());
}

struct AnchorCase {
    const char* name;
    quint16 key;
};

const AnchorCase anchorCases[] = {
    {"DDERR_ALREADYINITIALIZED", 0},       {"DDERR_OUTOFMEMORY", 9},    {"DDERR_INVALIDPARAMS", 82},
    {"DDERR_DEVICEDOESNTOWNSURFACE", 694}, {"D3DRMERR_BADOBJECT", 776}, {"D3DRMERR_BADPMDATA", 800},
    {"DDERR_UNSUPPORTED", 16380},          {"DDERR_GENERIC", 16384},
};

class ResultCodeAnchor : public testing::TestWithParam<AnchorCase> {};

TEST_P(ResultCodeAnchor, SitsUnderItsKey) {
    EXPECT_EQ(qor::ResultCodeName(GetParam().key).toStdString(), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Anchors, ResultCodeAnchor, testing::ValuesIn(anchorCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct TextCase {
    const char* name;
    std::uint32_t code;
    const char* text;
};

const char* const notFound = " строка результата HRESULT не найдена";

const TextCase textCases[] = {
    {"Success", 0, "Ошибок нет"},
    {"AlreadyInitialized", 0x88760005, "DDERR_ALREADYINITIALIZED"},
    {"LowFiveUnderFailureBitOnly", 0x80000005, "DDERR_ALREADYINITIALIZED"},
    {"LowFiveUnderPositiveCode", 0x00000005, "DDERR_ALREADYINITIALIZED"},
    {"LowFiveUnderAllOnes", 0xFFFF0005, "DDERR_ALREADYINITIALIZED"},
    {"LowFiveUnderLargestPositive", 0x7FFF0005, "DDERR_ALREADYINITIALIZED"},
    {"EFail", 0x80004005, "DDERR_GENERIC"},
    {"ENotImpl", 0x80004001, "DDERR_UNSUPPORTED"},
    {"EOutOfMemory", 0x8007000E, "DDERR_OUTOFMEMORY"},
    {"EInvalidArg", 0x80070057, "DDERR_INVALIDPARAMS"},
    {"ComNotInitialized", 0x800401F0, "DDERR_NOTINITIALIZED"},
    {"RetainedModeNotDoneYet", 0x88760312, "D3DRMERR_NOTDONEYET"},
    {"RetainedModeBadValue", 0x88760316, "D3DRMERR_BADVALUE"},
    {"RetainedModeFileNotFound", 0x88760313, "D3DRMERR_FILENOTFOUND"},
    {"GapBetweenDirectDrawCodes", 0x88760006, notFound},
    {"ImmediateModeCodeHasNoName", 0x887602BC, notFound},
    {"PastTheLastRetainedModeCode", 0x88760326, notFound},
    {"LowFourWrapsToTheLastKey", 0x80000004, notFound},
    {"NonZeroWithZeroLowHalf", 0x00010000, notFound},
};

class HResultText : public testing::TestWithParam<TextCase> {};

TEST_P(HResultText, NamesTheCode) {
    const TextCase& c = GetParam();
    EXPECT_EQ(qor::HResultToText(static_cast<std::int32_t>(c.code)).toStdString(), c.text);
}

INSTANTIATE_TEST_SUITE_P(Codes, HResultText, testing::ValuesIn(textCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

// The result-code name table and the text shown for a result code.
#include "view/ResultCodeNames.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace qor {
namespace {

// A code's key: its low 16 bits minus 5, modulo 65536. DirectDraw's own codes start at 5, so they
// take the keys from 0.
constexpr quint16 KeyOf(std::uint32_t code) {
    return static_cast<quint16>((code & 0xFFFFu) - 5u);
}

// The key of a DirectDraw or Retained Mode code, MAKE_DDHRESULT(n) = 0x88760000 + n.
constexpr quint16 Dd(std::uint32_t n) {
    return KeyOf(0x88760000u + n);
}

// DirectDraw's codes, then Retained Mode's (MAKE_DDHRESULT(781) on), then the general system
// codes that DirectDraw names as its own (KeyOf with the full code); E_OUTOFMEMORY, E_INVALIDARG
// and CO_E_NOTINITIALIZED fall among DirectDraw's own keys.
constexpr std::array<ResultCodeNameEntry, 132> table{{
    {Dd(5), "DDERR_ALREADYINITIALIZED"},
    {Dd(10), "DDERR_CANNOTATTACHSURFACE"},
    {KeyOf(0x8007000E), "DDERR_OUTOFMEMORY"}, // E_OUTOFMEMORY
    {Dd(20), "DDERR_CANNOTDETACHSURFACE"},
    {Dd(40), "DDERR_CURRENTLYNOTAVAIL"},
    {Dd(55), "DDERR_EXCEPTION"},
    {KeyOf(0x80070057), "DDERR_INVALIDPARAMS"}, // E_INVALIDARG
    {Dd(90), "DDERR_HEIGHTALIGN"},
    {Dd(95), "DDERR_INCOMPATIBLEPRIMARY"},
    {Dd(100), "DDERR_INVALIDCAPS"},
    {Dd(110), "DDERR_INVALIDCLIPLIST"},
    {Dd(120), "DDERR_INVALIDMODE"},
    {Dd(130), "DDERR_INVALIDOBJECT"},
    {Dd(145), "DDERR_INVALIDPIXELFORMAT"},
    {Dd(150), "DDERR_INVALIDRECT"},
    {Dd(160), "DDERR_LOCKEDSURFACES"},
    {Dd(170), "DDERR_NO3D"},
    {Dd(180), "DDERR_NOALPHAHW"},
    {Dd(205), "DDERR_NOCLIPLIST"},
    {Dd(210), "DDERR_NOCOLORCONVHW"},
    {Dd(212), "DDERR_NOCOOPERATIVELEVELSET"},
    {Dd(215), "DDERR_NOCOLORKEY"},
    {Dd(220), "DDERR_NOCOLORKEYHW"},
    {Dd(222), "DDERR_NODIRECTDRAWSUPPORT"},
    {Dd(225), "DDERR_NOEXCLUSIVEMODE"},
    {Dd(230), "DDERR_NOFLIPHW"},
    {Dd(240), "DDERR_NOGDI"},
    {Dd(250), "DDERR_NOMIRRORHW"},
    {Dd(255), "DDERR_NOTFOUND"},
    {Dd(260), "DDERR_NOOVERLAYHW"},
    {Dd(280), "DDERR_NORASTEROPHW"},
    {Dd(290), "DDERR_NOROTATIONHW"},
    {Dd(310), "DDERR_NOSTRETCHHW"},
    {Dd(316), "DDERR_NOT4BITCOLOR"},
    {Dd(317), "DDERR_NOT4BITCOLORINDEX"},
    {Dd(320), "DDERR_NOT8BITCOLOR"},
    {Dd(330), "DDERR_NOTEXTUREHW"},
    {Dd(335), "DDERR_NOVSYNCHW"},
    {Dd(340), "DDERR_NOZBUFFERHW"},
    {Dd(350), "DDERR_NOZOVERLAYHW"},
    {Dd(360), "DDERR_OUTOFCAPS"},
    {Dd(380), "DDERR_OUTOFVIDEOMEMORY"},
    {Dd(382), "DDERR_OVERLAYCANTCLIP"},
    {Dd(384), "DDERR_OVERLAYCOLORKEYONLYONEACTIVE"},
    {Dd(387), "DDERR_PALETTEBUSY"},
    {Dd(400), "DDERR_COLORKEYNOTSET"},
    {Dd(410), "DDERR_SURFACEALREADYATTACHED"},
    {Dd(420), "DDERR_SURFACEALREADYDEPENDENT"},
    {Dd(430), "DDERR_SURFACEBUSY"},
    {Dd(435), "DDERR_CANTLOCKSURFACE"},
    {Dd(440), "DDERR_SURFACEISOBSCURED"},
    {Dd(450), "DDERR_SURFACELOST"},
    {Dd(460), "DDERR_SURFACENOTATTACHED"},
    {Dd(470), "DDERR_TOOBIGHEIGHT"},
    {Dd(480), "DDERR_TOOBIGSIZE"},
    {Dd(490), "DDERR_TOOBIGWIDTH"},
    {KeyOf(0x800401F0), "DDERR_NOTINITIALIZED"}, // CO_E_NOTINITIALIZED
    {Dd(510), "DDERR_UNSUPPORTEDFORMAT"},
    {Dd(520), "DDERR_UNSUPPORTEDMASK"},
    {Dd(537), "DDERR_VERTICALBLANKINPROGRESS"},
    {Dd(540), "DDERR_WASSTILLDRAWING"},
    {Dd(560), "DDERR_XALIGN"},
    {Dd(561), "DDERR_INVALIDDIRECTDRAWGUID"},
    {Dd(562), "DDERR_DIRECTDRAWALREADYCREATED"},
    {Dd(563), "DDERR_NODIRECTDRAWHW"},
    {Dd(564), "DDERR_PRIMARYSURFACEALREADYEXISTS"},
    {Dd(565), "DDERR_NOEMULATION"},
    {Dd(566), "DDERR_REGIONTOOSMALL"},
    {Dd(567), "DDERR_CLIPPERISUSINGHWND"},
    {Dd(568), "DDERR_NOCLIPPERATTACHED"},
    {Dd(569), "DDERR_NOHWND"},
    {Dd(570), "DDERR_HWNDSUBCLASSED"},
    {Dd(571), "DDERR_HWNDALREADYSET"},
    {Dd(572), "DDERR_NOPALETTEATTACHED"},
    {Dd(573), "DDERR_NOPALETTEHW"},
    {Dd(574), "DDERR_BLTFASTCANTCLIP"},
    {Dd(575), "DDERR_NOBLTHW"},
    {Dd(576), "DDERR_NODDROPSHW"},
    {Dd(577), "DDERR_OVERLAYNOTVISIBLE"},
    {Dd(578), "DDERR_NOOVERLAYDEST"},
    {Dd(579), "DDERR_INVALIDPOSITION"},
    {Dd(580), "DDERR_NOTAOVERLAYSURFACE"},
    {Dd(581), "DDERR_EXCLUSIVEMODEALREADYSET"},
    {Dd(582), "DDERR_NOTFLIPPABLE"},
    {Dd(583), "DDERR_CANTDUPLICATE"},
    {Dd(584), "DDERR_NOTLOCKED"},
    {Dd(585), "DDERR_CANTCREATEDC"},
    {Dd(586), "DDERR_NODC"},
    {Dd(587), "DDERR_WRONGMODE"},
    {Dd(588), "DDERR_IMPLICITLYCREATED"},
    {Dd(589), "DDERR_NOTPALETTIZED"},
    {Dd(590), "DDERR_UNSUPPORTEDMODE"},
    {Dd(591), "DDERR_NOMIPMAPHW"},
    {Dd(592), "DDERR_INVALIDSURFACETYPE"},
    {Dd(600), "DDERR_NOOPTIMIZEHW"},
    {Dd(601), "DDERR_NOTLOADED"},
    {Dd(602), "DDERR_NOFOCUSWINDOW"},
    {Dd(620), "DDERR_DCALREADYCREATED"},
    {Dd(630), "DDERR_NONONLOCALVIDMEM"},
    {Dd(640), "DDERR_CANTPAGELOCK"},
    {Dd(660), "DDERR_CANTPAGEUNLOCK"},
    {Dd(680), "DDERR_NOTPAGELOCKED"},
    {Dd(690), "DDERR_MOREDATA"},
    {Dd(695), "DDERR_VIDEONOTACTIVE"},
    {Dd(699), "DDERR_DEVICEDOESNTOWNSURFACE"},
    {Dd(781), "D3DRMERR_BADOBJECT"},
    {Dd(782), "D3DRMERR_BADTYPE"},
    {Dd(783), "D3DRMERR_BADALLOC"},
    {Dd(784), "D3DRMERR_FACEUSED"},
    {Dd(785), "D3DRMERR_NOTFOUND"},
    {Dd(786), "D3DRMERR_NOTDONEYET"},
    {Dd(787), "D3DRMERR_FILENOTFOUND"},
    {Dd(788), "D3DRMERR_BADFILE"},
    {Dd(789), "D3DRMERR_BADDEVICE"},
    {Dd(790), "D3DRMERR_BADVALUE"},
    {Dd(791), "D3DRMERR_BADMAJORVERSION"},
    {Dd(792), "D3DRMERR_BADMINORVERSION"},
    {Dd(793), "D3DRMERR_UNABLETOEXECUTE"},
    {Dd(794), "D3DRMERR_LIBRARYNOTFOUND"},
    {Dd(795), "D3DRMERR_INVALIDLIBRARY"},
    {Dd(796), "D3DRMERR_PENDING"},
    {Dd(797), "D3DRMERR_NOTENOUGHDATA"},
    {Dd(798), "D3DRMERR_REQUESTTOOLARGE"},
    {Dd(799), "D3DRMERR_REQUESTTOOSMALL"},
    {Dd(800), "D3DRMERR_CONNECTIONLOST"},
    {Dd(801), "D3DRMERR_LOADABORTED"},
    {Dd(802), "D3DRMERR_NOINTERNET"},
    {Dd(803), "D3DRMERR_BADCACHEFILE"},
    {Dd(804), "D3DRMERR_BOXNOTSET"},
    {Dd(805), "D3DRMERR_BADPMDATA"},
    {KeyOf(0x80004001), "DDERR_UNSUPPORTED"}, // E_NOTIMPL
    {KeyOf(0x80004005), "DDERR_GENERIC"},     // E_FAIL
}};

static_assert(std::ranges::adjacent_find(table, [](const auto& a,
                                                   const auto& b) { return a.key >= b.key; }) ==
                  table.end(),
              "the lookup needs the table in strictly ascending key order");

} // namespace

std::span<const ResultCodeNameEntry> ResultCodeNameTable() {
    return table;
}

QString ResultCodeName(quint16 key) {
    const auto found = std::ranges::lower_bound(table, key, {}, &ResultCodeNameEntry::key);
    if (found == table.end() || found->key != key)
        return {};
    return QString::fromLatin1(found->name);
}

QString HResultToText(std::int32_t code) {
    if (code == 0)
        return QCoreApplication::translate("qor::ResultCodeNames", "Ошибок нет");
    const QString name = ResultCodeName(KeyOf(static_cast<std::uint32_t>(code)));
    if (!name.isEmpty())
        return name;
    // Windows would look in its system message table next; this platform has no such table for
    // these codes, so a code without a name gets the not-found text.
    return QCoreApplication::translate("qor::ResultCodeNames",
                                       " строка результата HRESULT не найдена");
}

} // namespace qor

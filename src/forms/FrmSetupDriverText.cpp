#include "forms/FrmSetupDriverText.h"

#include "view/DXEnum.h"

#include <cstdint>
#include <initializer_list>

namespace qor {

namespace {

struct CapabilityFlag {
    std::uint32_t flag;
    const char* text;
};

void AddFlags(QStringList& lines, std::uint32_t caps, std::initializer_list<CapabilityFlag> flags) {
    for (const CapabilityFlag& f : flags) {
        if ((caps & f.flag) != 0) {
            lines.append(u'\t' + QString::fromLatin1(f.text));
        }
    }
}

} // namespace

QStringList DriverCapabilityText(const QString& guidText, const TD3DDesc& desc) {
    QStringList lines{desc.Description, guidText, QStringLiteral("Color Model:")};
    if (desc.Caps.dcmColorModel == D3DCOLOR_MONO) {
        lines.append(QStringLiteral("\tD3DCOLOR_MONO"));
    } else if (desc.Caps.dcmColorModel == D3DCOLOR_RGB) {
        lines.append(QStringLiteral("\tD3DCOLOR_RGB"));
    }
    if ((desc.Caps.dwFlags & D3DDD_TRICAPS) == 0) {
        return lines;
    }
    lines.append(QStringLiteral("Cull operations:"));
    AddFlags(lines, desc.Caps.dpcTriCaps.dwMiscCaps,
             {{D3DPMISCCAPS_CULLCCW, "CULLCCW"},
              {D3DPMISCCAPS_CULLCW, "CULLCW"},
              {D3DPMISCCAPS_CULLNONE, "CULLNONE"}});
    lines.append(QStringLiteral("Shading operations:"));
    AddFlags(lines, desc.Caps.dpcTriCaps.dwShadeCaps,
             {{D3DPSHADECAPS_COLORFLATMONO, "COLORFLATMONO"},
              {D3DPSHADECAPS_COLORFLATRGB, "COLORFLATRGB"},
              {D3DPSHADECAPS_COLORGOURAUDMONO, "COLORGOURAUDMONO"},
              {D3DPSHADECAPS_COLORGOURAUDRGB, "COLORGOURAUDRGB"},
              {D3DPSHADECAPS_COLORPHONGMONO, "COLORPHONGMONO"},
              {D3DPSHADECAPS_COLORPHONGRGB, "COLORPHONGRGB"}});
    return lines;
}

} // namespace qor

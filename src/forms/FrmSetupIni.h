// What the settings file receives from a snapshot: the device section, one section per named
// viewport and the render states, as section, key and value texts in the order of writing.
#pragma once

// A record is copied with its counted camera reference, which needs the whole frame type.
#include "engine/Frame.h"
#include "view/TVportData.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace qor {

// The device's part of the snapshot that "Отменить" writes back.
struct SavedDeviceSettings {
    std::int32_t Dither = 0;    // non-zero when dithering is on
    std::uint32_t Shades = 0;   // the number of shades
    std::int32_t Quality = 0;   // the render-quality word
    std::int8_t TexQuality = 0; // the texture filter, 0 to 5
};

// One viewport's section: its engine name (fewer than two characters: not written) and the
// settings of the snapshot.
struct SavedViewportSettings {
    QString Name;
    TVportData Settings;
};

struct IniEntry {
    QString Section;
    QString Key;
    QString Value;

    friend bool operator==(const IniEntry&, const IniEntry&) = default;
};

// Reals in the general format with 15 significant digits; the render-state lines name=value go
// under "RenderStates" in their order.
std::vector<IniEntry> SettingsEntries(const SavedDeviceSettings& device,
                                      const std::vector<SavedViewportSettings>& viewports,
                                      const QStringList& renderStates);

} // namespace qor

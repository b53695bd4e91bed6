// What the settings file receives from a snapshot: the device section, one section per named
// viewport and the render states, as section, key and value texts in the order of writing.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace qor {

struct SavedDeviceSettings {
    std::int32_t Dither = 0;
    std::uint32_t Shades = 0;
    std::int32_t Quality = 0;
    std::int8_t TexQuality = 0;
};

struct SavedViewportSettings {
    QString Name; // the viewport's engine name; fewer than two characters: not written
    std::int32_t Projection = 0;
    bool Uniform = false;
    float Front = 0;
    float Back = 0;
    float Field = 0;
    float Left = 0;
    float Right = 0;
    float Bottom = 0;
    float Top = 0;
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

#include "forms/FrmSetupIni.h"

#include "forms/FrmSetupTables.h"
#include "platform/GeneralFloat.h"

namespace qor {

std::vector<IniEntry> SettingsEntries(const SavedDeviceSettings& device,
                                      const std::vector<SavedViewportSettings>& viewports,
                                      const QStringList& renderStates) {
    const QString deviceSection = QStringLiteral("D3DRMDevice");
    std::vector<IniEntry> entries{
        {deviceSection, QStringLiteral("Dither"), device.Dither != 0 ? "1" : "0"},
        {deviceSection, QStringLiteral("Shades"),
         QString::number(static_cast<std::int32_t>(device.Shades))},
        {deviceSection, QStringLiteral("Quality"), QString::number(device.Quality)},
        {deviceSection, QStringLiteral("TexQuality"), QString::number(device.TexQuality)},
    };
    for (const SavedViewportSettings& section : viewports) {
        if (section.Name.size() < 2) {
            continue;
        }
        const auto add = [&](const char* key, const QString& value) {
            entries.push_back({section.Name, QString::fromLatin1(key), value});
        };
        const TVportData& v = section.Settings;
        add("Projection", QString::number(static_cast<std::int32_t>(v.Projection)));
        add("Uniform", v.UniformScaling ? "1" : "0");
        add("Front", GeneralFloatText(v.Front));
        add("Back", GeneralFloatText(v.Back));
        add("Field", GeneralFloatText(v.Field));
        add("Left", GeneralFloatText(v.Left));
        add("Right", GeneralFloatText(v.Right));
        add("Bottom", GeneralFloatText(v.Bottom));
        add("Top", GeneralFloatText(v.Top));
    }
    for (const QString& line : renderStates) {
        entries.push_back({QStringLiteral("RenderStates"), NamePart(line), ValuePart(line)});
    }
    return entries;
}

} // namespace qor

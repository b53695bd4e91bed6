// Globally unique identifiers of drivers and interfaces, and their registry text form.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace qor {

struct GUID {
    std::uint32_t Data1 = 0;
    std::uint16_t Data2 = 0;
    std::uint16_t Data3 = 0;
    std::uint8_t Data4[8] = {};

    friend bool operator==(const GUID&, const GUID&) = default;
};

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}": 38 characters, upper-case hexadecimal digits.
QString GuidToText(const GUID& guid);

// The GUID written in registry form (either letter case); nothing for any other text.
std::optional<GUID> TextToGuid(const QString& text);

// Interface identifiers that QueryInterface answers.
inline constexpr GUID IID_IDirect3D{
    0x3BBA0080, 0x2421, 0x11CF, {0xA3, 0x1A, 0x00, 0xAA, 0x00, 0xB9, 0x33, 0x56}};
inline constexpr GUID IID_IDirect3DRMWinDevice{
    0xC5016CC0, 0xD273, 0x11CE, {0xAC, 0x48, 0x00, 0x00, 0xC0, 0x38, 0x25, 0xA1}};

} // namespace qor

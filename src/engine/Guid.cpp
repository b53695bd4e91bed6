// Registry text form of GUIDs.
#include "engine/Guid.h"

namespace qor {

QString GuidToText(const GUID& guid) {
    QString text = QStringLiteral("{%1-%2-%3-")
                       .arg(guid.Data1, 8, 16, QLatin1Char('0'))
                       .arg(guid.Data2, 4, 16, QLatin1Char('0'))
                       .arg(guid.Data3, 4, 16, QLatin1Char('0'));
    for (int i = 0; i < 8; ++i) {
        if (i == 2) {
            text += QLatin1Char('-');
        }
        text += QStringLiteral("%1").arg(guid.Data4[i], 2, 16, QLatin1Char('0'));
    }
    text += QLatin1Char('}');
    return text.toUpper();
}

std::optional<GUID> TextToGuid(const QString& text) {
    // Positions of the hyphens in the 38-character form; every other inner character is a digit.
    if (text.size() != 38 || text.front() != QLatin1Char('{') || text.back() != QLatin1Char('}')) {
        return std::nullopt;
    }
    for (int i = 1; i < 37; ++i) {
        const bool hyphen = i == 9 || i == 14 || i == 19 || i == 24;
        const char16_t c = text[i].unicode();
        const bool digit =
            (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        if (hyphen ? c != u'-' : !digit) {
            return std::nullopt;
        }
    }
    const auto hex = [&text](int from, int length) {
        return text.mid(from, length).toULongLong(nullptr, 16);
    };
    GUID guid;
    guid.Data1 = static_cast<std::uint32_t>(hex(1, 8));
    guid.Data2 = static_cast<std::uint16_t>(hex(10, 4));
    guid.Data3 = static_cast<std::uint16_t>(hex(15, 4));
    guid.Data4[0] = static_cast<std::uint8_t>(hex(20, 2));
    guid.Data4[1] = static_cast<std::uint8_t>(hex(22, 2));
    for (int i = 0; i < 6; ++i) {
        guid.Data4[2 + i] = static_cast<std::uint8_t>(hex(25 + 2 * i, 2));
    }
    return guid;
}

} // namespace qor

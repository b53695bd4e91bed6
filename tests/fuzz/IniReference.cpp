// The INI rules, read byte by byte and character by character.
#include "IniReference.h"

namespace qor::fuzz {
namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

// Control characters other than tab, the Unicode line and paragraph separators, and a
// surrogate without its pair.
bool HoldsUnwritable(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if ((c < 0x20 && c != u'\t') || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029) {
            return true;
        }
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 == text.size() || text[i + 1].unicode() < 0xDC00 ||
                text[i + 1].unicode() > 0xDFFF) {
                return true;
            }
            ++i;
        } else if (c >= 0xDC00 && c <= 0xDFFF) {
            return true;
        }
    }
    return false;
}

bool BadName(const QString& name) {
    return name.isEmpty() || IsBlank(name.front().unicode()) || IsBlank(name.back().unicode()) ||
           HoldsUnwritable(name);
}

} // namespace

std::vector<QByteArray> LinesOf(const QByteArray& content) {
    std::vector<QByteArray> lines;
    qsizetype begin = 0;
    while (begin < content.size()) {
        qsizetype end = content.indexOf('\n', begin);
        if (end < 0) {
            lines.push_back(content.mid(begin));
            break;
        }
        const qsizetype next = end + 1;
        if (end > begin && content[end - 1] == '\r') {
            --end;
        }
        lines.push_back(content.mid(begin, end - begin));
        begin = next;
    }
    return lines;
}

qsizetype ValueStart(const QByteArray& line) {
    qsizetype at = line.indexOf('=');
    if (at < 0) {
        return -1;
    }
    ++at;
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) {
        ++at;
    }
    return at;
}

bool RefusesEntry(const QString& section, const QString& key, const QString& value) {
    if (BadName(section) || BadName(key) || key.contains(u'=')) {
        return true;
    }
    const char16_t first = key.front().unicode();
    return first == u'[' || first == u';' || first == u'#' || HoldsUnwritable(value);
}

} // namespace qor::fuzz

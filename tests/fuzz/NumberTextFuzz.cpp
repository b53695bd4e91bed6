// Fuzz target: typed text to real and integer numbers under either decimal separator.
// Input: one byte of choices (bit 0: the separator is ',' rather than '.'; bit 1: the rest is
// UTF-16 code units rather than UTF-8), then the text. Every answer must agree with the
// reference reading of the rules, value and sign included, and every refusal must be the
// conversion error whose text names the input whole.
#include "FuzzCheck.h"
#include "NumberReference.h"

#include "platform/DecimalSeparator.h"
#include "platform/NumberText.h"

#include <QString>
#include <QStringDecoder>

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

namespace {

using qor::fuzz::Check;
using qor::fuzz::Violated;

QString TextOf(const std::uint8_t* data, std::size_t size, bool utf16) {
    if (utf16) {
        std::u16string units(size / 2, u'\0');
        std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
        return QString::fromStdU16String(units);
    }
    return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)
        .decode(QByteArrayView(data, static_cast<qsizetype>(size)));
}

// The text as an error message shows it: a character that cannot stand in a message (NUL
// would end it, a surrogate without its pair has no UTF-8 form) shows as U+FFFD.
QString Shown(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool pairStart =
            c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pairStart) {
            shown += c;
            shown += text[++i];
        } else if (c.isNull() || c.isSurrogate()) {
            shown += QChar::ReplacementCharacter;
        } else {
            shown += c;
        }
    }
    return shown;
}

void CheckMessage(const char* what, const QString& text, const char* kind) {
    const QString expected = QStringLiteral("'") + Shown(text) +
                             QStringLiteral("' is not a valid ") + QString::fromLatin1(kind);
    // what() is read as the message display reads it: up to its first NUL.
    Check(QString::fromUtf8(what) == expected, "the error text names the input whole");
}

void CheckReal(const QString& text, char16_t separator) {
    const std::optional<double> expected =
        qor::fuzz::ReferenceReal(text.toStdU16String(), separator);
    try {
        const double value = qor::TextToReal(text);
        Check(expected.has_value(), "a text that is not a real number is refused");
        Check(std::memcmp(&value, &*expected, sizeof value) == 0,
              "a real number converts to its correctly rounded value, sign included");
    } catch (const qor::ConversionError& error) {
        if (expected) {
            Violated("a real number is accepted");
        }
        CheckMessage(error.what(), text, "floating point value");
    }
}

void CheckInteger(const QString& text) {
    const std::optional<std::int32_t> expected = qor::fuzz::ReferenceInteger(text.toStdU16String());
    try {
        const int value = qor::TextToInteger(text);
        Check(expected.has_value(), "a text that is not a 32-bit integer is refused");
        Check(value == *expected, "an integer converts to its value");
    } catch (const qor::ConversionError& error) {
        if (expected) {
            Violated("a 32-bit integer is accepted");
        }
        CheckMessage(error.what(), text, "integer value");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const char16_t separator = (data[0] & 1) != 0 ? u',' : u'.';
    const QString text = TextOf(data + 1, size - 1, (data[0] & 2) != 0);
    qor::SetDecimalSeparator(QChar(separator));
    CheckReal(text, separator);
    CheckInteger(text);
    Check(qor::DecimalSeparator() == QChar(separator), "a conversion leaves the separator alone");
    return 0;
}

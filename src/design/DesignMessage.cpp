#include "design/DesignMessage.h"

#include "design/DesignKeys.h"

#include <vector>

namespace qor {
namespace {

constexpr std::size_t QuotedCharacters = 40;

// The text in single quotes; after QuotedCharacters code points it is cut and ends in "…".
std::string Quoted(const std::string& text) {
    std::size_t characters = 0;
    std::size_t cut = 0;
    while (cut < text.size() && characters < QuotedCharacters) {
        ++cut;
        while (cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
            ++cut;
        }
        ++characters;
    }
    return "'" + text.substr(0, cut) + (cut < text.size() ? "…'" : "'");
}

// Marks a source text for the translation tools, which read the macro's name; the text is
// translated where the message is made, by the caller's function.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

constexpr const char* kContext = "qor::DesignMessage";

// The template with %1, %2, ... replaced by the arguments in one pass, so that an argument that
// holds "%2" itself stays as it is.
std::string Fill(const std::string& pattern, const std::vector<std::string>& arguments) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const bool argument = pattern[i] == '%' && next >= '1' &&
                              static_cast<std::size_t>(next - '1') < arguments.size();
        if (argument) {
            text += arguments[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

struct Message {
    const char* pattern;
    std::vector<std::string> arguments;
};

Message Reason(const DesignError& e) {
    switch (e.Reason) {
    case DesignErrorReason::TooLarge:
        return {
            QT_TRANSLATE_NOOP("qor::DesignMessage", "файл больше 1 МБ: это не файл конструкции"),
            {}};
    case DesignErrorReason::Empty:
        return {QT_TRANSLATE_NOOP("qor::DesignMessage", "файл пуст"), {}};
    case DesignErrorReason::BinaryData:
        return {QT_TRANSLATE_NOOP("qor::DesignMessage", "двоичные данные: это не текстовый файл"),
                {}};
    case DesignErrorReason::NotUtf8:
        return {QT_TRANSLATE_NOOP("qor::DesignMessage", "текст не в кодировке UTF-8"), {}};
    case DesignErrorReason::NotKeyValue:
        return {
            QT_TRANSLATE_NOOP("qor::DesignMessage", "%1 — не заголовок раздела и не ключ=значение"),
            {Quoted(e.Text)}};
    case DesignErrorReason::RepeatedSection:
        return {QT_TRANSLATE_NOOP("qor::DesignMessage", "раздел [%1] повторяется"), {e.Section}};
    case DesignErrorReason::RepeatedKey:
        return {QT_TRANSLATE_NOOP("qor::DesignMessage", "ключ %1 повторяется в разделе [%2]"),
                {e.Key, e.Section}};
    case DesignErrorReason::NotANumber:
        return {QT_TRANSLATE_NOOP("qor::DesignMessage", "%1 — не число"), {Quoted(e.Text)}};
    case DesignErrorReason::NotFinite:
        return {QT_TRANSLATE_NOOP("qor::DesignMessage", "%1 — не конечное число"),
                {Quoted(e.Text)}};
    case DesignErrorReason::NotWholeNumber:
        return {
            QT_TRANSLATE_NOOP("qor::DesignMessage", "%1 — длина звена %2 должна быть целым числом"),
            {Quoted(e.Text), e.Key}};
    case DesignErrorReason::LengthOutOfRange:
        return {QT_TRANSLATE_NOOP("qor::DesignMessage", "%1 — длина звена %2 слишком велика"),
                {Quoted(e.Text), e.Key}};
    case DesignErrorReason::BadDrive:
        return {QT_TRANSLATE_NOOP("qor::DesignMessage", "%1 — %2 может быть только +, - или off"),
                {Quoted(e.Text), e.Key}};
    case DesignErrorReason::BadFormat:
        return {QT_TRANSLATE_NOOP("qor::DesignMessage", "%1 — не номер формата"), {Quoted(e.Text)}};
    case DesignErrorReason::NewerFormat:
        return {QT_TRANSLATE_NOOP(kContext,
                                  "файл формата %1, а эта версия QOR читает только формат "
                                  "%2: нужна более новая версия программы"),
                {e.Text, std::to_string(DesignFormat)}};
    case DesignErrorReason::MissingSection:
        return {QT_TRANSLATE_NOOP("qor::DesignMessage", "нет раздела [%1]"), {e.Section}};
    case DesignErrorReason::MissingKey:
        return {QT_TRANSLATE_NOOP("qor::DesignMessage", "в разделе [%1] нет ключа %2"),
                {e.Section, e.Key}};
    case DesignErrorReason::CouplersDiffer:
        return {"L2 ≠ L3", {}};
    case DesignErrorReason::DoesNotClose:
        return {e.Section == MechanismSectionNames[0]
                    ? QT_TRANSLATE_NOOP("qor::DesignMessage",
                                        "механизм 1 не замыкается при всех положениях: "
                                        "нужно L2+L3 >= L1 + L4 + sqrt(a*a + b*b)")
                    : QT_TRANSLATE_NOOP("qor::DesignMessage",
                                        "механизм 2 не замыкается при всех положениях: "
                                        "нужно L2+L3 >= L1 + L4 + sqrt(a*a + b*b)"),
                {}};
    }
    return {"", {}};
}

} // namespace

std::string DesignErrorMessage(const DesignError& error, const DesignTextTranslator& translate) {
    const auto text = [&translate](const char* source) {
        return translate ? translate(kContext, source) : std::string(source);
    };
    const Message reason = Reason(error);
    const std::string shown = Fill(text(reason.pattern), reason.arguments);
    if (error.Line == 0) {
        return shown;
    }
    return Fill(text(QT_TRANSLATE_NOOP("qor::DesignMessage", "строка %1: %2")),
                {std::to_string(error.Line), shown});
}

} // namespace qor

#include "design/DesignMessage.h"

#include "design/DesignKeys.h"

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

// "механизм 1" for [Mechanism1], "механизм 2" for [Mechanism2].
std::string MechanismWords(const std::string& section) {
    return section == MechanismSectionNames[0] ? "механизм 1" : "механизм 2";
}

std::string Reason(const DesignError& e) {
    switch (e.Reason) {
    case DesignErrorReason::TooLarge:
        return "файл больше 1 МБ: это не файл конструкции";
    case DesignErrorReason::Empty:
        return "файл пуст";
    case DesignErrorReason::BinaryData:
        return "двоичные данные: это не текстовый файл";
    case DesignErrorReason::NotUtf8:
        return "текст не в кодировке UTF-8";
    case DesignErrorReason::NotKeyValue:
        return Quoted(e.Text) + " — не заголовок раздела и не ключ=значение";
    case DesignErrorReason::RepeatedSection:
        return "раздел [" + e.Section + "] повторяется";
    case DesignErrorReason::RepeatedKey:
        return "ключ " + e.Key + " повторяется в разделе [" + e.Section + "]";
    case DesignErrorReason::NotANumber:
        return Quoted(e.Text) + " — не число";
    case DesignErrorReason::NotFinite:
        return Quoted(e.Text) + " — не конечное число";
    case DesignErrorReason::NotWholeNumber:
        return Quoted(e.Text) + " — длина звена " + e.Key + " должна быть целым числом";
    case DesignErrorReason::LengthOutOfRange:
        return Quoted(e.Text) + " — длина звена " + e.Key + " слишком велика";
    case DesignErrorReason::BadDrive:
        return Quoted(e.Text) + " — " + e.Key + " может быть только +, - или off";
    case DesignErrorReason::BadFormat:
        return Quoted(e.Text) + " — не номер формата";
    case DesignErrorReason::NewerFormat:
        return "файл формата " + e.Text + ", а эта версия QOR читает только формат " +
               std::to_string(DesignFormat) + ": нужна более новая версия программы";
    case DesignErrorReason::MissingSection:
        return "нет раздела [" + e.Section + "]";
    case DesignErrorReason::MissingKey:
        return "в разделе [" + e.Section + "] нет ключа " + e.Key;
    case DesignErrorReason::CouplersDiffer:
        return "L2 ≠ L3";
    case DesignErrorReason::DoesNotClose:
        return MechanismWords(e.Section) +
               " не замыкается при всех положениях: нужно L2+L3 >= L1 + L4 + sqrt(a*a + b*b)";
    }
    return {};
}

} // namespace

std::string DesignErrorMessage(const DesignError& error) {
    const std::string reason = Reason(error);
    if (error.Line == 0) {
        return reason;
    }
    return "строка " + std::to_string(error.Line) + ": " + reason;
}

} // namespace qor

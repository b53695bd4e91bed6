// The Russian text of each fault, as the window shows it after the file's name.
#include "design/DesignMessage.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace {

using qor::DesignError;
using R = qor::DesignErrorReason;

struct MessageCase {
    DesignError error;
    const char* message;
};

TEST(DesignErrorMessage, NamesTheLineAndTheReason) {
    const MessageCase cases[] = {
        {{R::TooLarge, 0, "", "", ""}, "файл больше 1 МБ: это не файл конструкции"},
        {{R::Empty, 0, "", "", ""}, "файл пуст"},
        {{R::BinaryData, 3, "", "", ""}, "строка 3: двоичные данные: это не текстовый файл"},
        {{R::NotUtf8, 1, "", "", ""}, "строка 1: текст не в кодировке UTF-8"},
        {{R::NotKeyValue, 12, "Mechanism1", "", "fi0 0"},
         "строка 12: 'fi0 0' — не заголовок раздела и не ключ=значение"},
        {{R::RepeatedSection, 30, "Mechanism2", "", "[Mechanism2]"},
         "строка 30: раздел [Mechanism2] повторяется"},
        {{R::RepeatedKey, 11, "Mechanism1", "L2", "6"},
         "строка 11: ключ L2 повторяется в разделе [Mechanism1]"},
        {{R::NotANumber, 4, "Mechanism1", "a", "abc"}, "строка 4: 'abc' — не число"},
        {{R::NotFinite, 14, "Mechanism1", "fi0", "1e999"},
         "строка 14: '1e999' — не конечное число"},
        {{R::NotWholeNumber, 8, "Mechanism2", "L1", "2.5"},
         "строка 8: '2.5' — длина звена L1 должна быть целым числом"},
        {{R::LengthOutOfRange, 25, "Mechanism2", "L4", "1e10"},
         "строка 25: '1e10' — длина звена L4 слишком велика"},
        {{R::BadDrive, 16, "Mechanism1", "Link1", "on"},
         "строка 16: 'on' — Link1 может быть только +, - или off"},
        {{R::BadFormat, 3, "QOR", "format", "one"}, "строка 3: 'one' — не номер формата"},
        {{R::NewerFormat, 3, "QOR", "format", "2"},
         "строка 3: файл формата 2, а эта версия QOR читает только формат 1: нужна более новая "
         "версия программы"},
        {{R::MissingSection, 0, "Mechanism2", "", ""}, "нет раздела [Mechanism2]"},
        {{R::MissingKey, 5, "Mechanism1", "L3", ""},
         "строка 5: в разделе [Mechanism1] нет ключа L3"},
        {{R::CouplersDiffer, 7, "Mechanism1", "L3", ""}, "строка 7: L2 ≠ L3"},
        {{R::DoesNotClose, 19, "Mechanism2", "", ""},
         "строка 19: механизм 2 не замыкается при всех положениях: нужно "
         "L2+L3 >= L1 + L4 + sqrt(a*a + b*b)"},
        {{R::DoesNotClose, 5, "Mechanism1", "", ""},
         "строка 5: механизм 1 не замыкается при всех положениях: нужно "
         "L2+L3 >= L1 + L4 + sqrt(a*a + b*b)"},
    };
    for (const MessageCase& c : cases) {
        EXPECT_EQ(qor::DesignErrorMessage(c.error), c.message);
    }
}

TEST(DesignErrorMessage, ShortensALongTextWithoutSplittingACharacter) {
    // 39 ASCII characters, then Cyrillic letters of two bytes each.
    const std::string text = std::string(39, 'x') + "яяя";
    const DesignError error{R::NotANumber, 2, "Mechanism1", "a", text};
    EXPECT_EQ(qor::DesignErrorMessage(error),
              "строка 2: '" + std::string(39, 'x') + "я…' — не число");
    const DesignError exact{R::NotANumber, 2, "Mechanism1", "a", std::string(40, 'y')};
    EXPECT_EQ(qor::DesignErrorMessage(exact),
              "строка 2: '" + std::string(40, 'y') + "' — не число");
}

TEST(DesignErrorMessage, ReadsTheReaderOwnFaults) {
    const qor::DesignOrError read = qor::ReadDesign("[QOR]\nformat=1\n[Mechanism1]\nb=abc\n");
    ASSERT_TRUE(std::holds_alternative<DesignError>(read));
    EXPECT_EQ(qor::DesignErrorMessage(std::get<DesignError>(read)), "строка 4: 'abc' — не число");
}

} // namespace

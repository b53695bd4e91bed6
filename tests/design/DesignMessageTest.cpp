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
    // The texts the window shows most: the issue's own two examples, a fault of the whole
    // file, one that quotes a key and its section, and the two that explain themselves.
    const MessageCase cases[] = {
        {{R::CouplersDiffer, 7, "Mechanism1", "L3", ""}, "строка 7: L2 ≠ L3"},
        {{R::NotANumber, 4, "Mechanism1", "a", "abc"}, "строка 4: 'abc' — не число"},
        {{R::MissingSection, 0, "Mechanism2", "", ""}, "нет раздела [Mechanism2]"},
        {{R::MissingKey, 5, "Mechanism1", "L3", ""},
         "строка 5: в разделе [Mechanism1] нет ключа L3"},
        {{R::NewerFormat, 3, "QOR", "format", "2"},
         "строка 3: файл формата 2, а эта версия QOR читает только формат 1: нужна более новая "
         "версия программы"},
        {{R::DoesNotClose, 19, "Mechanism2", "", ""},
         "строка 19: механизм 2 не замыкается при всех положениях: нужно "
         "L2+L3 >= L1 + L4 + sqrt(a*a + b*b)"},
    };
    for (const MessageCase& c : cases) {
        EXPECT_EQ(qor::DesignErrorMessage(c.error), c.message);
    }
}

// The window hands over a translator; what the file quotes stays as it is, "%2" included.
TEST(DesignErrorMessage, FillsTheTranslatedTextsWithTheFaultsParts) {
    const qor::DesignTextTranslator english = [](const char* context, const char* source) {
        EXPECT_STREQ(context, "qor::DesignMessage");
        const std::string text = source;
        return text == "строка %1: %2"   ? std::string("line %1: %2")
               : text == "%1 — не число" ? std::string("%1 is not a number")
                                         : "untranslated " + text;
    };
    EXPECT_EQ(qor::DesignErrorMessage({R::NotANumber, 4, "Mechanism1", "a", "%2%1"}, english),
              "line 4: '%2%1' is not a number");
}

TEST(DesignErrorMessage, ShortensALongTextWithoutSplittingACharacter) {
    // 39 ASCII characters, then Cyrillic letters of two bytes each.
    std::string text(39, 'x');
    text += "яяя";
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

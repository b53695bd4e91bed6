// Runs with LC_NUMERIC=ru_RU.UTF-8 and LANG=C.UTF-8 (see CMakeLists.txt): the separator of the
// numeric locale is the one the program starts with, and it governs conversions both ways.
#include "platform/DecimalSeparator.h"
#include "platform/NumberText.h"

#include <gtest/gtest.h>

TEST(RussianNumericLocale, StartsWithTheComma) {
    EXPECT_EQ(qor::DecimalSeparator(), QChar(','));
    EXPECT_EQ(qor::TextToReal(QStringLiteral("1,5")), 1.5);
    EXPECT_THROW(qor::TextToReal(QStringLiteral("1.5")), qor::ConversionError);
    EXPECT_EQ(qor::RealToFixedText(-5.80947501931113), QStringLiteral("-5,81"));
}

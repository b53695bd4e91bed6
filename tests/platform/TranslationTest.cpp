// Qt's own texts come in Russian once the translation is loaded, whatever the locale (the tests
// run under LC_ALL=C.UTF-8).
#include "platform/Translation.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(RussianTranslation, GivesQtsStandardButtonsRussianTexts) {
    ASSERT_TRUE(qor::LoadRussianTranslation());
    const QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                               QDialogButtonBox::No | QDialogButtonBox::Close);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().toStdString(), "Отмена");
    EXPECT_EQ(box.button(QDialogButtonBox::Yes)->text().toStdString(), "&Да");
    EXPECT_EQ(box.button(QDialogButtonBox::No)->text().toStdString(), "&Нет");
    EXPECT_EQ(box.button(QDialogButtonBox::Close)->text().toStdString(), "Закрыть");
}

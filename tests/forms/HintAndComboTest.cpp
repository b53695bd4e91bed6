// Splitting a hint into its tooltip and status-bar parts, and selecting a combo entry by text.
#include "forms/Hint.h"
#include "forms/SelectComboItem.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct HintCase {
    std::string name;
    QString hint;
    QString shortPart;
    QString longPart;
};

void PrintTo(const HintCase& c, std::ostream* os) {
    *os << c.name;
}

class HintParts : public testing::TestWithParam<HintCase> {};

TEST_P(HintParts, SplitAtTheFirstBar) {
    const HintCase& c = GetParam();
    EXPECT_EQ(qor::ShortHint(c.hint), c.shortPart);
    EXPECT_EQ(qor::LongHint(c.hint), c.longPart);
    QWidget control;
    qor::SetHint(&control, c.hint);
    EXPECT_EQ(control.toolTip(), c.shortPart);
    EXPECT_EQ(control.statusTip(), c.longPart);
}

INSTANTIATE_TEST_SUITE_P(
    Hints, HintParts,
    testing::Values(HintCase{"ShortAndLong", "Выход|Завершение работы", "Выход",
                             "Завершение работы"},
                    HintCase{"NoBarServesAsBoth", "Информация", "Информация", "Информация"},
                    HintCase{"LeadingBarHasNoTooltip", "|Только строка", "", "Только строка"},
                    HintCase{"TrailingBarHasNoStatusText", "Подсказка|", "Подсказка", ""},
                    HintCase{"SecondBarBelongsToTheLongPart", "a|b|c", "a", "b|c"},
                    HintCase{"EmptyHasNeither", "", "", ""}),
    [](const auto& info) { return info.param.name; });

struct Selection {
    std::string name;
    QString text;
    int index;
};

void PrintTo(const Selection& s, std::ostream* os) {
    *os << s.name;
}

class ComboSelection : public testing::TestWithParam<Selection> {};

TEST_P(ComboSelection, SelectsTheExactTextOrNothingAndSignalsNoChange) {
    for (bool editable : {false, true}) {
        QComboBox combo;
        combo.setEditable(editable);
        combo.addItems({"по умолчанию", "сверху", "спереди", "под углом"});
        combo.setCurrentIndex(2);
        QSignalSpy indexChanges(&combo, &QComboBox::currentIndexChanged);
        QSignalSpy textChanges(&combo, &QComboBox::currentTextChanged);
        qor::SelectComboItem(&combo, GetParam().text);
        EXPECT_EQ(combo.currentIndex(), GetParam().index) << "editable " << editable;
        EXPECT_EQ(indexChanges.count(), 0);
        EXPECT_EQ(textChanges.count(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ComboSelection,
                         testing::Values(Selection{"FirstEntry", "по умолчанию", 0},
                                         Selection{"LastEntry", "под углом", 3},
                                         Selection{"OtherCaseIsNoEntry", "Сверху", -1},
                                         Selection{"PrefixIsNoEntry", "под", -1},
                                         Selection{"EmptyIsNoEntry", "", -1}),
                         [](const auto& info) { return info.param.name; });

} // namespace

// Setting and finding keys in the text of an INI file.
#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

struct EditCase {
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

const EditCase editCases[] = {
    {"EmptyFileGetsSectionAndKey", "", "S", "k", "v", "[S]\nk=v\n"},
    {"ReplacesTheValueInPlace", "[S]\nk=old\nz=1\n", "S", "k", "new", "[S]\nk=new\nz=1\n"},
    {"KeepsIndentSpellingAndBlanksAroundEquals", "[S]\n  K \t=  old  \n", "S", "k", "new",
     "[S]\n  K \t=  new\n"},
    {"MatchesNamesWhateverTheirCase", "[d3drmdevice]\nDITHER=0\n", "D3DRMDevice", "Dither", "1",
     "[d3drmdevice]\nDITHER=1\n"},
    {"MatchesCyrillicNamesWhateverTheirCase", "[Вид]\nПоле=1\n", "вид", "ПОЛЕ", "2",
     "[Вид]\nПоле=2\n"},
    {"EmptyValueReplaced", "[S]\nk=\n", "S", "k", "1", "[S]\nk=1\n"},
    {"EmptyValueWritten", "[S]\nk=1\n", "S", "k", "", "[S]\nk=\n"},
    {"NewKeyFollowsTheLastEntryNotTheTrailingBlankAndComment", "[S]\na=1\n\n; about T\n[T]\nb=2\n",
     "S", "c", "3", "[S]\na=1\nc=3\n\n; about T\n[T]\nb=2\n"},
    {"CommentsBetweenEntriesStay", "[S]\na=1\n; note\n# note\nb=2\n\n", "S", "c", "3",
     "[S]\na=1\n; note\n# note\nb=2\nc=3\n\n"},
    {"NewKeyInASectionWithoutEntriesFollowsItsHeader", "[S]\n\n[T]\n", "S", "k", "v",
     "[S]\nk=v\n\n[T]\n"},
    {"CommentedOutKeyIsNotTheKey", "[S]\n;k=1\n", "S", "k", "2", "[S]\nk=2\n;k=1\n"},
    {"LineWithoutEqualsIsNotTheKey", "[S]\nk\n", "S", "k", "2", "[S]\nk\nk=2\n"},
    {"HeaderWithoutLineEndGetsOne", "[S]", "S", "k", "v", "[S]\nk=v\n"},
    {"LastEntryWithoutLineEndGetsOne", "[S]\na=1", "S", "k", "v", "[S]\na=1\nk=v\n"},
    {"LastLineEndingInCarriageReturnKeepsIt", "[S]\na=1\r", "S", "k", "v", "[S]\na=1\r\r\nk=v\n"},
    {"LastLineEndingInCarriageReturnKeepsItBeforeANewSection", "a=1\r", "T", "k", "v",
     "a=1\r\r\n\n[T]\nk=v\n"},
    {"ReplacedLastLineKeepsHavingNoLineEnd", "[S]\nk=1", "S", "k", "2", "[S]\nk=2"},
    {"MissingSectionFollowsABlankLine", "[S]\na=1\n", "T", "k", "v", "[S]\na=1\n\n[T]\nk=v\n"},
    {"MissingSectionUsesAnExistingBlankLine", "[S]\na=1\n\n", "T", "k", "v",
     "[S]\na=1\n\n[T]\nk=v\n"},
    {"MissingSectionAfterALastLineWithoutLineEnd", "; x", "T", "k", "v", "; x\n\n[T]\nk=v\n"},
    {"CrLfFileGetsCrLfKeys", "[S]\r\na=1\r\n", "S", "k", "v", "[S]\r\na=1\r\nk=v\r\n"},
    {"CrLfFileGetsCrLfSections", "[S]\r\na=1\r\n", "T", "k", "v",
     "[S]\r\na=1\r\n\r\n[T]\r\nk=v\r\n"},
    {"CrLfReplacementKeepsTheLineEnd", "[S]\r\nk=1\r\n", "S", "k", "2", "[S]\r\nk=2\r\n"},
    {"FirstLineEndDecidesForMixedFiles", "[S]\na=1\r\n", "S", "k", "v", "[S]\na=1\r\nk=v\n"},
    {"KeyInALaterSectionOfTheSameNameIsReplaced", "[S]\na=1\n[T]\n[S]\nk=1\n", "S", "k", "2",
     "[S]\na=1\n[T]\n[S]\nk=2\n"},
    {"NewKeyGoesToTheFirstSectionOfTheName", "[S]\na=1\n[T]\n[S]\nb=1\n", "S", "k", "2",
     "[S]\na=1\nk=2\n[T]\n[S]\nb=1\n"},
    {"OnlyTheFirstOfDuplicateKeysIsReplaced", "[S]\nk=1\nk=1\n", "S", "k", "2", "[S]\nk=2\nk=1\n"},
    {"KeyBeforeAnySectionBelongsToNone", "k=1\n[S]\n", "S", "k", "2", "k=1\n[S]\nk=2\n"},
    {"SameKeyInAnotherSectionStays", "[T]\nk=1\n[S]\nk=1\n", "S", "k", "2", "[T]\nk=1\n[S]\nk=2\n"},
    {"ByteOrderMarkStaysAndIsNotPartOfTheName", "\xEF\xBB\xBF[S]\nk=1\n", "S", "k", "2",
     "\xEF\xBB\xBF[S]\nk=2\n"},
    {"HeaderNameRunsToTheLastBracket", "[a]b]\nk=1\n", "a]b", "k", "2", "[a]b]\nk=2\n"},
    {"BlanksInsideTheBracketsDoNotCount", " [ S ] \nk=1\n", "S", "k", "2", " [ S ] \nk=2\n"},
    {"BracketWithoutCloseIsAnEntryNotASection", "[S]\n[x=1\n", "S", "k", "2", "[S]\n[x=1\nk=2\n"},
    {"ForeignBytesElsewhereStay", "[X]\nq=\xFF\xFE\r\n[S]\n", "S", "k", "1",
     "[X]\nq=\xFF\xFE\r\n[S]\nk=1\n"},
    {"ValueWithBlankEndsIsQuoted", "", "S", "k", " a ", "[S]\nk=\" a \"\n"},
    {"ValueInQuotesIsQuotedAgain", "", "S", "k", "'x'", "[S]\nk=\"'x'\"\n"},
    {"ValueWithOneQuoteIsNotQuoted", "", "S", "k", "\"", "[S]\nk=\"\n"},
    {"ValueMayHoldEqualsAndSemicolons", "", "S", "k", "a=b;c", "[S]\nk=a=b;c\n"},
};

class IniEdit : public testing::TestWithParam<EditCase> {};

TEST_P(IniEdit, SetsTheKeyAndKeepsTheRest) {
    const EditCase& c = GetParam();
    const QByteArray after =
        qor::WithProfileString(QByteArray(c.before), QString::fromUtf8(c.section),
                               QString::fromUtf8(c.key), QString::fromUtf8(c.value));
    EXPECT_EQ(after.toStdString(), c.after);
    EXPECT_EQ(qor::FindProfileString(after, QString::fromUtf8(c.section), QString::fromUtf8(c.key)),
              QString::fromUtf8(c.value));
}

INSTANTIATE_TEST_SUITE_P(Cases, IniEdit, testing::ValuesIn(editCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Names and values that are awkward for INI lines but can be held.
struct RoundTripCase {
    const char* name;
    QString section;
    QString key;
    QString value;
};

const RoundTripCase roundTripCases[] = {
    {"BracketsInSectionName", "[a]", "k", "1"},
    {"OpeningBracketInSectionName", "[x", "k", "1"},
    {"PunctuationInSectionName", "=;#", "k", "1"},
    {"BlankInsideSectionName", "Вид Порт", "Поле", "1"},
    {"BracketsInsideKey", "S", "a[b]", "1"},
    {"SemicolonInsideKey", "S", "k;x", "1"},
    {"LeadingBlank", "S", "k", " lead"},
    {"TrailingTab", "S", "k", "trail\t"},
    {"DoubleQuotes", "S", "k", "\"q\""},
    {"SingleQuotes", "S", "k", "'q'"},
    {"EmptyQuotes", "S", "k", "\"\""},
    {"MismatchedQuotes", "S", "k", "'q\""},
    {"OnlyBlanks", "S", "k", "  "},
    {"CommentLikeValue", "S", "k", "; not a comment"},
    {"TabInside", "S", "k", "a\tb"},
    {"NonLatinValue", "S", "k", "значение ✓"},
    // QStringLiteral, since a UTF-8 text loses a leading U+FEFF on its way into a QString.
    {"ValueStartingWithByteOrderMarkCharacter", "S", "k", QStringLiteral("\uFEFF'v'")},
    {"KeyStartingWithByteOrderMarkCharacter", "S", QStringLiteral("\uFEFFk"), "1"},
    {"SectionStartingWithByteOrderMarkCharacter", QStringLiteral("\uFEFFS"), "k", "1"},
};

class IniRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(IniRoundTrip, ReadsBackWhatWasWrittenAndLeavesOtherKeys) {
    const RoundTripCase& c = GetParam();
    const QByteArray base("; settings\n[S]\nother=1\n\n[T]\nk=2\n");
    ASSERT_TRUE(qor::ProfileEntryProblem(c.section, c.key, c.value).isEmpty());
    const QByteArray once = qor::WithProfileString(base, c.section, c.key, c.value);
    EXPECT_EQ(qor::FindProfileString(once, c.section, c.key), c.value);
    EXPECT_EQ(qor::FindProfileString(once, "S", "other"), "1");
    EXPECT_EQ(qor::FindProfileString(once, "T", "k"), "2");

    const QByteArray twice = qor::WithProfileString(once, c.section, c.key, "next");
    EXPECT_EQ(twice.count('\n'), once.count('\n')) << "the second write replaces the first";
    EXPECT_EQ(qor::FindProfileString(twice, c.section, c.key), "next");
}

INSTANTIATE_TEST_SUITE_P(Cases, IniRoundTrip, testing::ValuesIn(roundTripCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Names and values that no INI line can hold as they are.
struct RefusalCase {
    const char* name;
    QString section;
    QString key;
    QString value;
};

const RefusalCase refusalCases[] = {
    {"EmptySection", "", "k", "1"},
    {"SectionWithLeadingBlank", " S", "k", "1"},
    {"SectionWithTrailingTab", "S\t", "k", "1"},
    {"SectionWithLineFeed", "S\n[T]", "k", "1"},
    {"SectionWithCarriageReturn", "S\rT", "k", "1"},
    {"EmptyKey", "S", "", "1"},
    {"KeyWithEquals", "S", "a=b", "1"},
    {"KeyStartingWithSemicolon", "S", ";k", "1"},
    {"KeyStartingWithHash", "S", "#k", "1"},
    {"KeyStartingWithBracket", "S", "[k]", "1"},
    {"KeyWithTrailingBlank", "S", "k ", "1"},
    {"KeyWithNul", "S", QString::fromUtf8("k\0x", 3), "1"},
    {"ValueWithLineFeed", "S", "k", "1\n[T]\nk=2"},
    {"ValueWithCarriageReturn", "S", "k", "1\r"},
    {"ValueWithNul", "S", "k",
     QString::fromUtf8("1\0"
                       "2",
                       3)},
    {"ValueWithNextLine", "S", "k", QString(QChar(0x85))},
    {"ValueWithLineSeparator", "S", "k", QString(QChar(0x2028))},
    {"ValueWithParagraphSeparator", "S", "k", QString(QChar(0x2029))},
    {"ValueWithFormFeed", "S", "k", "a\fb"},
    {"ValueWithLoneSurrogate", "S", "k", QString(QChar(0xD800))},
};

class IniRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(IniRefusal, IsRefusedWithAReason) {
    const RefusalCase& c = GetParam();
    EXPECT_FALSE(qor::ProfileEntryProblem(c.section, c.key, c.value).isEmpty());
    EXPECT_THROW(qor::WithProfileString("[S]\nk=0\n", c.section, c.key, c.value),
                 std::invalid_argument);
}

INSTANTIATE_TEST_SUITE_P(Cases, IniRefusal, testing::ValuesIn(refusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct FindCase {
    const char* name;
    const char* content;
    const char* key;
    std::optional<QString> value;
};

const FindCase findCases[] = {
    {"BlanksAroundTheValueDoNotCount", "[S]\nk =  a b \t\n", "k", "a b"},
    {"DoubleQuotesAreDropped", "[S]\nk=\" a \"\n", "k", " a "},
    {"SingleQuotesAreDropped", "[S]\nk='a'\n", "k", "a"},
    {"UnmatchedQuoteStays", "[S]\nk=\"a\n", "k", "\"a"},
    {"CarriageReturnIsPartOfTheLineEnd", "[S]\r\nk=a\r\n", "k", "a"},
    {"FirstOfDuplicateKeysCounts", "[S]\nk=1\nk=2\n", "k", "1"},
    {"LaterSectionOfTheSameNameCounts", "[S]\n[T]\nk=0\n[s]\nk=1\n", "k", "1"},
    {"MissingKey", "[S]\nother=1\n", "k", std::nullopt},
    {"KeyInAnotherSection", "[T]\nk=1\n", "k", std::nullopt},
    {"KeyBeforeAnySection", "k=1\n[S]\n", "k", std::nullopt},
    {"CommentedKey", "[S]\n; k=1\n", "k", std::nullopt},
    {"EmptyContent", "", "k", std::nullopt},
};

class IniFind : public testing::TestWithParam<FindCase> {};

TEST_P(IniFind, ReadsTheValueOfSectionS) {
    const FindCase& c = GetParam();
    EXPECT_EQ(qor::FindProfileString(c.content, "S", QString::fromUtf8(c.key)), c.value);
}

INSTANTIATE_TEST_SUITE_P(Cases, IniFind, testing::ValuesIn(findCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

// The converters called directly, for what a phrase cannot reach: a dictionary
// answer passing through, Latin sounds of letters that a phrase would spell,
// letters without a name, and groups without a scale word.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "converters.h"
#include "cp1251.h"

namespace zorna {
namespace {

// Shows code page 1251 text as UTF-8, for comparisons that read well when they fail.
std::string U(const std::string &cp1251) { return Cp1251ToUtf8(cp1251); }

TEST(LatinToPhoneticTest, SoundsInRunningTextNamesWhenSpelled) {
    const TLanguageTables &ru = RussianTables();
    struct Row {
        const char *Word;
        bool Spell;
        const char *Expected;
    };
    const std::vector<Row> rows = {
        {"windows", false, "виндовс"},
        {"q", false, "кв"},
        {"x", false, "кс"},
        {"x", true, "и+кс"},
        {"до+м", false, "до+м"},       // a Cyrillic dictionary answer passes through
        {"бэ+ цэ+ ", false, "бэ+ цэ+ "},  // as does a spelled abbreviation
        {"Ab", false, "Aб"},            // upper-case Latin is not converted
        {"", false, ""},
    };
    for (const Row &row : rows)
        EXPECT_EQ(U(LatinToPhonetic(ru, Cp(row.Word), row.Spell)), row.Expected) << row.Word;
    EXPECT_EQ(LatinToPhonetic(ru, "windows", false), LatinToPhonetic(UkrainianTables(), "windows", false));
}

TEST(LettersToPhoneticTest, LanguageMappingKeepsStressMarks) {
    struct Row {
        bool Ukrainian;
        const char *Word;
        bool Spell;
        const char *Expected;
    };
    const std::vector<Row> rows = {
        {true, "п'я+ть", false, "пъя+ть"},
        {true, "п’ять", false, "пъять"},
        {true, "се+ло", false, "сэ+ло"},
        {true, "ми+р", false, "мы+р"},
        {true, "ґі+єї", false, "ги+еї"},
        {true, "ё+", false, "ё+"},
        {false, "до+ме", false, "до+ме"},
        {false, "об'ект", false, "об'ект"},  // Russian keeps the apostrophe
        {false, "єіґї", false, "еиґї"},
        {false, "є", true, "е"},
        {false, "ё", true, "ё"},
        {true, "ё", true, "ё"},
        {true, "'", true, "'"},
        {false, "", false, ""},
        {true, "", true, ""},
    };
    for (const Row &row : rows) {
        const TLanguageTables &t = row.Ukrainian ? UkrainianTables() : RussianTables();
        EXPECT_EQ(U(LettersToPhonetic(t, row.Ukrainian, Cp(row.Word), row.Spell)), row.Expected)
            << row.Word << (row.Ukrainian ? " uk" : " ru");
    }
}

TEST(SpellAbbreviationTest, VowelLessWordsAreSpelledNameByName) {
    struct Row {
        bool Ukrainian;
        const char *Word;
        const char *Expected;
    };
    const std::vector<Row> rows = {
        {false, "кг", "ка+ гэ+ "},
        {false, "г", "гэ+ "},
        {false, "в", "в"},
        {false, "к", "к"},
        {false, "і", "і"},
        {false, "t", "t"},
        {false, "q", "кью+ "},
        {false, "бльк", "бльк"},
        {false, "сп+", "э+с пэ+ + "},
        {false, "bbc", "бэ+ бэ+ цэ+ "},
        {false, "www", "ду+бльвэ ду+бльвэ ду+бльвэ "},
        {false, "kб", "ка+ бэ+ "},
        {true, "кг", "ка+ гэ+ "},
        {true, "х", "хэ+ "},
        // Letters without a name are written as themselves.
        {false, "ґр", "ґ рэ+ "},
        {false, "КГ", "К Г "},
        {false, "", ""},
    };
    for (const Row &row : rows) {
        const TLanguageTables &t = row.Ukrainian ? UkrainianTables() : RussianTables();
        EXPECT_EQ(U(SpellAbbreviation(t, Cp(row.Word))), row.Expected) << row.Word;
    }
}

TEST(NumberToWordsTest, GroupsOfZerosAndStrayCharacters) {
    const TLanguageTables &ru = RussianTables();
    EXPECT_EQ(NumberToWords(ru, ""), "");
    EXPECT_EQ(U(NumberToWords(ru, "00")), " но+ль  но+ль ");
    EXPECT_EQ(GroupToWords(ru, "000", 7), "");  // no scale word for an empty group
    EXPECT_EQ(U(GroupToWords(ru, "001", 7)), " ади+н  миллио+н ");
    EXPECT_EQ(U(GroupToWords(ru, "14", 5)), " четы+рнадцать ты+сяч ");
    // Only digits are read; anything else in the run is skipped, never indexed.
    EXPECT_EQ(NumberToWords(ru, "1x5"), NumberToWords(ru, "15"));
    EXPECT_EQ(GroupToWords(ru, "12345", 5), "");
}

TEST(SymbolToPhoneticTest, NameFromTheRowsLevelOrWhenSpelled) {
    const TLanguageTables &ru = RussianTables();
    const TLanguageTables &uk = UkrainianTables();
    EXPECT_EQ(U(SymbolToPhonetic(ru, ',', 0, false)), ",");
    EXPECT_EQ(U(SymbolToPhonetic(ru, ',', 2, false)), " запята+я, ");
    EXPECT_EQ(U(SymbolToPhonetic(uk, ',', 2, false)), " ко+ма, ");
    EXPECT_EQ(U(SymbolToPhonetic(uk, '\'', 0, true)), " апо+строф ");
    EXPECT_EQ(U(SymbolToPhonetic(ru, Cp("«")[0], 3, true)), "«");
    EXPECT_EQ(U(SymbolToPhonetic(uk, '-', 200, false)), " тырэ+ ");  // any level above 3 names everything
    EXPECT_EQ(SymbolToPhonetic(ru, '&', 3, true), "&");                // a character without a row
    EXPECT_EQ(SymbolToPhonetic(ru, 0, 3, true), std::string(1, '\0'));  // the end row is not a row
}

}  // namespace
}  // namespace zorna

// Character tests, lower-casing, the preposition list and the word-character
// test with its hyphen count.
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "accent_dictionary.h"
#include "char_classes.h"
#include "cp1251.h"
#include "processor.h"
#include "test_dictionary.h"

namespace zorna {
namespace {

std::uint8_t Byte(const char *utf8) {
    const std::string cp = Cp(utf8);
    EXPECT_EQ(cp.size(), 1u) << utf8;
    return static_cast<std::uint8_t>(cp[0]);
}

TEST(CharClassTest, EachCharacterGetsTheFirstClassThatAcceptsIt) {
    struct Row {
        int Code;
        int Class;
    };
    const std::vector<Row> rows = {
        // digits and their neighbours
        {'0', ccDigit}, {'5', ccDigit}, {'9', ccDigit}, {'/', ccSymbol}, {':', ccPunctuation},
        // Latin letters and their neighbours
        {'A', ccLatin}, {'Q', ccLatin}, {'Z', ccLatin}, {'a', ccLatin}, {'z', ccLatin},
        {'@', ccSymbol}, {'[', ccSymbol}, {'`', ccSymbol}, {'{', ccSymbol},
        // Cyrillic letters: А-я and the extra letters
        {Byte("А"), ccCyrillic}, {Byte("я"), ccCyrillic}, {Byte("Ё"), ccCyrillic}, {Byte("ё"), ccCyrillic},
        {Byte("І"), ccCyrillic}, {Byte("і"), ccCyrillic}, {Byte("Є"), ccCyrillic}, {Byte("є"), ccCyrillic},
        {Byte("Ї"), ccCyrillic}, {Byte("ї"), ccCyrillic}, {Byte("Ґ"), ccCyrillic}, {Byte("ґ"), ccCyrillic},
        // spaces: space, bell, zero byte; tab and line breaks are not
        {' ', ccSpace}, {7, ccSpace}, {0, ccSpace}, {9, ccOther}, {10, ccOther}, {13, ccOther},
        // sentence punctuation
        {',', ccPunctuation}, {'.', ccPunctuation}, {'?', ccPunctuation}, {'!', ccPunctuation},
        {';', ccPunctuation},
        // symbols
        {'~', ccSymbol}, {'#', ccSymbol}, {'$', ccSymbol}, {'%', ccSymbol}, {'^', ccSymbol}, {'*', ccSymbol},
        {'(', ccSymbol}, {')', ccSymbol}, {'_', ccSymbol}, {'-', ccSymbol}, {']', ccSymbol}, {'}', ccSymbol},
        {'"', ccSymbol}, {'+', ccSymbol}, {'=', ccSymbol}, {'|', ccSymbol}, {'\\', ccSymbol}, {'<', ccSymbol},
        {'>', ccSymbol}, {'\'', ccSymbol}, {Byte("№"), ccSymbol}, {Byte("«"), ccSymbol}, {Byte("»"), ccSymbol},
        // class 0: ampersand, dashes, ellipsis, typographic quotes, other code page letters
        {'&', ccOther}, {150, ccOther}, {151, ccOther}, {133, ccOther}, {145, ccOther}, {146, ccOther},
        {147, ccOther}, {148, ccOther}, {Byte("Ў"), ccOther}, {Byte("ў"), ccOther}, {Byte("Ђ"), ccOther},
        {152, ccOther}, {127, ccOther}, {160, ccOther},
    };
    for (const Row &row : rows)
        EXPECT_EQ(CharClass(static_cast<std::uint8_t>(row.Code)), row.Class) << "code " << row.Code;
}

TEST(CharClassTest, UpperCaseLettersLowerToTheirPair) {
    const std::vector<std::pair<const char *, const char *>> pairs = {
        {"A", "a"}, {"Z", "z"}, {"А", "а"}, {"Я", "я"}, {"Ж", "ж"},
        {"Ё", "ё"}, {"І", "і"}, {"Є", "є"}, {"Ї", "ї"}, {"Ґ", "ґ"},
    };
    for (const auto &[upper, lower] : pairs) {
        EXPECT_TRUE(IsUpperCase(Byte(upper))) << upper;
        EXPECT_FALSE(IsUpperCase(Byte(lower))) << lower;
        EXPECT_EQ(ToLowerCase(Byte(upper)), Byte(lower)) << upper;
    }
    // Characters that are not upper-case letters come back unchanged.
    for (const char *other : {"a", "я", "ё", "ґ", "1", "@", "[", "Ў", "№"}) {
        EXPECT_FALSE(IsUpperCase(Byte(other))) << other;
        EXPECT_EQ(ToLowerCase(Byte(other)), Byte(other)) << other;
    }
}

TEST(PrepositionTest, ExactlyTheShortWordsGluedToTheNextWord) {
    for (const char *word : {"и", "а", "я", "от", "об", "о", "на", "ни", "в", "не", "ну", "но", "мы", "то", "ты",
                             "за", "да", "при", "обо", "для", "по", "у"})
        EXPECT_TRUE(IsPreposition(Cp(word))) << word;
    for (const char *word : {"", "В", "На", "со", "к", "с", "вв", "при ", " в", "дом", "і", "з"})
        EXPECT_FALSE(IsPreposition(Cp(word))) << "\"" << word << "\"";
}

// IsWordChar over a sequence of characters, the hyphen count starting at 0:
// 1 for a word character, 0 for another.
struct WordCharCase {
    std::uint8_t Language;
    const char *Text;      // UTF-8
    const char *Expected;  // one digit per character
};

TEST(WordCharTest, HyphenCountAndLanguageDecideWordCharacters) {
    const std::vector<WordCharCase> cases = {
        {kLanguageRussian, "кто-то", "111111"},
        {kLanguageRussian, "а-б-в", "11101"},       // a second hyphen ends the phrase
        {kLanguageRussian, "--", "10"},
        {kLanguageRussian, "5-", "10"},             // a digit sets the count to 3
        {kLanguageRussian, "a-", "10"},             // so does a Latin letter
        {kLanguageRussian, "-x-", "110"},
        {kLanguageRussian, "Z-я", "101"},
        {kLanguageRussian, "+ДОМ+", "11111"},
        {kLanguageRussian, "ЁёІіЄєЇїҐґ", "1111111111"},
        {kLanguageRussian, "'’ ,.;:!?&\"«»№", "00000000000000"},
        {kLanguageUkrainian, "п'ять’", "111111"},
        {kLanguageUkrainian, "хто-то", "111111"},
        {kLanguageUkrainian, "7-'", "101"},
        {kLanguageUkrainian, " ,«", "000"},
    };
    for (const WordCharCase &c : cases) {
        TProcessor processor(c.Language, test::DictionaryFolder());
        processor.ResetHyphenCount();
        const std::string text = Cp(c.Text);
        std::string got;
        for (char ch : text) got.push_back(processor.IsWordChar(static_cast<std::uint8_t>(ch)) ? '1' : '0');
        EXPECT_EQ(got, c.Expected) << c.Text << " language " << int{c.Language};
    }
}

TEST(WordCharTest, HyphenCountLastsBetweenCallsUntilReset) {
    TProcessor processor(kLanguageRussian, test::DictionaryFolder());
    processor.ResetHyphenCount();
    EXPECT_TRUE(processor.IsWordChar('5'));
    EXPECT_FALSE(processor.IsWordChar('-'));
    EXPECT_FALSE(processor.IsWordChar('-'));  // still raised
    processor.ResetHyphenCount();
    EXPECT_TRUE(processor.IsWordChar('-'));
    // Many hyphens in a row never make a hyphen a word character again.
    for (int i = 0; i < 100000; ++i) processor.IsWordChar('-');
    EXPECT_FALSE(processor.IsWordChar('-'));
    processor.ResetHyphenCount();
    EXPECT_TRUE(processor.IsWordChar('-'));
}

TEST(ProcessorTest, OpensTheDictionaryOfItsLanguage) {
    const std::string folder = test::DictionaryFolder();
    TProcessor russian(kLanguageRussian, folder);
    TProcessor ukrainian(kLanguageUkrainian, folder);
    EXPECT_EQ(russian.GetLanguage(), kLanguageRussian);
    EXPECT_EQ(ukrainian.GetLanguage(), kLanguageUkrainian);
    EXPECT_EQ(russian.Dictionary().FileName(), folder + "/slovar.rus");
    EXPECT_EQ(ukrainian.Dictionary().FileName(), folder + "/slovar.ukr");
    EXPECT_TRUE(russian.Pending().empty());
}

TEST(ProcessorTest, MissingDictionaryOrUnknownLanguageCreatesNoProcessor) {
    try {
        TProcessor processor(kLanguageRussian, test::DictionaryFolder() + "/no-such-folder");
        FAIL() << "created without a dictionary";
    } catch (const std::runtime_error &e) {
        EXPECT_STREQ(e.what(), "Unable to open file");
    }
    EXPECT_THROW(TProcessor(1, test::DictionaryFolder()), std::invalid_argument);
    EXPECT_THROW(TProcessor(4, test::DictionaryFolder()), std::invalid_argument);
}

}  // namespace
}  // namespace zorna

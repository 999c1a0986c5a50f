// Stress assignment: the whole word first, then the prefix lists by length,
// the spoken forms of prefixes, and the Ukrainian stress-mark filter.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "accent_dictionary.h"
#include "cp1251.h"
#include "dictionary_file.h"

namespace zorna {
namespace {

constexpr int kRussian = 0;
constexpr int kUkrainian = 1;

struct Case {
    int language;
    const char *word;
    const char *expected;
    const char *why;
};

void ExpectCases(const TAccentDictionary &dictionary, const std::vector<Case> &cases) {
    for (const Case &c : cases) {
        EXPECT_EQ(Cp1251ToUtf8(dictionary.Accentuate(c.language, Cp(c.word))), c.expected)
            << c.why << " (language " << c.language << ")";
    }
}

TEST(Accentuate, PrefixLengthsByWordLength) {
    // No rest is in the empty dictionary: the longest matching prefix is spoken.
    TAccentDictionary empty(test::WriteFile("empty", ""));
    ExpectCases(empty, {
        {kRussian, "оса", "оса", "3 letters: never split"},
        {kRussian, "осад", "асад", "4 letters: one-letter prefixes"},
        {kRussian, "дома", "дома", "4 letters: no two-letter prefix"},
        {kRussian, "домик", "дамик", "5 letters: two-letter prefixes"},
        {kRussian, "проба", "проба", "5 letters: no three-letter prefix"},
        {kRussian, "пробка", "прабка", "6 letters: three-letter prefixes"},
        {kRussian, "самоед", "самоед", "6 letters: no four-letter prefix"},
        {kRussian, "самолет", "самалет", "7 letters: four-letter prefixes"},
        {kRussian, "благода", "благода", "7 letters: no five-letter prefix"},
        {kRussian, "благодать", "благадать", "9 letters: five-letter prefixes"},
        {kRussian, "быстрота", "быстрота", "8 letters: no six-letter prefix"},
        {kRussian, "быстроход", "быстраход", "9 letters: six-letter prefixes"},
        {kRussian, "электроды", "электроды", "9 letters: no seven-letter prefix"},
        {kRussian, "электродом", "электрадом", "10 letters: seven-letter prefixes"},
        {kRussian, "четырехугольник", "четырёхугольник", "spoken form with ё"},
        {kRussian, "энергосеть", "энэргасеть", "spoken form with э"},
        {kRussian, "подоконник", "падаконник", "longest prefix: подо over под and по"},
        {kRussian, "поезда", "паезда", "no rest found: the spoken prefix and the plain rest"},
        {2, "осад", "асад", "a language value other than 1 is Russian"},
        {kUkrainian, "осад", "осад", "Ukrainian prefixes are spoken as written"},
        {kUkrainian, "подоконник", "подоконник", "Ukrainian подо is spoken as written"},
        {kRussian, "", "", "empty word"},
    });
}

TEST(Accentuate, DictionaryAnswersAndStressedRests) {
    const std::string rest22 = "хлхлхлхлхлхлхлхлхлхлхл";
    const std::string stressed22 = "хл+хлхлхлхлхлхлхлхлхлхл";
    TAccentDictionary dictionary(test::WriteUtf8Dictionary("words", {
        {"бр+ат", "брат"},
        {"весна+", "весна"},
        {"во+да", "вода"},
        {"двода+", "двода"},
        {"дли+са", "длиса"},
        {"езда+", "езда"},
        {"лиса+", "лиса"},
        {"о+стрів", "острів"},
        {"по+ле", "поле"},
        {"поезд", "поезд"},
        {"посо+л", "посол"},
        {stressed22.c_str(), rest22.c_str()},
    }));
    const std::string long24 = "по" + rest22;
    const std::string long25 = "по" + rest22 + "х";
    const std::string cut24 = "пахл+хлхлхлхлхлхлхлхлхлх";
    ExpectCases(dictionary, {
        {kRussian, "поле", "по+ле", "an entry that differs from the word is the answer"},
        {kRussian, "посох", "посо+х", "so is a near match, with no prefix handling"},
        {kRussian, "поезд", "паезд", "an entry equal to the word goes on to the prefixes"},
        {kRussian, "поезда", "паезда+", "по, then the stressed rest езда"},
        {kRussian, "подвода", "падво+да",
         "a rest stressed on its last letter lets a longer prefix replace it"},
        {kRussian, "подлиса", "падли+са", "a rest stressed inside keeps longer prefixes out"},
        {kRussian, long24.c_str(), cut24.c_str(), "prefix and rest cut to 24 characters"},
        {kRussian, long25.c_str(), long25.c_str(), "over 24 letters: the word as looked up"},
        {kUkrainian, "півострів", "піво+стрів", "Ukrainian пів and a stressed rest"},
        {kRussian, "навесен", "навесен+", "Russian keeps a mark after a consonant"},
        {kUkrainian, "навесен", "навесен", "Ukrainian drops a mark after a consonant"},
        {kUkrainian, "вбрат", "вбрат", "Ukrainian drops it from an exact rest as well"},
        {kUkrainian, "брат", "бр+ат", "no filter on the dictionary's own answer"},
        {kUkrainian, "+абв", "абв", "Ukrainian drops a mark in the first position"},
        {kRussian, "+абв", "+абв", "Russian keeps it"},
    });
}

}  // namespace
}  // namespace zorna

// Lookup in the stress dictionary: exact keys, near matches, where a scan
// starts and stops, and files that are empty, missing or malformed.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "accent_dictionary.h"
#include "cp1251.h"
#include "dictionary_file.h"

namespace zorna {
namespace {

using test::WriteUtf8Dictionary;
using Rows = std::vector<std::pair<const char *, const char *>>;  // stressed, key (UTF-8)

// Lookup of a UTF-8 word, answer in UTF-8.
std::string Find(const TAccentDictionary &dictionary, const char *word) {
    return Cp1251ToUtf8(dictionary.Lookup(Cp(word)));
}

struct Case {
    const char *word;
    const char *expected;
    const char *why;
};

void ExpectCases(const TAccentDictionary &dictionary, const std::vector<Case> &cases) {
    for (const Case &c : cases) EXPECT_EQ(Find(dictionary, c.word), c.expected) << c.why;
}

TEST(AccentDictionaryLookup, ExactKeysAndNearMatches) {
    // In code order, each key's group starting at its first record.
    TAccentDictionary dictionary(WriteUtf8Dictionary("words", {
        {"йо+лка", "ёлка"},
        {"везла+", "везла"},
        {"до+м", "дом"},
        {"домо+й", "домой"},
        {"нести+", "нести"},
        {"ру+чка", "ручка"},
        {"сло+во", "слово"},
        {"сто+лы", "столы"},
        {"сто+н", "стон"},
    }));
    ExpectCases(dictionary, {
        {"слово", "сло+во", "exact key: the record before it"},
        {"ёлка", "йо+лка", "exact key: the stored record even where it differs from the key"},
        {"дом", "до+м", "exact key of three letters"},
        {"слова", "сло+ва", "first kind: last letter replaced"},
        {"ручки", "ру+чки", "first kind"},
        {"везло", "везло+", "first kind: a final mark follows the new last letter"},
        {"стоик", "сто+ик", "second kind: no mark in the last two characters"},
        {"несла", "несла+", "second kind: a final mark follows the new last letters"},
        {"домах", "дома+х", "second kind: the mark stays before the last letter"},
        {"стол", "стол", "four letters: no near match although стон differs in the last one"},
        {"дома", "дома", "four letters: no near match although домой shares дом"},
        {"вишня", "вишня", "nothing near"},
        {"", "", "empty word"},
    });
}

TEST(AccentDictionaryLookup, WhichNearMatchWins) {
    struct Order {
        Rows rows;
        const char *word;
        const char *expected;
        const char *why;
    };
    const std::vector<Order> orders = {
        {{{"сто+аб", "стоаб"}, {"сто+лы", "столы"}}, "стола", "сто+ла",
         "a later first-kind match replaces an earlier second-kind one"},
        {{{"столы+", "столы"}, {"сто+ль", "столь"}}, "стола", "стола+",
         "the first first-kind match stands (столы first)"},
        {{{"сто+ль", "столь"}, {"столы+", "столы"}}, "стола", "сто+ла",
         "the first first-kind match stands (столь first)"},
        {{{"сто+ик", "стоик"}, {"стоу+н", "стоун"}}, "стола", "сто+ла",
         "the first second-kind match stands (стоик first)"},
        {{{"стоу+н", "стоун"}, {"сто+ик", "стоик"}}, "стола", "стол+а",
         "the first second-kind match stands (стоун first)"},
        {{{"столы+", "столы"}, {"сто+ла", "стола"}}, "стола", "сто+ла",
         "an exact key wins over an earlier near match"},
    };
    for (const Order &o : orders) {
        TAccentDictionary dictionary(WriteUtf8Dictionary("order", o.rows));
        EXPECT_EQ(Find(dictionary, o.word), o.expected) << o.why;
    }
}

TEST(AccentDictionaryLookup, ScanStopsAtAnotherFirstLetter) {
    // Without a key beginning with ь the scan ends at the first key of another
    // first letter; keys of the same letter in other groups are still read.
    TAccentDictionary plain(WriteUtf8Dictionary("plain", {
        {"а+рка", "арка"},
        {"ба+нт", "бант"},
        {"бо+бры", "бобры"},
        {"бара+н", "баран"},
        {"а+стра", "астра"},
    }));
    ExpectCases(plain, {
        {"арка", "а+рка", "first key of its group"},
        {"бант", "ба+нт", "first key of its group"},
        {"астра", "астра", "behind a key of another first letter"},
        {"астры", "астры", "no near match behind the stop either"},
        {"баран", "бара+н", "the scan goes on past бобры, another group of the same letter"},
    });

    // A key beginning with ь: the scan does not stop before that key's record.
    TAccentDictionary softSign(WriteUtf8Dictionary("softsign", {
        {"а+рка", "арка"},
        {"ба+нт", "бант"},
        {"ь+ер", "ьер"},
        {"а+стра", "астра"},
        {"ви+шня", "вишня"},
        {"ао+рта", "аорта"},
    }));
    ExpectCases(softSign, {
        {"астра", "а+стра", "found: бант and ьер stand at or before the start of group ь"},
        {"астры", "а+стры", "near match behind other first letters"},
        {"аорта", "аорта", "behind вишня, past the start of group ь"},
        {"ьер", "ь+ер", "the ь key itself"},
    });
}

TEST(AccentDictionaryLookup, WhereTheScanStarts) {
    // A group with no key starts at record 1: stressed forms are read as keys,
    // the record before them (record 0 first) as the answer.
    const std::string noKey = test::WriteDictionary(
        "nokey", {{Cp("жук"), Cp("арка")}}, Cp("жуки"));
    TAccentDictionary fromRecordOne(noKey);
    ExpectCases(fromRecordOne, {
        {"жук", "жуки", "record 1 equals the word; record 0 is the answer"},
        {"жабы", "жабы", "nothing else to read"},
        {"арка", "жук", "the key itself"},
    });

    // A word of no group (a digit, a capital Cyrillic letter) starts at record 2.
    TAccentDictionary digitFirst(WriteUtf8Dictionary("digit", {{"5+", "5"}, {"А+рка", "Арка"}}));
    ExpectCases(digitFirst, {
        {"5", "5+", "first key"},
        {"Арка", "Арка", "the scan from record 2 stops at 5"},
    });
    TAccentDictionary capitalFirst(WriteUtf8Dictionary("capital", {{"А+рка", "Арка"}, {"5+", "5"}}));
    ExpectCases(capitalFirst, {
        {"Арка", "А+рка", "first key"},
        {"5", "5", "the scan from record 2 stops at Арка"},
    });
}

TEST(AccentDictionaryLookup, LatinGroups) {
    // In code order; only the first letter of each shared Latin group is found.
    TAccentDictionary dictionary(WriteUtf8Dictionary("latin", {
        {"I+V", "IV"}, {"L+X", "LX"}, {"V+I", "VI"}, {"X+I", "XI"},
        {"a+pple", "apple"}, {"ba+nana", "banana"}, {"ca+t", "cat"},
        {"do+g", "dog"}, {"i+ce", "ice"}, {"ja+m", "jam"},
    }));
    ExpectCases(dictionary, {
        {"IV", "I+V", "group I"}, {"LX", "L+X", "group L"},
        {"VI", "V+I", "group V"}, {"XI", "X+I", "group X"},
        {"apple", "a+pple", "a opens group a–h"},
        {"apply", "a+pply", "near match of the first kind"},
        {"banana", "banana", "b is behind apple in group a–h"},
        {"cat", "ca+t", "c opens group c, d, q–z"},
        {"dog", "dog", "d is behind cat"},
        {"ice", "i+ce", "i opens group i–p"},
        {"jam", "jam", "j is behind ice"},
    });
}

TEST(AccentDictionaryLookup, TwentyFourCharacters) {
    const std::string long23 = "абвгдежзийклмнопрстуфхц";  // 23 letters
    const std::string key24 = long23 + "ш";
    const std::string key31 = "я" + key24 + "щщщщщщ";
    TAccentDictionary dictionary(WriteUtf8Dictionary("long", {
        {("+" + key24).c_str(), key24.c_str()},  // a stressed form of 25: stored as 24
        {("ю" + key24 + "щщщщщщ").c_str(), key31.c_str()},  // length bytes 31: read as 24
    }));
    const std::string cut = "я" + long23;
    ExpectCases(dictionary, {
        {key24.c_str(), ("+" + long23).c_str(), "a stressed form of 25 is stored as its first 24"},
        {cut.c_str(), ("ю" + long23).c_str(), "a length byte over 24 reads 24 characters"},
        {(key24 + "а").c_str(), (key24 + "а").c_str(), "a word over 24 letters is never found"},
        {key31.c_str(), key31.c_str(), "not even when its record's length byte says so"},
    });
}

TEST(AccentDictionaryFile, MissingFileCannotBeOpened) {
    for (const std::string &path : {test::TempPath("absent.rus"), ::testing::TempDir()}) {
        try {
            TAccentDictionary dictionary(path);
            ADD_FAILURE() << "opened " << path;
        } catch (const std::runtime_error &e) {
            EXPECT_STREQ(e.what(), "Unable to open file") << path;
        }
    }
}

TEST(AccentDictionaryFile, EmptyAndMalformedFilesAnswerSafely) {
    const std::string slovo = test::Record(Cp("сло+во")) + test::Record(Cp("слово"));
    const std::string stol = test::Record(Cp("сто+лы")) + test::Record(Cp("столы"));
    struct File {
        std::string bytes;
        const char *word;
        const char *expected;
        const char *why;
    };
    const std::vector<File> files = {
        {"", "слово", "слово", "empty file"},
        {std::string(1, '\x05'), "слово", "слово", "one byte"},
        {test::Record("") + slovo + stol.substr(0, 35), "слово", "сло+во",
         "complete records before a short last one"},
        {test::Record("") + slovo + stol.substr(0, 35), "столы", "столы",
         "a key in a short last record is not read"},
        {test::Record("") + slovo + stol.substr(0, 49), "стола", "стола",
         "no near match from a record one byte short"},
        {test::Record("") + test::Record("") + test::Record(Cp("слово")), "слова", "а",
         "an empty stressed form gives just the new letter"},
        {test::Record("") + test::Record("+") + test::Record(Cp("слово")), "слова", "а+",
         "a stressed form of only a mark"},
        {test::Record("") + test::Record("+") + test::Record(Cp("слово")), "слоны", "ны+",
         "second kind from a stressed form of only a mark"},
        {test::Record("") + test::Record("") + test::Record(""), "слово", "слово",
         "an empty key"},
    };
    for (const File &f : files) {
        TAccentDictionary dictionary(test::WriteFile("malformed", f.bytes));
        EXPECT_EQ(Find(dictionary, f.word), f.expected) << f.why;
        EXPECT_EQ(Cp1251ToUtf8(dictionary.Accentuate(0, Cp("поезда"))), "паезда") << f.why;
    }
}

TEST(AccentDictionaryFile, LengthByteAboveTwentyFourStaysInsideTheFile) {
    // A last record whose length byte says 255: 24 characters are read.
    std::string last = test::Record(Cp("сло+во")) + test::Record(Cp("слово"));
    last[25] = static_cast<char>(255);
    last[0] = static_cast<char>(200);
    const std::string path = test::WriteFile("lengths", test::Record("") + last);
    TAccentDictionary dictionary(path);
    EXPECT_EQ(dictionary.FileName(), path);
    const std::string key24 = Cp("слово") + std::string(19, '\0');
    const std::string stressed24 = Cp("сло+во") + std::string(18, '\0');
    EXPECT_EQ(dictionary.Lookup(key24), stressed24);
    EXPECT_EQ(dictionary.Lookup(Cp("слово")), Cp("слово"));
}

}  // namespace
}  // namespace zorna

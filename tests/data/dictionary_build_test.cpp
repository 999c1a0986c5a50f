// Stress dictionaries built by the dictionary tool's library, read back through the
// front end's dictionary.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

#include "dict_builder.h"
#include "frontend/accent_dictionary.h"
#include "frontend/cp1251.h"

namespace {

using zorna::Cp;
using zorna::Cp1251ToUtf8;
using zorna::dict::Language;

std::string TempDir() {
    char pattern[] = "/tmp/zorna-data-test-XXXXXX";
    const char *dir = mkdtemp(pattern);
    return dir ? dir : "/tmp";
}

struct IpaCase {
    const char *Ipa;
    int VowelCount;
    int StressedIndex;
    bool StressedIsO;
};

TEST(ReadIpaStress, FindsTheStressedVowelAmongCountedVowels) {
    const IpaCase cases[] = {
        {"ɡʌrˈoda", 3, 1, true},          // города, stressed on the second vowel
        {"pʌzvʌnʲˈiɭa", 4, 2, false},     // позвонила
        {"mʌɭʌkˈo", 3, 2, true},          // молоко, last vowel
        {"tʲˈɵtʲʌ", 2, 0, true},          // тётя: ɵ counts as o
        {"pʲˈɑtʲ", 1, 0, false},          // one vowel
        {"zˈɛidnˈɑnnja", 4, 0, false},    // two primary marks: the first one counts
        {"ukrˌɑinska", 4, 1, false},      // only a secondary mark
        {"krasʲivyjɪ", 4, -1, false},     // no mark at all
        {"sʲɪ^mˈe", 1, 0, false},         // the soft-sign marker ɪ^ is no vowel
        {"", 0, -1, false},
    };
    for (const auto &c : cases) {
        const auto s = zorna::dict::ReadIpaStress(c.Ipa);
        EXPECT_EQ(s.VowelCount, c.VowelCount) << c.Ipa;
        EXPECT_EQ(s.StressedIndex, c.StressedIndex) << c.Ipa;
        EXPECT_EQ(s.StressedIsO, c.StressedIsO) << c.Ipa;
    }
}

struct FormCase {
    const char *Key;  // UTF-8
    const char *Ipa;
    Language Lang;
    const char *Expected;  // UTF-8; "" when the form is dropped
};

TEST(StressedFormFromIpa, PlacesPlusAfterTheStressedVowelLetterOrDropsTheForm) {
    const FormCase cases[] = {
        {"города", "ɡʌrˈoda", Language::Russian, "горо+да"},
        {"молоко", "mʌɭʌkˈo", Language::Russian, "молоко+"},
        {"тетя", "tʲˈɵtʲʌ", Language::Russian, "тё+тя"},          // е read as ё
        {"берега", "bʲirʲˈeɡa", Language::Russian, "бере+га"},    // е read as е stays
        {"пять", "pʲɑtʲ", Language::Russian, "пя+ть"},            // one vowel, no mark
        {"красивые", "krasʲivyjɪ", Language::Russian, ""},        // several vowels, no mark
        {"чп", "tʃʲˈepˈe", Language::Russian, ""},                 // spelled out: counts differ
        {"в", "vˈɛ", Language::Russian, ""},                       // no vowel letter
        {"місто", "mˈistʌ", Language::Ukrainian, "мі+сто"},
        {"україна", "ukrɑˈina", Language::Ukrainian, "украї+на"},  // ї is one vowel
        {"п'ять", "pˈjat", Language::Ukrainian, "п'я+ть"},
        {"тетя", "tʲˈotʲa", Language::Ukrainian, "те+тя"},        // no ё in Ukrainian
        {"абвгдеёжзийклмнопрстуфх", "ˈa e o i o", Language::Russian, ""},  // 6 letters, 5 IPA vowels
    };
    for (const auto &c : cases) {
        const std::string form =
            zorna::dict::StressedFormFromIpa(Cp(c.Key), zorna::dict::ReadIpaStress(c.Ipa), c.Lang);
        EXPECT_EQ(Cp1251ToUtf8(form), c.Expected) << c.Key << " " << c.Ipa;
    }
    // A 23-letter key still fits with its "+"; a 24-letter one does not.
    const std::string a23(23, Cp("а")[0]), a24(24, Cp("а")[0]);
    EXPECT_EQ(zorna::dict::StressedFormFromIpa(a23, {23, 0, false}, Language::Russian),
              a23.substr(0, 1) + "+" + a23.substr(1));
    EXPECT_EQ(zorna::dict::StressedFormFromIpa(a24, {24, 0, false}, Language::Russian), "");
}

bool KnownYoForms(const std::string &key, const void *) {
    return key == Cp("ёлка") || key == Cp("всё");
}

TEST(RestoreYo, UsesYoOnlyWhenTheYoSpellingIsAKnownForm) {
    const std::pair<const char *, const char *> cases[] = {
        {"е+лка", "ё+лка"}, {"все+", "всё+"}, {"не+бо", "не+бо"}, {"елка+", "елка+"}, {"ма+ма", "ма+ма"},
    };
    for (const auto &[form, expected] : cases)
        EXPECT_EQ(Cp1251ToUtf8(zorna::dict::RestoreYo(Cp(form), KnownYoForms, nullptr)), expected) << form;
}

TEST(ParseCorrectionLine, AcceptsWordAndStressedFormAndRejectsMalformedLines) {
    std::string key, stressed, error;
    ASSERT_TRUE(zorna::dict::ParseCorrectionLine("  Города\tгорода+  # plural", key, stressed, error));
    EXPECT_EQ(Cp1251ToUtf8(key), "города");
    EXPECT_EQ(Cp1251ToUtf8(stressed), "города+");
    ASSERT_TRUE(zorna::dict::ParseCorrectionLine("# only a comment", key, stressed, error));
    EXPECT_TRUE(key.empty());
    for (const char *bad : {"города", "города горо+да лишнее", "горо+да города+", "города города",
                            "слово сло+во\xe2\x98\xba"}) {
        EXPECT_FALSE(zorna::dict::ParseCorrectionLine(bad, key, stressed, error)) << bad;
    }
}

struct LookupCase {
    const char *Word;
    const char *Expected;
};

// Words spread over many letter groups of the dictionary (по/под/пр/при/про, ё, і, ї,
// apostrophes), written by the builder and read back by the front end's lookup.
TEST(DictionaryFile, EveryWordIsFoundWithItsStressThroughTheFrontEndLookup) {
    const std::string dir = TempDir();
    const std::string path = dir + "/slovar.rus";
    zorna::dict::Entries entries;
    const std::pair<const char *, int> words[] = {
        {"привет", 1}, {"город", 0}, {"города", 2}, {"погода", 1}, {"подвал", 1}, {"пруд", 0},
        {"проза", 0}, {"пила", 1}, {"ёлка", 0}, {"яблоко", 0}, {"абажур", 2}, {"борода", 2},
        {"мама", 0}, {"сказать", 1}, {"юла", 1}, {"ель", 0}, {"інший", 0}, {"їжак", 1},
        {"п'ять", 0}, {"бур'ян", 1}, {"вулиця", 0},
    };
    for (const auto &[word, vowel] : words) {
        const std::string key = Cp(word);
        const bool uk = key.find_first_of(Cp("іїє'")) != std::string::npos;
        entries[key] = zorna::dict::PlaceStress(key, vowel, uk ? Language::Ukrainian : Language::Russian);
    }
    std::string error;
    const std::string corrections = dir + "/corrections.txt";
    std::ofstream(corrections) << "# fixes\nгорода города+\nпозвонила позвонила+\n";
    ASSERT_TRUE(zorna::dict::ReadCorrections(corrections, entries, error)) << error;
    ASSERT_TRUE(zorna::dict::WriteDictionary(path, entries, error)) << error;

    zorna::TAccentDictionary dictionary(path);
    const LookupCase cases[] = {
        {"привет", "приве+т"}, {"город", "го+род"}, {"города", "города+"}, {"позвонила", "позвонила+"},
        {"погода", "пого+да"}, {"подвал", "подва+л"}, {"пруд", "пру+д"}, {"проза", "про+за"},
        {"пила", "пила+"}, {"ёлка", "ё+лка"}, {"яблоко", "я+блоко"}, {"абажур", "абажу+р"},
        {"борода", "борода+"}, {"мама", "ма+ма"}, {"сказать", "сказа+ть"}, {"юла", "юла+"},
        {"ель", "е+ль"}, {"інший", "і+нший"}, {"їжак", "їжа+к"}, {"п'ять", "п'я+ть"},
        {"бур'ян", "бур'я+н"}, {"вулиця", "ву+лиця"},
        {"кот", "кот"},  // not in the dictionary
    };
    for (const auto &c : cases)
        EXPECT_EQ(Cp1251ToUtf8(dictionary.Lookup(Cp(c.Word))), c.Expected) << c.Word;
}

TEST(DictionaryFile, RecordsAreStressedFormThenKeyAfterAnUnusedRecordZero) {
    zorna::dict::Entries entries{{Cp("бак"), Cp("ба+к")}, {Cp("аист"), Cp("аи+ст")}};
    entries[std::string(25, 'x')] = "too long";  // cannot be stored: left out
    const auto bytes = zorna::dict::EncodeDictionary(entries);
    ASSERT_EQ(bytes.size() % 25, 0u);
    auto record = [&](std::size_t n) {
        return std::string(reinterpret_cast<const char *>(bytes.data()) + 25 * n + 1, bytes[25 * n]);
    };
    const std::vector<std::string> expected = {"", Cp("аи+ст"), Cp("аист"), Cp("ба+к"), Cp("бак")};
    ASSERT_EQ(bytes.size(), 25 * expected.size());
    for (std::size_t n = 0; n < expected.size(); ++n) EXPECT_EQ(record(n), expected[n]) << n;
}

}  // namespace

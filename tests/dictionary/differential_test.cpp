// The dictionary's lookup against a plain record-by-record scan written here
// from the file format's rules, over generated dictionaries in code order,
// shuffled, locally disordered, with keys beginning with ь, with Latin and
// capital keys, and with groups that have no key.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "accent_dictionary.h"
#include "cp1251.h"
#include "dictionary_file.h"

namespace zorna {
namespace {

// ------------------------------------------------------------------ plain scan

class PlainScan {
public:
    explicit PlainScan(const std::string &path) {
        std::ifstream in(path, std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        for (std::size_t n = 2;; n += 2) {
            std::string_view text;
            if (!Read(n, text)) break;
            std::string group = Group(Byte(n, 1), Byte(n, 2), Byte(n, 3));
            if (!group.empty() && Start(group) == 1) start_[group] = n;
        }
    }

    std::string Lookup(const std::string &word) const {
        if (word.empty()) return word;
        const std::size_t n = word.size();
        std::string stem1, stem2, near1, near2;
        bool found1 = false, found2 = false;
        if (n > 4) {
            stem1 = word.substr(0, n - 1);
            stem2 = word.substr(0, n - 2);
        }
        auto at = [&](std::size_t i) -> unsigned { return i < n ? static_cast<unsigned char>(word[i]) : 0u; };
        std::string group = Group(at(0), at(1), at(2));
        const std::size_t softSign = Start(Cp("ь"));
        for (std::size_t r = group.empty() ? 2 : Start(group);; r += 2) {
            std::string_view key, before;
            if (!Read(r, key)) break;
            if (Byte(r, 1) != at(0) && r > softSign) break;
            Read(r - 1, before);
            std::string_view keyLess1 = key.substr(0, key.empty() ? 0 : key.size() - 1);
            std::string_view keyLess2 = key.substr(0, key.size() < 2 ? 0 : key.size() - 2);
            if (!found1 && n > 4 && keyLess1 == stem1) {
                near1 = before;
                found1 = true;
            }
            if (!found1 && !found2 && n > 4 && keyLess2 == stem2) {
                near2 = before;
                found2 = true;
            }
            if (key == word) return std::string(before);
        }
        std::string result;
        auto cut = [](std::string s, std::size_t drop) { return s.substr(0, s.size() < drop ? 0 : s.size() - drop); };
        if (found1) {
            if (!near1.empty() && near1.back() == '+')
                result = cut(near1, 2) + word.back() + "+";
            else
                result = cut(near1, 1) + word.back();
        } else if (found2) {
            std::size_t m = near2.size();
            bool last = m >= 1 && near2[m - 1] == '+', second = m >= 2 && near2[m - 2] == '+';
            if (!last && !second) result = cut(near2, 2) + word.substr(n - 2);
            else if (last) result = cut(near2, 3) + word.substr(n - 2) + "+";
            else result = cut(near2, 3) + word[n - 2] + "+" + word[n - 1];
        } else {
            return word;
        }
        return result.substr(0, 24);
    }

private:
    bool Read(std::size_t record, std::string_view &text) const {
        if ((record + 1) * 25 > bytes_.size()) return false;
        const char *p = bytes_.data() + record * 25;
        text = std::string_view(p + 1, std::min<std::size_t>(static_cast<unsigned char>(p[0]), 24));
        return true;
    }
    unsigned Byte(std::size_t record, std::size_t offset) const {
        return static_cast<unsigned char>(bytes_[record * 25 + offset]);
    }
    std::size_t Start(const std::string &group) const {
        auto it = start_.find(group);
        return it == start_.end() ? 1 : it->second;
    }

    // The name of a letter group, empty for no group.
    static std::string Group(unsigned c1, unsigned c2, unsigned c3) {
        auto in = [](unsigned c, const char *utf8) {
            return Cp(utf8).find(static_cast<char>(c)) != std::string::npos;
        };
        const std::string first(1, static_cast<char>(c1));
        const std::string second(1, static_cast<char>(c2));
        if (in(c1, "аеёжйлфхцчшщъыьэюяіїєґ") || in(c1, "IVXL")) return first;
        if (in(c1, "abefgh")) return "a-h";
        if (in(c1, "ijklmnop")) return "i-p";
        if (in(c1, "cdqrstuvwxyz")) return "c,d,q-z";
        if (first == Cp("п")) {
            if (in(c2, "ае")) return first + second;
            if (second == Cp("о")) return first + second + (in(c3, "д") ? "д" : "*");
            if (second == Cp("р")) return first + second + (in(c3, "ои") ? std::string(1, static_cast<char>(c3)) : "*");
            return first + "*";
        }
        static const std::map<std::string, const char *> splits = {
            {Cp("б"), "аео"}, {Cp("в"), "еоы"}, {Cp("г"), "о"},    {Cp("д"), "ео"},
            {Cp("з"), "а"},   {Cp("и"), "с"},   {Cp("к"), "аор"},  {Cp("м"), "аео"},
            {Cp("н"), "ае"},  {Cp("о"), "бпст"}, {Cp("р"), "ае"},  {Cp("с"), "вклопт"},
            {Cp("т"), "р"},   {Cp("у"), "с"},
        };
        auto split = splits.find(first);
        if (split == splits.end()) return "";
        return first + (c2 != 0 && in(c2, split->second) ? second : "*");
    }

    std::string bytes_;
    std::map<std::string, std::size_t> start_;
};

// ------------------------------------------------------------------ generated words

class Generator {
public:
    explicit Generator(unsigned seed) : random_(seed) {}

    std::size_t Below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }
    std::mt19937 &Random() { return random_; }

    std::string Letter() { return Pick(letters_); }
    std::string Vowel() { return Pick(vowels_); }

    // A Russian-looking stem of a few syllables.
    std::string Stem() {
        static const std::vector<std::string> onsets = Split("б в г д ж з к л м н п р с т ф х ц ч ш щ "
                                                             "бр вз гл др зв кр пл пр ст тр сл сп ск");
        std::string stem;
        std::size_t syllables = 1 + Below(3);
        for (std::size_t i = 0; i < syllables; ++i) stem += Pick(onsets) + Vowel();
        if (Chance(0.6)) stem += Pick(onsets).substr(0, 1);
        return stem;
    }

    std::string Ending() {
        static const std::vector<std::string> endings =
            Split("а ы у е и о ой ом ам ах ами ого ому ая ое ые ых ешь ет ем ете ут ит ишь ла ло ли ть");
        return Pick(endings);
    }

    // A stressed form: a mark after one of the vowels (sometimes the last
    // letter), now and then е written ё, sometimes no mark at all.
    std::string Stress(const std::string &key) {
        if (Chance(0.1)) return key;
        std::vector<std::size_t> vowels;
        for (std::size_t i = 0; i < key.size(); ++i)
            if (vowels_.find(key[i]) != std::string::npos) vowels.push_back(i);
        std::string stressed = key;
        std::size_t at = vowels.empty() ? key.size() - 1 : vowels[Below(vowels.size())];
        if (stressed[at] == e_ && Chance(0.2)) stressed[at] = yo_;
        stressed.insert(at + 1, "+");
        return stressed;
    }

private:
    static std::vector<std::string> Split(const char *utf8) {
        std::vector<std::string> out;
        std::string all = Cp(utf8);
        std::size_t pos = 0;
        while (pos <= all.size()) {
            std::size_t space = all.find(' ', pos);
            if (space == std::string::npos) space = all.size();
            out.push_back(all.substr(pos, space - pos));
            pos = space + 1;
        }
        return out;
    }
    std::string Pick(const std::string &chars) { return std::string(1, chars[Below(chars.size())]); }
    std::string Pick(const std::vector<std::string> &items) { return items[Below(items.size())]; }

    std::mt19937 random_;
    const std::string letters_ = Cp("абвгдеёжзийклмнопрстуфхцчшщъыьэюяіїєґ");
    const std::string vowels_ = Cp("аеиоуыэюяё");
    const char e_ = Cp("е")[0];
    const char yo_ = Cp("ё")[0];
};

enum class Order { Sorted, Shuffled, NearlySorted, TwoSortedHalves };

struct Variant {
    const char *name;
    Order order;
    bool softSignKeys;  // some keys begin with ь
    bool extras;        // Latin, capital, digit, empty and over-long keys
    bool plainForms;    // most stressed forms equal their keys (sorted odd records)
};

std::vector<test::Entry> MakeEntries(Generator &g, const Variant &v, std::size_t families) {
    std::vector<test::Entry> entries;
    auto add = [&](const std::string &key) {
        entries.push_back({v.plainForms && g.Chance(0.9) ? key : g.Stress(key), key});
    };
    const std::string skipped = Cp("ъґж");  // groups left without keys
    while (entries.size() < families * 3) {
        std::string stem = g.Stem();
        if (skipped.find(stem[0]) != std::string::npos) continue;
        if (!v.softSignKeys && stem[0] == Cp("ь")[0]) continue;
        std::size_t forms = 1 + g.Below(5);
        for (std::size_t i = 0; i < forms; ++i) add(stem + g.Ending());
        if (g.Chance(0.3)) add(stem);
        if (g.Chance(0.05)) add(stem + g.Ending());  // a duplicate form now and then
    }
    for (int i = 0; v.softSignKeys && i < 40; ++i) add(Cp("ь") + g.Stem());
    if (v.extras) {
        for (const char *w : {"apple", "apples", "banana", "cat", "cats", "dog", "ice", "jam",
                              "xylophone", "IV", "VI", "XII", "LX", "Qt", "7", "12"})
            add(w);
        for (int i = 0; i < 30; ++i) add(Cp("Б") + g.Stem());
        entries.push_back({"", ""});
        std::string long31 = g.Stem();
        while (long31.size() < 31) long31 += g.Letter();
        add(long31);  // length byte 31, read as 24
    }
    switch (v.order) {
        case Order::Sorted:
            std::stable_sort(entries.begin(), entries.end(),
                             [](const test::Entry &a, const test::Entry &b) { return a.key < b.key; });
            break;
        case Order::Shuffled:
            std::shuffle(entries.begin(), entries.end(), g.Random());
            break;
        case Order::NearlySorted:
            std::stable_sort(entries.begin(), entries.end(),
                             [](const test::Entry &a, const test::Entry &b) { return a.key < b.key; });
            for (std::size_t i = 0; i + 1 < entries.size(); i += 1 + g.Below(400))
                std::swap(entries[i], entries[i + 1 + g.Below(3) % (entries.size() - i - 1)]);
            break;
        case Order::TwoSortedHalves: {  // every letter's keys in two places
            std::shuffle(entries.begin(), entries.end(), g.Random());
            auto middle = entries.begin() + static_cast<std::ptrdiff_t>(entries.size() / 2);
            auto byKey = [](const test::Entry &a, const test::Entry &b) { return a.key < b.key; };
            std::stable_sort(entries.begin(), middle, byKey);
            std::stable_sort(middle, entries.end(), byKey);
            break;
        }
    }
    return entries;
}

std::vector<std::string> MakeWords(Generator &g, const std::vector<test::Entry> &entries) {
    std::vector<std::string> words;
    auto entry = [&]() -> const test::Entry & { return entries[g.Below(entries.size())]; };
    for (int i = 0; i < 800; ++i) words.push_back(entry().key);
    for (int i = 0; i < 800; ++i) {  // the last letter changed
        std::string w = entry().key;
        if (!w.empty()) w.back() = g.Letter()[0];
        words.push_back(w);
    }
    for (int i = 0; i < 600; ++i) {  // the last two letters changed
        std::string w = entry().key;
        if (w.size() >= 2) w.replace(w.size() - 2, 2, g.Letter() + g.Letter());
        words.push_back(w);
    }
    for (int i = 0; i < 500; ++i) words.push_back(g.Stem() + g.Ending());
    for (int i = 0; i < 400; ++i) {  // prefixed and shortened keys
        static const std::vector<std::string> prefixes = {Cp("по"), Cp("пере"), Cp("не"), Cp("о"),
                                                          Cp("под"), Cp("при"), Cp("про")};
        std::string w = prefixes[g.Below(prefixes.size())] + entry().key;
        if (g.Chance(0.3) && w.size() > 1) w.pop_back();
        words.push_back(w);
    }
    for (int i = 0; i < 200; ++i) words.push_back(entry().stressed);  // read as keys from record 1
    for (int i = 0; i < 300; ++i) {                                   // short and random
        std::string w;
        std::size_t length = 1 + g.Below(6);
        for (std::size_t k = 0; k < length; ++k) w += g.Letter();
        words.push_back(w);
    }
    for (const char *w : {"apple", "apply", "banana", "cats", "cast", "ice", "ices", "jam", "IV", "XII",
                          "Qt", "7", "12", "", "zzzzz"})
        words.push_back(w);
    for (int i = 0; i < 50; ++i) words.push_back(Cp("Б") + g.Stem());
    for (int i = 0; i < 50; ++i) {  // over 24 characters
        std::string w = entry().key;
        while (w.size() <= 24) w += g.Letter();
        words.push_back(w);
    }
    return words;
}

class Differential : public ::testing::TestWithParam<Variant> {};

TEST_P(Differential, LookupEqualsPlainScan) {
    const Variant &v = GetParam();
    Generator g(20240611u + static_cast<unsigned>(v.order) * 7u + (v.softSignKeys ? 1u : 0u) +
                (v.plainForms ? 100u : 0u));
    std::vector<test::Entry> entries = MakeEntries(g, v, 8000);
    std::string path = test::WriteDictionary(v.name, entries, Cp("заголовок"));
    PlainScan plain(path);
    TAccentDictionary dictionary(path);
    std::size_t mismatches = 0;
    for (const std::string &word : MakeWords(g, entries)) {
        std::string expected = plain.Lookup(word);
        std::string actual = dictionary.Lookup(word);
        if (actual != expected && ++mismatches <= 10) {
            ADD_FAILURE() << "word " << Cp1251ToUtf8(word) << ": " << Cp1251ToUtf8(actual)
                          << ", plain scan " << Cp1251ToUtf8(expected);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dictionaries, Differential,
    ::testing::Values(Variant{"sorted", Order::Sorted, false, false, false},
                      Variant{"sorted_softsign", Order::Sorted, true, true, false},
                      Variant{"sorted_plainforms", Order::Sorted, true, true, true},
                      Variant{"shuffled", Order::Shuffled, false, true, false},
                      Variant{"shuffled_softsign", Order::Shuffled, true, true, true},
                      Variant{"nearly_sorted", Order::NearlySorted, true, true, false},
                      Variant{"two_sorted_halves", Order::TwoSortedHalves, false, false, false},
                      Variant{"two_sorted_halves_softsign", Order::TwoSortedHalves, true, false, true}),
    [](const ::testing::TestParamInfo<Variant> &param) { return std::string(param.param.name); });

}  // namespace
}  // namespace zorna

// Properties every entry of the language tables must have: code page 1251 text
// of the phonetic alphabet (never a UTF-8 byte), stress marks after vowels, and
// symbol rows that the converters can reach.
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "char_classes.h"
#include "cp1251.h"
#include "language_tables.h"

namespace zorna {
namespace {

using Visitor = std::function<void(const std::string &label, const std::string &text)>;

template <std::size_t N>
void VisitArray(const char *name, const std::array<std::string, N> &entries, const Visitor &visit) {
    for (std::size_t i = 0; i < N; ++i) visit(std::string(name) + "[" + std::to_string(i) + "]", entries[i]);
}

void VisitEntries(const TLanguageTables &t, const Visitor &visit) {
    VisitArray("Units", t.Units, visit);
    VisitArray("Teens", t.Teens, visit);
    VisitArray("Tens", t.Tens, visit);
    VisitArray("Hundreds", t.Hundreds, visit);
    VisitArray("Thousands", t.Thousands, visit);
    VisitArray("Millions", t.Millions, visit);
    VisitArray("Billions", t.Billions, visit);
    VisitArray("LetterNames", t.LetterNames, visit);
    VisitArray("LetterSounds", t.LetterSounds, visit);
    VisitArray("LatinLetterNames", t.LatinLetterNames, visit);
    VisitArray("LatinLetterSounds", t.LatinLetterSounds, visit);
    for (const TExtraLetter &e : t.ExtraLetters) {
        visit("ExtraLetter sound " + std::to_string(e.Code), e.Sound);
        visit("ExtraLetter name " + std::to_string(e.Code), e.Name);
    }
    visit("ApostropheSound", t.ApostropheSound);
    for (const TSymbol &s : t.Symbols) visit("Symbol " + std::to_string(s.Code), s.Name);
}

struct Language {
    const char *Name;
    const TLanguageTables &Tables;
};

std::vector<Language> Languages() { return {{"ru", RussianTables()}, {"uk", UkrainianTables()}}; }

bool IsPhoneticLetter(std::uint8_t c) {
    return c >= 224 || c == 184 /* ё */ || c == 191 /* ї */ || c == 186 /* є */;
}

TEST(LanguageTablesTest, EntriesAreCodePage1251PhoneticTextWithoutUtf8) {
    for (const Language &lang : Languages()) {
        VisitEntries(lang.Tables, [&](const std::string &label, const std::string &text) {
            for (std::size_t i = 0; i < text.size(); ++i) {
                const auto c = static_cast<std::uint8_t>(text[i]);
                // UTF-8 Cyrillic would show as a lead byte 0xD0/0xD1 (Р, С) and a
                // continuation byte 0x80-0xBF; neither belongs to the alphabet below.
                const bool allowed = IsPhoneticLetter(c) || c == ' ' || c == '+' || IsSentencePunctuation(c) ||
                                     c == '-';
                EXPECT_TRUE(allowed) << lang.Name << " " << label << " byte " << i << " is " << int{c} << " in \""
                                     << Cp1251ToUtf8(text) << "\"";
            }
        });
        for (const std::string *vowels : {&lang.Tables.Vowels, &lang.Tables.LatinVowels})
            for (char ch : *vowels) {
                const auto c = static_cast<std::uint8_t>(ch);
                EXPECT_TRUE(IsPhoneticLetter(c) || c == 179 /* і */ || (c >= 'a' && c <= 'z'))
                    << lang.Name << " vowel byte " << int{c};
            }
    }
}

TEST(LanguageTablesTest, EveryStressMarkFollowsAVowel) {
    const std::string vowels = Cp("аеёиоуыэюяіїє");
    for (const Language &lang : Languages()) {
        VisitEntries(lang.Tables, [&](const std::string &label, const std::string &text) {
            for (std::size_t i = 0; i < text.size(); ++i)
                if (text[i] == '+')
                    EXPECT_TRUE(i > 0 && vowels.find(text[i - 1]) != std::string::npos)
                        << lang.Name << " " << label << " \"" << Cp1251ToUtf8(text) << "\"";
        });
    }
}

TEST(LanguageTablesTest, SymbolRowsAreReachableUniqueAndEndWithCodeZero) {
    for (const Language &lang : Languages()) {
        const std::vector<TSymbol> &rows = lang.Tables.Symbols;
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ(rows.back().Code, 0) << lang.Name;
        std::set<std::int32_t> seen;
        for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
            const TSymbol &row = rows[i];
            const auto c = static_cast<std::uint8_t>(row.Code);
            EXPECT_NE(row.Code, 0) << lang.Name << " row " << i;
            EXPECT_TRUE(seen.insert(row.Code).second) << lang.Name << " two rows for " << row.Code;
            EXPECT_TRUE(IsSymbolChar(c) || IsSentencePunctuation(c)) << lang.Name << " unreachable row " << row.Code;
            EXPECT_GE(row.Level, 0) << lang.Name << " " << row.Code;
            EXPECT_LE(row.Level, 3) << lang.Name << " " << row.Code;
            // A spoken punctuation mark still ends in its pause: the mark, then a space.
            if (IsSentencePunctuation(c))
                EXPECT_EQ(row.Name.substr(row.Name.size() - 2), std::string(1, static_cast<char>(c)) + " ")
                    << lang.Name << " " << row.Code;
        }
    }
}

}  // namespace
}  // namespace zorna

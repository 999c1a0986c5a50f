// The per-language tables of the text front end, in code page 1251. Built once
// (on first use) from the rows in tables/ and never changed afterwards.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zorna {

// One row of the symbol table: the character (low byte of Code), the phonetic
// text spoken for it and the lowest punctuation level at which it is spoken.
struct TSymbol {
    std::int32_t Code;
    std::string Name;
    std::int32_t Level;
};

// A Cyrillic letter outside а-я: its sound in running text, and its name when it
// stands alone (an empty name: the sound is written in both cases).
struct TExtraLetter {
    std::uint8_t Code;
    std::string Sound;
    std::string Name;
};

struct TLanguageTables {
    std::array<std::string, 10> Units, Teens, Tens, Hundreds;
    std::array<std::string, 5> Thousands, Millions, Billions;
    std::array<std::string, 32> LetterNames, LetterSounds;          // index: code - 224
    std::array<std::string, 26> LatinLetterNames, LatinLetterSounds;  // index: code - 97
    std::vector<TExtraLetter> ExtraLetters;
    std::string ApostropheSound;  // Ukrainian "ъ"; empty in Russian (kept as written)
    std::string Vowels;
    std::string LatinVowels;
    std::vector<TSymbol> Symbols;  // ends with a row whose Code is 0
};

const TLanguageTables &RussianTables();
const TLanguageTables &UkrainianTables();

}  // namespace zorna

// The language tables of the text front end as written: UTF-8 source rows, one
// row per line of the reference tables, so each entry can be checked by eye.
// language_tables.cpp converts them once to code page 1251; nothing else reads them.
//
// The rows are constexpr, so they are constant data before any code runs.
//
// Entries are quoted exactly, spaces included; "+" follows the stressed vowel.
// An empty cell is either an empty entry (Russian Tens[0]) or a cell that is
// never read (Tens[1], Hundreds[0]); the comments of each table say which.
#pragma once

#include <cstdint>
#include <string_view>

namespace zorna::tables {

// Units and Teens, indexed by a digit 0-9.
struct UnitsTeensRow {
    int Digit;
    std::string_view UnitsRussian, UnitsUkrainian, TeensRussian, TeensUkrainian;
};
extern const UnitsTeensRow kUnitsTeens[10];

// Tens and Hundreds, indexed by a digit 0-9.
struct TensHundredsRow {
    int Digit;
    std::string_view TensRussian, TensUkrainian, HundredsRussian, HundredsUkrainian;
};
extern const TensHundredsRow kTensHundreds[10];

// Scale words: row 0 (every other group), row 1 (a group ending in 1), row 2
// (a group ending in 2, 3 or 4; forms 2, 3 and 4 are all this row).
struct ScaleRow {
    const char *Index;
    std::string_view ThousandsRussian, ThousandsUkrainian, MillionsRussian, MillionsUkrainian,
        BillionsRussian, BillionsUkrainian;
};
extern const ScaleRow kScales[3];

// Letters а-я: names in both languages and the Ukrainian sound (empty: the
// letter itself). Russian sounds are always the letter itself.
struct LetterRow {
    std::string_view Letter, NameRussian, NameUkrainian, SoundUkrainian;
};
extern const LetterRow kLetters[32];

// Latin letters a-z, the same in both languages.
struct LatinRow {
    char Letter;
    std::string_view Name, Sound;
};
extern const LatinRow kLatinLetters[26];

// Cyrillic letters outside а-я: what each language writes for them in running
// text (Sound) and, in Ukrainian, for the letter standing alone (Name).
struct ExtraLetterRow {
    std::string_view Letter, Sound, Name;
};
extern const ExtraLetterRow kExtraLettersRussian[4];
extern const ExtraLetterRow kExtraLettersUkrainian[4];
// Ukrainian: what an apostrophe inside a word is written as.
extern const std::string_view kApostropheSoundUkrainian;

extern const std::string_view kVowelsRussian;
extern const std::string_view kVowelsUkrainian;
extern const std::string_view kLatinVowels;

// Symbol table. Level -1 with an empty name: the language has no row for the
// character, which is then written as itself.
struct SymbolRow {
    const char *Char;
    std::int32_t Code;
    std::string_view NameRussian;
    std::int32_t LevelRussian;
    std::string_view NameUkrainian;
    std::int32_t LevelUkrainian;
};
constexpr std::int32_t kNoRow = -1;
extern const SymbolRow kSymbols[34];

}  // namespace zorna::tables

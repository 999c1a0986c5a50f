// The converters of the text front end: each turns one run of a phrase into
// phonetic text with the tables of the processor's language. All text is code
// page 1251.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "language_tables.h"

namespace zorna {

// A run of digits read as a cardinal number: one zero word per leading zero,
// then the groups of three from the left with their scale words. Characters
// other than 0-9 are skipped.
std::string NumberToWords(const TLanguageTables &t, std::string_view digits);

// One group of one to three digits; remaining: the number of digits from the
// group's first digit to the end of the number (decides the scale word).
std::string GroupToWords(const TLanguageTables &t, std::string_view group, std::int32_t remaining);

// Latin letters a-z to their Cyrillic sounds, or to their names when spell is
// set (the phrase is this one letter); every other character passes unchanged.
std::string LatinToPhonetic(const TLanguageTables &t, std::string_view word, bool spell);

// A lower-case Cyrillic word (perhaps with "+" marks) to phonetic letters, or,
// when spell is set, the letter's name.
std::string LettersToPhonetic(const TLanguageTables &t, bool ukrainian, std::string_view word, bool spell);

// Whether any character of word is a vowel or sign of the language or a Latin vowel.
bool HasVowel(const TLanguageTables &t, std::string_view word);

// A word without a vowel, spelled out by letter names, each followed by a space.
// Common one-letter words and words with a vowel come back unchanged.
std::string SpellAbbreviation(const TLanguageTables &t, std::string_view word);

// A punctuation or symbol character: its name when the level reaches the name's
// level, or when spell is set and the language has a name for it; otherwise the
// character itself.
std::string SymbolToPhonetic(const TLanguageTables &t, std::uint8_t c, std::uint8_t level, bool spell);

}  // namespace zorna

// Character tests over code page 1251 text.
#pragma once

#include <cstdint>
#include <string>

namespace zorna {

enum CharClassValue : int {
    ccOther = 0,
    ccLatin = 1,
    ccCyrillic = 2,
    ccDigit = 3,
    ccPunctuation = 4,
    ccSpace = 5,
    ccSymbol = 6,
};

bool IsDigit(std::uint8_t c);
bool IsLatinLetter(std::uint8_t c);
bool IsCyrillicLetter(std::uint8_t c);
bool IsUpperCase(std::uint8_t c);
bool IsSpace(std::uint8_t c);                // space, 7 and 0
bool IsSentencePunctuation(std::uint8_t c);  // , . ? ! : ;
bool IsSymbolChar(std::uint8_t c);           // the 28 symbol characters
// Lower case of an upper-case letter (IsUpperCase); other characters unchanged.
std::uint8_t ToLowerCase(std::uint8_t c);
// The first class whose test accepts c: digit, Latin, Cyrillic, space, punctuation, symbol.
int CharClass(std::uint8_t c);
// Whether a (lower-case) word is one of the 22 short words glued to the next word.
bool IsPreposition(const std::string &word);

}  // namespace zorna

// Vowel-less words spelled out as abbreviations.
#include "cp1251.h"
#include "converters.h"

namespace zorna {

namespace {

// One-letter words that are read as words, not spelled (both languages).
bool IsCommonOneLetterWord(std::string_view word) {
    static const std::string kLetters = [] {
        std::string letters;
        for (std::string_view w : {"a", "i", "t", "s", "а", "в", "у", "к", "з", "о", "я", "с", "и", "й", "б", "ж", "і"})
            letters += Cp(w);
        return letters;
    }();
    return word.size() == 1 && kLetters.find(word[0]) != std::string::npos;
}

}  // namespace

bool HasVowel(const TLanguageTables &t, std::string_view word) {
    for (char c : word)
        if (t.Vowels.find(c) != std::string::npos || t.LatinVowels.find(c) != std::string::npos) return true;
    return false;
}

std::string SpellAbbreviation(const TLanguageTables &t, std::string_view word) {
    if (word.size() < 2 && IsCommonOneLetterWord(word)) return std::string(word);
    if (word.empty() || HasVowel(t, word)) return std::string(word);
    std::string result;
    for (char ch : word) {
        const auto c = static_cast<std::uint8_t>(ch);
        if (c >= 224)
            result += t.LetterNames[c - 224u];
        else if (ch >= 'a' && ch <= 'z')
            result += t.LatinLetterNames[static_cast<std::size_t>(ch - 'a')];
        else
            result.push_back(ch);  // a letter without a name is written as itself
        result.push_back(' ');
    }
    return result;
}

}  // namespace zorna

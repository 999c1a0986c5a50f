// Cyrillic words to phonetic letters, and single letters to their names.
#include "converters.h"

namespace zorna {

namespace {

constexpr std::uint8_t kApostrophe = 39;
constexpr std::uint8_t kRightSingleQuote = 146;

const TExtraLetter *FindExtra(const TLanguageTables &t, std::uint8_t c) {
    for (const TExtraLetter &extra : t.ExtraLetters)
        if (extra.Code == c) return &extra;
    return nullptr;
}

}  // namespace

std::string LettersToPhonetic(const TLanguageTables &t, bool ukrainian, std::string_view word, bool spell) {
    std::string result;
    for (char ch : word) {
        const auto c = static_cast<std::uint8_t>(ch);
        if (c >= 224) {
            if (spell)
                result = t.LetterNames[c - 224u];
            else
                result += t.LetterSounds[c - 224u];
            continue;
        }
        if (ukrainian && (c == kApostrophe || c == kRightSingleQuote)) {
            if (spell)
                result.assign(1, ch);
            else
                result += t.ApostropheSound;
            continue;
        }
        const TExtraLetter *extra = FindExtra(t, c);
        if (extra != nullptr) {
            if (spell && !extra->Name.empty())
                result = extra->Name;
            else
                result += extra->Sound;
            continue;
        }
        // Anything else (ё, "+", and in Russian ї, ґ and the apostrophe).
        if (spell && ukrainian)
            result.assign(1, ch);
        else
            result.push_back(ch);
    }
    return result;
}

}  // namespace zorna

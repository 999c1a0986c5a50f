// Latin words to Cyrillic sounds or letter names.
#include "converters.h"

namespace zorna {

std::string LatinToPhonetic(const TLanguageTables &t, std::string_view word, bool spell) {
    std::string result;
    for (char ch : word) {
        if (ch >= 'a' && ch <= 'z') {
            const std::size_t k = static_cast<std::size_t>(ch - 'a');
            result += spell ? t.LatinLetterNames[k] : t.LatinLetterSounds[k];
        } else {
            result.push_back(ch);  // Cyrillic, "+", spaces, upper-case Latin
        }
    }
    return result;
}

}  // namespace zorna

#include "char_classes.h"

#include <array>
#include <string_view>

#include "cp1251.h"

namespace zorna {

bool IsDigit(std::uint8_t c) { return c >= '0' && c <= '9'; }

bool IsLatinLetter(std::uint8_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsCyrillicLetter(std::uint8_t c) {
    if (c >= 192) return true;
    switch (c) {
        case 168: case 184:  // Ё ё
        case 178: case 179:  // І і
        case 170: case 186:  // Є є
        case 175: case 191:  // Ї ї
        case 165: case 180:  // Ґ ґ
            return true;
        default:
            return false;
    }
}

bool IsUpperCase(std::uint8_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 192 && c <= 223)) return true;
    return c == 168 || c == 178 || c == 170 || c == 175 || c == 165;  // Ё І Є Ї Ґ
}

bool IsSpace(std::uint8_t c) { return c == ' ' || c == 7 || c == 0; }

bool IsSentencePunctuation(std::uint8_t c) {
    return c == ',' || c == '.' || c == '?' || c == '!' || c == ':' || c == ';';
}

bool IsSymbolChar(std::uint8_t c) {
    switch (c) {
        case '~': case '`': case '@': case '#': case '$': case '%': case '^':
        case '*': case '(': case ')': case '_': case '-': case '[': case ']':
        case '{': case '}': case '"': case '+': case '=': case '|': case '\\':
        case '/': case '<': case '>': case '\'':
        case 185:  // №
        case 171:  // «
        case 187:  // »
            return true;
        default:
            return false;
    }
}

std::uint8_t ToLowerCase(std::uint8_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 192 && c <= 223)) return static_cast<std::uint8_t>(c + 32);
    switch (c) {
        case 168: return 184;  // Ё -> ё
        case 178: return 179;  // І -> і
        case 170: return 186;  // Є -> є
        case 175: return 191;  // Ї -> ї
        case 165: return 180;  // Ґ -> ґ
        default: return c;
    }
}

int CharClass(std::uint8_t c) {
    if (IsDigit(c)) return ccDigit;
    if (IsLatinLetter(c)) return ccLatin;
    if (IsCyrillicLetter(c)) return ccCyrillic;
    if (IsSpace(c)) return ccSpace;
    if (IsSentencePunctuation(c)) return ccPunctuation;
    if (IsSymbolChar(c)) return ccSymbol;
    return ccOther;
}

bool IsPreposition(const std::string &word) {
    static const std::array<std::string, 22> kWords = [] {
        constexpr std::array<std::string_view, 22> utf8 = {
            "и", "а", "я", "от", "об", "о", "на", "ни", "в", "не", "ну",
            "но", "мы", "то", "ты", "за", "да", "при", "обо", "для", "по", "у",
        };
        std::array<std::string, 22> words;
        for (std::size_t i = 0; i < utf8.size(); ++i) words[i] = Cp(utf8[i]);
        return words;
    }();
    for (const std::string &w : kWords)
        if (w == word) return true;
    return false;
}

}  // namespace zorna

#include "dict_builder.h"

#include <cstdio>
#include <fstream>

#include "frontend/cp1251.h"

namespace zorna::dict {

namespace {

constexpr std::uint8_t kYo = 0xB8;       // ё
constexpr std::uint8_t kYe = 0xE5;       // е
constexpr std::uint8_t kApostrophe = 0x27;

// Decodes one UTF-8 code point at i (advancing i); malformed bytes give U+FFFD.
char32_t NextCodePoint(std::string_view s, std::size_t &i) {
    const auto b0 = static_cast<std::uint8_t>(s[i++]);
    if (b0 < 0x80) return b0;
    int extra = b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC0 ? 1 : -1;
    if (extra < 0) return 0xFFFD;
    char32_t cp = b0 & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size()) return 0xFFFD;
        const auto b = static_cast<std::uint8_t>(s[i]);
        if ((b & 0xC0) != 0x80) return 0xFFFD;
        cp = (cp << 6) | (b & 0x3F);
        ++i;
    }
    return cp;
}

bool IsIpaVowel(char32_t cp) {
    switch (cp) {
    case U'a': case U'ɐ': case U'ʌ': case U'ə': case U'e': case U'ɛ': case U'i': case U'ɪ':
    case U'ɨ': case U'o': case U'ɵ': case U'u': case U'ʉ': case U'ʊ': case U'y': case U'æ':
    case U'ɑ': case U'ɔ': case U'ᵻ':
        return true;
    default:
        return false;
    }
}

std::string Trim(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t' || s[b] == '\r' || s[b] == '\n')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r' || s[e - 1] == '\n')) --e;
    return std::string(s.substr(b, e - b));
}

}  // namespace

std::uint8_t LowerCp1251(std::uint8_t c) {
    if (c >= 0xC0 && c <= 0xDF) return static_cast<std::uint8_t>(c + 0x20);  // А-Я
    switch (c) {
    case 0xA8: return 0xB8;  // Ё
    case 0xB2: return 0xB3;  // І
    case 0xAF: return 0xBF;  // Ї
    case 0xAA: return 0xBA;  // Є
    case 0xA5: return 0xB4;  // Ґ
    default: break;
    }
    if (c >= 'A' && c <= 'Z') return static_cast<std::uint8_t>(c + 0x20);
    return c;
}

std::string LowerCp1251(std::string_view word) {
    std::string out(word);
    for (auto &ch : out) ch = static_cast<char>(LowerCp1251(static_cast<std::uint8_t>(ch)));
    return out;
}

bool IsVowelLetter(std::uint8_t c, Language language) {
    switch (c) {
    case 0xE0: case 0xE5: case 0xE8: case 0xEE: case 0xF3: case 0xFE: case 0xFF:  // а е и о у ю я
        return true;
    case 0xB8: case 0xFB: case 0xFD:  // ё ы э
        return language == Language::Russian;
    case 0xB3: case 0xBF: case 0xBA:  // і ї є
        return language == Language::Ukrainian;
    default:
        return false;
    }
}

int CountVowelLetters(std::string_view word, Language language) {
    int n = 0;
    for (char ch : word) n += IsVowelLetter(static_cast<std::uint8_t>(ch), language) ? 1 : 0;
    return n;
}

bool IsDictionaryWord(std::string_view word, Language language) {
    if (word.empty()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const auto c = static_cast<std::uint8_t>(word[i]);
        const bool common = c >= 0xE0;  // а..я
        bool ok = false;
        if (language == Language::Russian) {
            ok = common || c == kYo;
        } else {
            const bool ukrainianOnly = c == 0xB3 || c == 0xBF || c == 0xBA || c == 0xB4;
            const bool russianOnly = c == 0xFB || c == 0xFD || c == 0xFA;  // ы э ъ
            ok = (common && !russianOnly) || ukrainianOnly ||
                 (c == kApostrophe && i > 0 && i + 1 < word.size());
        }
        if (!ok) return false;
    }
    return CountVowelLetters(word, language) > 0;
}

IpaStress ReadIpaStress(std::string_view ipa) {
    IpaStress result;
    int primary = -1, secondary = -1;
    bool primaryO = false, secondaryO = false;
    int pending = 0;  // 1 after ˈ, 2 after ˌ, until the next vowel
    std::size_t i = 0;
    while (i < ipa.size()) {
        const char32_t cp = NextCodePoint(ipa, i);
        if (cp == U'ˈ') {
            pending = 1;
        } else if (cp == U'ˌ') {
            if (pending == 0) pending = 2;
        } else if (IsIpaVowel(cp)) {
            if (cp == U'ɪ' && i < ipa.size() && ipa[i] == '^') {  // the soft-sign marker
                ++i;
                continue;
            }
            const bool isO = cp == U'o' || cp == U'ɵ';
            if (pending == 1 && primary < 0) {
                primary = result.VowelCount;
                primaryO = isO;
            } else if (pending == 2 && secondary < 0) {
                secondary = result.VowelCount;
                secondaryO = isO;
            }
            pending = 0;
            ++result.VowelCount;
        }
    }
    if (primary >= 0) {
        result.StressedIndex = primary;
        result.StressedIsO = primaryO;
    } else if (secondary >= 0) {
        result.StressedIndex = secondary;
        result.StressedIsO = secondaryO;
    }
    return result;
}

std::string PlaceStress(std::string_view key, int vowelIndex, Language language) {
    if (vowelIndex < 0) return {};
    int seen = 0;
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (!IsVowelLetter(static_cast<std::uint8_t>(key[i]), language)) continue;
        if (seen++ == vowelIndex) {
            std::string out(key.substr(0, i + 1));
            out += '+';
            out += key.substr(i + 1);
            return out;
        }
    }
    return {};
}

std::string StressedFormFromIpa(std::string_view key, const IpaStress &stress,
                                Language language) {
    const int letters = CountVowelLetters(key, language);
    if (letters == 0 || letters != stress.VowelCount) return {};
    int index = stress.StressedIndex;
    if (index < 0) {
        if (letters != 1) return {};
        index = 0;
    }
    std::string form = PlaceStress(key, index, language);
    if (form.empty() || form.size() > kMaxText) return {};
    if (language == Language::Russian && stress.StressedIsO) {
        const std::size_t plus = form.find('+');
        if (plus != std::string::npos && plus > 0 &&
            static_cast<std::uint8_t>(form[plus - 1]) == kYe) {
            form[plus - 1] = static_cast<char>(kYo);
        }
    }
    return form;
}

std::string RestoreYo(const std::string &form,
                      bool (*isKnownForm)(const std::string &, const void *),
                      const void *context) {
    const std::size_t plus = form.find('+');
    if (plus == std::string::npos || plus == 0 ||
        static_cast<std::uint8_t>(form[plus - 1]) != kYe) {
        return form;
    }
    std::string yoForm = form;
    yoForm[plus - 1] = static_cast<char>(kYo);
    std::string yoKey = yoForm;
    yoKey.erase(plus, 1);
    return isKnownForm(yoKey, context) ? yoForm : form;
}

bool ParseCorrectionLine(std::string_view utf8Line, std::string &key, std::string &stressed,
                         std::string &error) {
    std::string line = Trim(utf8Line.substr(0, utf8Line.find('#')));
    key.clear();
    stressed.clear();
    if (line.empty()) return true;
    const std::size_t gap = line.find_first_of(" \t");
    if (gap == std::string::npos) {
        error = "expected a word and its stressed form";
        return false;
    }
    const std::string word = Trim(std::string_view(line).substr(0, gap));
    const std::string form = Trim(std::string_view(line).substr(gap));
    if (form.find_first_of(" \t") != std::string::npos) {
        error = "more than two fields";
        return false;
    }
    const std::string k = LowerCp1251(Utf8ToCp1251(word, '\x01'));
    const std::string s = LowerCp1251(Utf8ToCp1251(form, '\x01'));
    if (k.find('\x01') != std::string::npos || s.find('\x01') != std::string::npos) {
        error = "a character outside code page 1251";
        return false;
    }
    if (k.find('+') != std::string::npos) {
        error = "the word itself carries a stress mark";
        return false;
    }
    if (s.find('+') == std::string::npos) {
        error = "the stressed form has no \"+\"";
        return false;
    }
    if (k.size() > kMaxText || s.size() > kMaxText) {
        error = "longer than 24 characters";
        return false;
    }
    key = k;
    stressed = s;
    return true;
}

bool ReadCorrections(const std::string &path, Entries &entries, std::string &error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    std::string line, key, stressed, why;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
        if (!ParseCorrectionLine(line, key, stressed, why)) {
            error = path + ":" + std::to_string(number) + ": " + why;
            return false;
        }
        if (!key.empty()) entries[key] = stressed;
    }
    return true;
}

std::vector<std::uint8_t> EncodeDictionary(const Entries &entries) {
    std::vector<std::uint8_t> bytes(kRecordSize, 0);  // record 0, unused
    bytes.reserve(kRecordSize * (1 + 2 * entries.size()));
    auto put = [&bytes](const std::string &text) {
        const std::size_t at = bytes.size();
        bytes.resize(at + kRecordSize, 0);
        bytes[at] = static_cast<std::uint8_t>(text.size());
        for (std::size_t i = 0; i < text.size(); ++i)
            bytes[at + 1 + i] = static_cast<std::uint8_t>(text[i]);
    };
    for (const auto &[key, stressed] : entries) {
        if (key.empty() || key.size() > kMaxText || stressed.size() > kMaxText) continue;
        put(stressed);
        put(key);
    }
    return bytes;
}

bool WriteDictionary(const std::string &path, const Entries &entries, std::string &error) {
    const std::vector<std::uint8_t> bytes = EncodeDictionary(entries);
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = "cannot write " + temp;
            return false;
        }
        out.write(reinterpret_cast<const char *>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            error = "cannot write " + temp;
            return false;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        error = "cannot rename " + temp + " to " + path;
        return false;
    }
    return true;
}

}  // namespace zorna::dict

#include "config.h"

#include <charconv>
#include <cmath>

#include "library_state.h"

namespace zorna {

namespace {

constexpr std::size_t kStringBufferSize = 128;  // 127 offered to the read: 126 characters kept

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }

// A complete decimal number: optional sign, digits, optional fraction, optional exponent.
bool IsDecimalNumber(const std::string &s) {
    std::size_t i = 0, n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < n && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < n && s[i] >= '0' && s[i] <= '9') ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == n;
}

}  // namespace

bool ConvertRegionalFloat(const std::string &text, const platform::NumberFormat &format,
                          float &value) {
    const std::string &dec = format.decimalSeparator.empty() ? std::string(".") : format.decimalSeparator;
    const std::string &thou = format.thousandsSeparator;
    std::string s = text;
    if (!thou.empty() && thou != dec && s.find(thou) != std::string::npos) return false;
    if (dec != "." && s.find('.') != std::string::npos) return false;
    if (std::size_t at = s.find(dec); at != std::string::npos) s.replace(at, dec.size(), ".");
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlankOrControl(s[b])) ++b;
    while (e > b && IsBlankOrControl(s[e - 1])) --e;
    s = s.substr(b, e - b);
    if (!IsDecimalNumber(s)) return false;
    const char *first = s.data() + (s[0] == '+' ? 1 : 0);
    double d = 0;
    auto result = std::from_chars(first, s.data() + s.size(), d);
    if (result.ec != std::errc() || result.ptr != s.data() + s.size()) return false;
    value = static_cast<float>(d);
    return true;
}

std::uint8_t PunctuationLevelFromWord(const std::string &word) {
    if (word == "some") return 1;
    if (word == "most") return 2;
    if (word == "all") return 3;
    return 0;
}

TConfig::TConfig(const std::string &fileName) : path_(platform::SettingsFilePath(fileName)) {}

std::int32_t TConfig::ReadInteger(const std::string &section, const std::string &key,
                                  std::int32_t defaultValue) const {
    return platform::ReadProfileInt(path_, section, key, defaultValue);
}

std::string TConfig::ReadString(const std::string &section, const std::string &key,
                                const std::string &defaultValue) const {
    return platform::ReadProfileString(path_, section, key, defaultValue, kStringBufferSize);
}

float TConfig::ReadFloat(const std::string &section, const std::string &key, float defaultValue) const {
    // A missing or empty key gives the default under every regional format.
    std::string text = ReadString(section, key, "");
    if (text.empty()) return defaultValue;
    float value = 0;
    return ConvertRegionalFloat(text, Library().NumberFormat, value) ? value : defaultValue;
}

Settings ReadSettings() {
    TConfig config("zornatts.ini");
    const std::string section = "Settings";
    Settings s;
    s.WhitespacePause = config.ReadInteger(section, "WhitespacePause", 0);
    s.PunctuationPause = config.ReadInteger(section, "PunctuationPause", 300);
    s.PrepositionPause = config.ReadInteger(section, "PrepositionPause", 0);
    s.SentencePause = config.ReadInteger(section, "SentencePause", 700);
    s.Speed = config.ReadFloat(section, "Speed", 1.0f);
    s.Pitch = config.ReadFloat(section, "Pitch", 1.0f);
    s.Volume = config.ReadFloat(section, "Volume", 1.0f);
    s.Punctuation = PunctuationLevelFromWord(config.ReadString(section, "Punctuation", "none"));
    return s;
}

}  // namespace zorna

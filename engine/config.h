// TConfig: the user's settings file (sections and keys), read at every Zorna_New.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace zorna {

class TConfig {
public:
    // Forms the full path of the settings file with the given name.
    explicit TConfig(const std::string &fileName);

    // The optionally signed integer at the start of the value; the default when
    // the file or key is missing or the value is empty; 0 when it does not begin
    // with an integer.
    std::int32_t ReadInteger(const std::string &section, const std::string &key,
                             std::int32_t defaultValue) const;
    // The value cut to its first 126 characters; the default when missing.
    std::string ReadString(const std::string &section, const std::string &key,
                           const std::string &defaultValue) const;
    // The value converted with the regional number format; the default when the
    // key is missing or empty, or when the value does not convert.
    float ReadFloat(const std::string &section, const std::string &key, float defaultValue) const;

    const std::string &Path() const { return path_; }

private:
    std::string path_;
};

// Converts a settings text to a number under the given regional format; false
// when it is not a complete decimal number in that format.
bool ConvertRegionalFloat(const std::string &text, const platform::NumberFormat &format,
                          float &value);

// Punctuation word to level: "some" 1, "most" 2, "all" 3, anything else 0 (case-sensitive).
std::uint8_t PunctuationLevelFromWord(const std::string &word);

// Everything Zorna_New takes from the settings file.
struct Settings {
    std::int32_t WhitespacePause = 0;
    std::int32_t PunctuationPause = 300;
    std::int32_t PrepositionPause = 0;
    std::int32_t SentencePause = 700;
    float Speed = 1.0f;
    float Pitch = 1.0f;
    float Volume = 1.0f;
    std::uint8_t Punctuation = 0;
};

// Reads "zornatts.ini", section "Settings", in the order of its keys.
Settings ReadSettings();

}  // namespace zorna

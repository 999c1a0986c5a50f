// TProcessor: the text front end of one engine instance. Turns one phrase of
// code page 1251 text into phonetic text (lower-case letters, "+" after the
// stressed vowel, spaces and pause marks).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace zorna {

class TAccentDictionary;

enum : std::uint8_t { kLanguageRussian = 2, kLanguageUkrainian = 3 };

class TProcessor {
public:
    // language: 2 Russian, 3 Ukrainian. dataFolder: the voice's data directory
    // (no trailing separator); the dictionary is dataFolder/slovar.rus or
    // slovar.ukr. Throws std::runtime_error("Unable to open file") when the
    // dictionary cannot be opened.
    TProcessor(std::uint8_t language, const std::string &dataFolder);
    ~TProcessor();
    TProcessor(const TProcessor &) = delete;
    TProcessor &operator=(const TProcessor &) = delete;

    // Whether c belongs to a phrase. A hyphen is a word character only under the
    // hyphen count rule; the count lives between calls (ResetHyphenCount sets it to 0).
    bool IsWordChar(std::uint8_t c);
    void ResetHyphenCount();

    // One phrase (a run of word characters and the one character that ended it)
    // to phonetic text. An empty text leaves output as it was.
    void Process(const std::string &text, std::uint8_t punctuationLevel,
                 std::uint8_t &prepositionPending, std::int32_t prepositionPause,
                 std::string &output);

    // 2 or 3; also sets IsUkrainian again from the language.
    std::uint8_t GetLanguage();

    // Phonetic text held back after a preposition.
    const std::string &Pending() const;

    // The dictionary this processor reads.
    const TAccentDictionary &Dictionary() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace zorna

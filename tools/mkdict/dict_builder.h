// Building stress dictionaries (slovar.rus, slovar.ukr): stress placement from an IPA
// transcription, the corrections file, and the file of 25-byte records.
//
// File layout: record n is at byte 25 * n; byte 0 is the text length (0..24), bytes 1..24
// the text in code page 1251. Record 0 is unused; record 2k-1 holds the stressed form of
// the key in record 2k. Keys are sorted by byte code, so every letter group is one block.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace zorna::dict {

enum class Language { Russian, Ukrainian };

constexpr std::size_t kRecordSize = 25;
constexpr std::size_t kMaxText = 24;

// Lower case of a code page 1251 byte (А-Я, Ё, І, Ї, Є, Ґ; other bytes unchanged).
std::uint8_t LowerCp1251(std::uint8_t c);
std::string LowerCp1251(std::string_view word);

// Whether a code page 1251 byte is a vowel letter of the language (lower case).
bool IsVowelLetter(std::uint8_t c, Language language);
int CountVowelLetters(std::string_view word, Language language);

// Whether a lower-case code page 1251 word is made only of the language's letters (and,
// in Ukrainian, inner apostrophes) and has at least one vowel.
bool IsDictionaryWord(std::string_view word, Language language);

// What an IPA transcription (UTF-8, as espeak-ng writes it) says about stress.
struct IpaStress {
    int VowelCount = 0;         // IPA vowels, a diphthong's or long vowel's parts counted apart
    int StressedIndex = -1;     // 0-based index of the stressed vowel, -1 when unmarked
    bool StressedIsO = false;   // the stressed vowel is o or ɵ (ё read for a written е)
};
IpaStress ReadIpaStress(std::string_view ipa);

// The key with "+" after its vowel letter number vowelIndex (0-based); empty when the key
// has no such vowel.
std::string PlaceStress(std::string_view key, int vowelIndex, Language language);

// The stressed form of a key from its IPA stress: empty when the vowel counts disagree,
// when nothing is stressed in a word of several vowels, or when the form would exceed 24
// characters. A one-vowel word is stressed on its vowel. A Russian е read as ё is
// written ё.
std::string StressedFormFromIpa(std::string_view key, const IpaStress &stress,
                                Language language);

// A Russian stressed form whose stressed letter is е is written with ё when the key with
// that е turned into ё is itself a known word form (isKnownForm). The word lists spell
// ё-words both ways; espeak-ng reads the е spelling as е.
std::string RestoreYo(const std::string &form, bool (*isKnownForm)(const std::string &, const void *),
                      const void *context);

// Entries by key (code page 1251); std::string orders by unsigned byte, as the file needs.
using Entries = std::map<std::string, std::string>;

// Reads a corrections file (UTF-8; "word stressed+form" per line; "#" starts a comment) into
// entries, replacing what they held for those words. Returns false with a message naming
// the line on a malformed line or an unreadable file.
bool ReadCorrections(const std::string &path, Entries &entries, std::string &error);

// One corrections line, parsed; false when it is malformed (message in error).
bool ParseCorrectionLine(std::string_view utf8Line, std::string &key, std::string &stressed,
                         std::string &error);

// The dictionary file's bytes for the entries (record 0 empty). Entries whose key or form
// does not fit into a record are skipped.
std::vector<std::uint8_t> EncodeDictionary(const Entries &entries);

// Writes the dictionary file (through a temporary file renamed into place).
bool WriteDictionary(const std::string &path, const Entries &entries, std::string &error);

}  // namespace zorna::dict

// TAccentDictionary: stressed forms of words from a dictionary file of 25-byte
// records (slovar.rus, slovar.ukr), and stress assignment with prefix rules.
//
// The file is mapped read-only for the life of the dictionary. A lookup gives
// exactly the answer of a record-by-record scan from the word's letter group to
// the end of that scan; runs of keys that the constructor found in sorted order
// are searched by bisection instead of record by record.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace zorna {

class TAccentDictionary {
public:
    // Opens the file and indexes its letter groups. Throws std::runtime_error
    // "Unable to open file" when the file cannot be opened.
    explicit TAccentDictionary(const std::string &fileName);
    ~TAccentDictionary();
    TAccentDictionary(const TAccentDictionary &) = delete;
    TAccentDictionary &operator=(const TAccentDictionary &) = delete;

    // The stressed form of a lower-case word, a near match built from a key that
    // differs in the last one or two characters, or the word itself.
    // Reads the mapping only: lookups may run from several threads at once.
    std::string Lookup(const std::string &word) const;

    // Lookup, then the language's prefix rules (isUkrainian: 1 Ukrainian, else Russian).
    std::string Accentuate(std::int32_t isUkrainian, const std::string &word) const;

    const std::string &FileName() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace zorna

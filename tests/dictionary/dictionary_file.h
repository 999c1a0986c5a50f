// Dictionary files for the tests: records of 25 bytes (a length byte and up to
// 24 characters), record 0 first, then each entry's stressed form and key.
#pragma once

#include <string>
#include <vector>

namespace zorna::test {

// Texts in code page 1251.
struct Entry {
    std::string stressed;
    std::string key;
};

// One record; the length byte is the text's length (even above 24), the text
// is cut to the 24 bytes that fit.
std::string Record(const std::string &text);

// A fresh path in the test's temporary folder.
std::string TempPath(const std::string &name);

// Writes bytes as a file; returns its path.
std::string WriteFile(const std::string &name, const std::string &bytes);

// Writes record 0 and the entries; returns the path.
std::string WriteDictionary(const std::string &name, const std::vector<Entry> &entries,
                            const std::string &record0 = "");

// The same with entries written in UTF-8 ("stressed", "key").
std::string WriteUtf8Dictionary(const std::string &name,
                                const std::vector<std::pair<const char *, const char *>> &entries);

}  // namespace zorna::test

// A small stress dictionary for the front-end tests, written as slovar.rus and
// slovar.ukr (25-byte records: record 0 unused, then the stressed form in record
// 2k-1 and its key in record 2k, keys sorted by byte code) into a fresh folder.
#pragma once

#include <string>

namespace zorna::test {

class TestDictionaryFolder {
public:
    TestDictionaryFolder();
    ~TestDictionaryFolder();
    TestDictionaryFolder(const TestDictionaryFolder &) = delete;
    TestDictionaryFolder &operator=(const TestDictionaryFolder &) = delete;

    // The folder, without a trailing separator.
    const std::string &Path() const { return path_; }

private:
    std::string path_;
};

// The one folder shared by all tests of the process.
const std::string &DictionaryFolder();

}  // namespace zorna::test

#include "test_dictionary.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <utility>
#include <vector>

#include <unistd.h>

#include "cp1251.h"

namespace zorna::test {

namespace {

struct Entry {
    const char *Key;       // UTF-8, lower case
    const char *Stressed;  // UTF-8, "+" after the stressed vowel
};

// The words the golden cases stress; every other word reaches the letter
// mapping as the stress rules leave it.
const Entry kRussian[] = {
    {"доме", "до+ме"},
    {"кто", "кто+"},
    {"мир", "ми+р"},
    {"привет", "приве+т"},
};

const Entry kUkrainian[] = {
    {"мир", "ми+р"},
    {"п'ять", "п'я+ть"},
    {"село", "се+ло"},
    {"хата", "ха+та"},
};

void WriteRecord(std::ofstream &out, const std::string &text) {
    if (text.size() > 24) throw std::logic_error("dictionary text longer than 24 bytes");
    char record[25] = {};
    record[0] = static_cast<char>(text.size());
    std::copy(text.begin(), text.end(), record + 1);
    out.write(record, sizeof record);
}

template <std::size_t N>
void WriteDictionary(const std::filesystem::path &file, const Entry (&entries)[N]) {
    std::vector<std::pair<std::string, std::string>> records;  // key, stressed form (CP1251)
    for (const Entry &e : entries) records.emplace_back(Cp(e.Key), Cp(e.Stressed));
    // std::string compares bytes as unsigned: the order of code page 1251 codes.
    std::sort(records.begin(), records.end());
    std::ofstream out(file, std::ios::binary);
    WriteRecord(out, std::string());  // record 0 is not used
    for (const auto &[key, stressed] : records) {
        WriteRecord(out, stressed);
        WriteRecord(out, key);
    }
    if (!out) throw std::runtime_error("cannot write the test dictionary");
}

}  // namespace

TestDictionaryFolder::TestDictionaryFolder() {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("zorna-frontend-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    WriteDictionary(folder / "slovar.rus", kRussian);
    WriteDictionary(folder / "slovar.ukr", kUkrainian);
    path_ = folder.string();
}

TestDictionaryFolder::~TestDictionaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

const std::string &DictionaryFolder() {
    static const TestDictionaryFolder folder;
    return folder.Path();
}

}  // namespace zorna::test

#include "dictionary_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

#include "cp1251.h"

namespace zorna::test {

std::string Record(const std::string &text) {
    std::string record(25, '\0');
    record[0] = static_cast<char>(static_cast<unsigned char>(std::min<std::size_t>(text.size(), 255)));
    record.replace(1, std::min<std::size_t>(text.size(), 24), text, 0, 24);
    record.resize(25);
    return record;
}

std::string TempPath(const std::string &name) {
    const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string test = info != nullptr ? std::string(info->test_suite_name()) + "." + info->name() : "";
    for (char &c : test)
        if (c == '/') c = '_';
    return ::testing::TempDir() + "zorna_dict_" + test + "_" + name;
}

std::string WriteFile(const std::string &name, const std::string &bytes) {
    std::string path = TempPath(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
    return path;
}

std::string WriteDictionary(const std::string &name, const std::vector<Entry> &entries,
                            const std::string &record0) {
    std::string bytes = Record(record0);
    for (const Entry &e : entries) bytes += Record(e.stressed) + Record(e.key);
    return WriteFile(name, bytes);
}

std::string WriteUtf8Dictionary(const std::string &name,
                                const std::vector<std::pair<const char *, const char *>> &entries) {
    std::vector<Entry> converted;
    for (const auto &[stressed, key] : entries) converted.push_back({Cp(stressed), Cp(key)});
    return WriteDictionary(name, converted);
}

}  // namespace zorna::test

#include "fixture_voice.h"

#include <stdlib.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

#include "frontend/cp1251.h"

namespace zorna::testing {

std::string MakeTempDir(const std::string &tag) {
    namespace fs = std::filesystem;
    static std::atomic<unsigned> counter{0};
    std::random_device entropy;
    const fs::path base = fs::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path dir = base / ("zornatts-" + tag + "-" + std::to_string(entropy()) + "-" +
                                     std::to_string(counter.fetch_add(1)));
        std::error_code error;
        if (fs::create_directory(dir, error)) return dir.string();
    }
    throw std::runtime_error("cannot create a temporary directory");
}

void MakeDir(const std::string &path) {
    std::error_code error;
    std::filesystem::create_directory(path, error);
    if (error) throw std::runtime_error("cannot create " + path);
}

void SetEnv(const std::string &name, const std::string &value) {
#ifdef _WIN32
    // An empty value would remove the variable from the C library's copy.
    if (value.empty() ? ::SetEnvironmentVariableA(name.c_str(), "") == 0
                      : ::_putenv_s(name.c_str(), value.c_str()) != 0)
        throw std::runtime_error("cannot set " + name);
#else
    if (::setenv(name.c_str(), value.c_str(), 1) != 0) throw std::runtime_error("cannot set " + name);
#endif
}

void UnsetEnv(const std::string &name) {
#ifdef _WIN32
    ::_putenv_s(name.c_str(), "");
    ::SetEnvironmentVariableA(name.c_str(), nullptr);
#else
    ::unsetenv(name.c_str());
#endif
}

std::string Record(const std::string &text, int lengthByte) {
    std::string r(25, '\0');
    const std::size_t n = std::min<std::size_t>(text.size(), 24);
    r[0] = static_cast<char>(lengthByte >= 0 ? lengthByte : static_cast<int>(n));
    r.replace(1, n, text.substr(0, n));
    return r;
}

void WriteFile(const std::string &path, const std::string &bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

void WriteVoice(const std::string &dir, const std::vector<FixtureUnit> &units) {
    struct Entry {
        std::string name;
        std::size_t offset;
        std::size_t length;
    };
    std::string wav;
    std::vector<Entry> entries;
    for (const FixtureUnit &u : units) {
        if (u.pcm.size() % 2 != 0) throw std::invalid_argument("a unit needs an even number of samples");
        entries.push_back({Cp(u.name), wav.size() / 4, u.pcm.size() / 2});
        wav.append(reinterpret_cast<const char *>(u.pcm.data()), u.pcm.size() * 2);
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return std::lexicographical_compare(a.name.begin(), a.name.end(), b.name.begin(), b.name.end(),
                                            [](char x, char y) {
                                                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
                                            });
    });
    std::string table;
    for (const Entry &e : entries)
        table += Record(e.name) + Record(std::to_string(e.offset)) + Record(std::to_string(e.length));
    WriteFile(dir + "/alfa.wav", wav);
    WriteFile(dir + "/alfa.tx", table);
}

void WriteDictionary(const std::string &path, const std::vector<std::pair<std::string, std::string>> &entries) {
    std::vector<std::pair<std::string, std::string>> cp;
    for (const auto &[key, stressed] : entries) cp.emplace_back(Cp(key), Cp(stressed));
    std::sort(cp.begin(), cp.end(), [](const auto &a, const auto &b) {
        return std::lexicographical_compare(a.first.begin(), a.first.end(), b.first.begin(), b.first.end(),
                                            [](char x, char y) {
                                                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
                                            });
    });
    std::string bytes = Record("");
    for (const auto &[key, stressed] : cp) bytes += Record(stressed) + Record(key);
    WriteFile(path, bytes);
}

FixtureUnit ConstantUnit(const std::string &name, std::int16_t value, int samples) {
    return FixtureUnit{name, std::vector<std::int16_t>(static_cast<std::size_t>(samples), value)};
}

}  // namespace zorna::testing

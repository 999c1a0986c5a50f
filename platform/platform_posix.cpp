// POSIX implementation of the platform services.
#include "platform.h"

#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <pthread.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <new>

namespace zorna::platform {

const char kPathSeparator = '/';

// ---------------------------------------------------------------- MappedFile

MappedFile::~MappedFile() { Close(); }

MappedFile::OpenResult MappedFile::Open(const std::string &path) {
    Close();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return OpenResult::CannotOpen;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return OpenResult::CannotOpen;
    }
    file_ = fd;
    size_ = static_cast<std::size_t>(st.st_size);
    if (size_ > 0) {
        void *view = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, fd, 0);
        if (view == MAP_FAILED) {
            ::close(fd);
            file_ = -1;
            size_ = 0;
            return OpenResult::CannotMap;
        }
        data_ = static_cast<const std::uint8_t *>(view);
    }
    open_ = true;
    return OpenResult::Ok;
}

void MappedFile::Close() {
    if (data_ != nullptr) ::munmap(const_cast<std::uint8_t *>(data_), size_);
    if (file_ >= 0) ::close(static_cast<int>(file_));
    data_ = nullptr;
    size_ = 0;
    file_ = -1;
    open_ = false;
}

// ---------------------------------------------------------------- Lock

static_assert(sizeof(pthread_mutex_t) <= 64, "Lock storage too small");
static_assert(alignof(pthread_mutex_t) <= 8, "Lock storage not aligned enough");

Lock::Lock() {
    auto *m = new (storage_) pthread_mutex_t;
    pthread_mutex_init(m, nullptr);
}
Lock::~Lock() { pthread_mutex_destroy(reinterpret_cast<pthread_mutex_t *>(storage_)); }
void Lock::lock() { pthread_mutex_lock(reinterpret_cast<pthread_mutex_t *>(storage_)); }
void Lock::unlock() { pthread_mutex_unlock(reinterpret_cast<pthread_mutex_t *>(storage_)); }

// ---------------------------------------------------------------- files

bool DirectoryExists(const std::string &path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FileExists(const std::string &path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string SettingsFilePath(const std::string &fileName) {
    std::string base;
    if (const char *appData = std::getenv("APPDATA"); appData != nullptr) {
        base = appData;
    } else if (const char *xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0') {
        base = xdg;
    } else if (const char *home = std::getenv("HOME"); home != nullptr) {
        base = std::string(home) + "/.config";
    }
    return base + "/ZornaTts/" + fileName;
}

// ---------------------------------------------------------------- settings file

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

std::string Trim(const std::string &s) {
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

bool EqualNoCase(const std::string &a, const std::string &b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// Finds the raw (trimmed) value of section/key; false when file, section or key is missing.
// Section and key names compare without regard to case, as on Windows; the first
// matching key of the first matching section wins.
bool FindProfileValue(const std::string &path, const std::string &section, const std::string &key,
                      std::string &value) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string line;
    bool inSection = false;
    while (std::getline(in, line)) {
        std::string t = Trim(line);
        if (t.empty() || t[0] == ';') continue;
        if (t[0] == '[') {
            std::size_t close = t.find(']');
            std::string name = Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            if (inSection) return false;  // left the section without finding the key
            inSection = EqualNoCase(name, section);
            continue;
        }
        if (!inSection) continue;
        std::size_t eq = t.find('=');
        if (eq == std::string::npos) continue;
        if (EqualNoCase(Trim(t.substr(0, eq)), key)) {
            value = Trim(t.substr(eq + 1));
            // A value in matching quotes loses them, as in the Windows reader.
            if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                value.back() == value.front())
                value = value.substr(1, value.size() - 2);
            return true;
        }
    }
    return false;
}

}  // namespace

std::string ReadProfileString(const std::string &path, const std::string &section,
                              const std::string &key, const std::string &defaultValue,
                              std::size_t capacity) {
    std::string value;
    if (!FindProfileValue(path, section, key, value)) value = defaultValue;
    std::size_t keep = capacity >= 2 ? capacity - 2 : 0;
    if (value.size() > keep) value.resize(keep);
    return value;
}

int ReadProfileInt(const std::string &path, const std::string &section, const std::string &key,
                   int defaultValue) {
    std::string value;
    if (!FindProfileValue(path, section, key, value) || value.empty()) return defaultValue;
    std::size_t i = 0;
    bool negative = false;
    if (value[i] == '-' || value[i] == '+') negative = value[i++] == '-';
    long long n = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        n = n * 10 + (value[i] - '0');
        if (n > 0xFFFFFFFFLL) n = 0xFFFFFFFFLL;  // saturate, then wrap like a 32-bit value
    }
    auto u = static_cast<std::uint32_t>(n);
    if (negative) u = 0u - u;
    return static_cast<int>(u);
}

// ---------------------------------------------------------------- number format

NumberFormat UserNumberFormat() {
    NumberFormat format;
    const char *name = nullptr;
    for (const char *var : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char *v = std::getenv(var);
        if (v != nullptr && *v != '\0') {
            name = v;
            break;
        }
    }
    if (name == nullptr) return format;
    locale_t loc = ::newlocale(LC_NUMERIC_MASK, name, static_cast<locale_t>(0));
    if (loc == static_cast<locale_t>(0)) return format;
    format.decimalSeparator = ::nl_langinfo_l(RADIXCHAR, loc);
    format.thousandsSeparator = ::nl_langinfo_l(THOUSEP, loc);
    ::freelocale(loc);
    if (format.decimalSeparator.empty()) format.decimalSeparator = ".";
    return format;
}

}  // namespace zorna::platform

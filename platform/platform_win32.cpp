// Windows implementation of the platform services.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <limits>
#include <new>
#include <vector>

#include "platform.h"

namespace zorna::platform {

const char kPathSeparator = '\\';

namespace {

HANDLE AsHandle(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }
std::intptr_t FromHandle(HANDLE h) { return reinterpret_cast<std::intptr_t>(h); }

const std::intptr_t kNoFile = FromHandle(INVALID_HANDLE_VALUE);

}  // namespace

// ---------------------------------------------------------------- MappedFile

MappedFile::~MappedFile() { Close(); }

MappedFile::OpenResult MappedFile::Open(const std::string &path) {
    Close();
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return OpenResult::CannotOpen;

    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file, &size) || size.QuadPart < 0) {
        ::CloseHandle(file);
        return OpenResult::CannotOpen;
    }
    if (static_cast<unsigned long long>(size.QuadPart) > std::numeric_limits<std::size_t>::max()) {
        ::CloseHandle(file);  // larger than this process can map as a whole
        return OpenResult::CannotMap;
    }
    if (size.QuadPart > 0) {
        HANDLE mapping = ::CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
        if (mapping == nullptr) {
            ::CloseHandle(file);
            return OpenResult::CannotMap;
        }
        void *view = ::MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
        if (view == nullptr) {
            ::CloseHandle(mapping);
            ::CloseHandle(file);
            return OpenResult::CannotMap;
        }
        mapping_ = FromHandle(mapping);
        data_ = static_cast<const std::uint8_t *>(view);
    }
    file_ = FromHandle(file);
    size_ = static_cast<std::size_t>(size.QuadPart);
    open_ = true;
    return OpenResult::Ok;
}

void MappedFile::Close() {
    if (data_ != nullptr) ::UnmapViewOfFile(data_);
    if (mapping_ != 0) ::CloseHandle(AsHandle(mapping_));
    if (file_ != kNoFile) ::CloseHandle(AsHandle(file_));
    data_ = nullptr;
    size_ = 0;
    mapping_ = 0;
    file_ = kNoFile;
    open_ = false;
}

// ---------------------------------------------------------------- Lock

static_assert(sizeof(CRITICAL_SECTION) <= 64, "Lock storage too small");
static_assert(alignof(CRITICAL_SECTION) <= 8, "Lock storage not aligned enough");

Lock::Lock() {
    auto *cs = new (storage_) CRITICAL_SECTION;
    ::InitializeCriticalSection(cs);
}
Lock::~Lock() { ::DeleteCriticalSection(reinterpret_cast<CRITICAL_SECTION *>(storage_)); }
void Lock::lock() { ::EnterCriticalSection(reinterpret_cast<CRITICAL_SECTION *>(storage_)); }
void Lock::unlock() { ::LeaveCriticalSection(reinterpret_cast<CRITICAL_SECTION *>(storage_)); }

// ---------------------------------------------------------------- files

bool DirectoryExists(const std::string &path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FileExists(const std::string &path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string SettingsFilePath(const std::string &fileName) {
    // The variable's name is matched without regard to case by the system.
    std::string base;
    const DWORD needed = ::GetEnvironmentVariableA("APPDATA", nullptr, 0);
    if (needed > 0) {
        std::vector<char> buffer(needed);
        const DWORD got = ::GetEnvironmentVariableA("APPDATA", buffer.data(), needed);
        if (got > 0 && got < needed) base.assign(buffer.data(), got);
    }
    return base + "\\ZornaTts\\" + fileName;
}

// ---------------------------------------------------------------- settings file

std::string ReadProfileString(const std::string &path, const std::string &section,
                              const std::string &key, const std::string &defaultValue,
                              std::size_t capacity) {
    if (capacity < 2) return std::string();
    // Of a buffer of `capacity` bytes, capacity - 1 are offered to the read, so
    // that a value keeps at most capacity - 2 characters.
    std::vector<char> buffer(capacity, '\0');
    const DWORD offered = static_cast<DWORD>(capacity - 1);
    const DWORD got = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                                 buffer.data(), offered, path.c_str());
    std::string value(buffer.data(), got < offered ? got : offered);
    if (value.size() > capacity - 2) value.resize(capacity - 2);
    return value;
}

int ReadProfileInt(const std::string &path, const std::string &section, const std::string &key,
                   int defaultValue) {
    return static_cast<int>(
        ::GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, path.c_str()));
}

// ---------------------------------------------------------------- number format

namespace {

bool LocaleText(LCTYPE type, std::string &out) {
    const int needed = ::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, nullptr, 0);
    if (needed <= 0) return false;
    std::vector<char> buffer(static_cast<std::size_t>(needed), '\0');
    const int got = ::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer.data(), needed);
    if (got <= 0) return false;
    out.assign(buffer.data(), static_cast<std::size_t>(got - 1));  // without the terminating zero
    return true;
}

}  // namespace

NumberFormat UserNumberFormat() {
    NumberFormat format;
    std::string text;
    if (LocaleText(LOCALE_SDECIMAL, text)) format.decimalSeparator = text;
    if (LocaleText(LOCALE_STHOUSAND, text)) format.thousandsSeparator = text;
    return format;
}

}  // namespace zorna::platform

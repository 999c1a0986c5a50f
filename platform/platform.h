// The operating-system services the engine uses, one implementation file per
// system (platform_posix.cpp, platform_win32.cpp), chosen by the build.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zorna::platform {

// Separator between folders in a path ("/" on POSIX, "\\" on Windows).
extern const char kPathSeparator;

// A whole file mapped read-only. A file of 0 bytes opens with an empty view
// (Data() null, Size() 0): a mapping of nothing is never created.
class MappedFile {
public:
    MappedFile() = default;
    ~MappedFile();
    MappedFile(const MappedFile &) = delete;
    MappedFile &operator=(const MappedFile &) = delete;

    enum class OpenResult { Ok, CannotOpen, CannotMap };
    // Opens an existing file for reading (other readers allowed) and maps it.
    OpenResult Open(const std::string &path);
    void Close();

    bool IsOpen() const { return open_; }
    const std::uint8_t *Data() const { return data_; }
    std::size_t Size() const { return size_; }

private:
    bool open_ = false;
    const std::uint8_t *data_ = nullptr;
    std::size_t size_ = 0;
    std::intptr_t file_ = -1;    // descriptor or HANDLE
    std::intptr_t mapping_ = 0;  // Windows mapping HANDLE; unused on POSIX
};

// A non-recursive lock (critical section / mutex), usable with std::lock_guard.
class Lock {
public:
    Lock();
    ~Lock();
    Lock(const Lock &) = delete;
    Lock &operator=(const Lock &) = delete;
    void lock();
    void unlock();

private:
    // Room for a pthread_mutex_t or a CRITICAL_SECTION, which need at most
    // 8-byte alignment. (Not std::max_align_t: 32-bit mingw headers give it
    // different alignments in different translation units, which would move
    // the members of any class holding a Lock between those units.)
    alignas(8) unsigned char storage_[64];
};

// Whether the path names an existing directory (its attributes can be read
// and include the directory attribute).
bool DirectoryExists(const std::string &path);

// Whether the path names an existing regular file.
bool FileExists(const std::string &path);

// Full path of the settings file with the given name:
// Windows: %APPDATA%\ZornaTts\<name>.
// POSIX: $APPDATA/ZornaTts/<name> when APPDATA is set, else
// $XDG_CONFIG_HOME/ZornaTts/<name>, else ~/.config/ZornaTts/<name>.
std::string SettingsFilePath(const std::string &fileName);

// Settings-file reads in the manner of the Windows profile functions.
// ReadProfileString: the key's value (blanks around it removed) cut to
// capacity - 2 characters; the default when the file, section or key is missing.
std::string ReadProfileString(const std::string &path, const std::string &section,
                              const std::string &key, const std::string &defaultValue,
                              std::size_t capacity);
// ReadProfileInt: the optionally signed decimal integer at the start of the
// value; the default when the file, section or key is missing or the value is
// empty; 0 when the value does not begin with an integer.
int ReadProfileInt(const std::string &path, const std::string &section, const std::string &key,
                   int defaultValue);

// The user's regional number format: decimal and thousands separators as the
// system gives them (bytes; may be several bytes or empty).
struct NumberFormat {
    std::string decimalSeparator = ".";
    std::string thousandsSeparator = ",";
};
// POSIX: from the environment's LC_ALL / LC_NUMERIC / LANG, without changing the
// process locale. Windows: the user default locale.
NumberFormat UserNumberFormat();

}  // namespace zorna::platform

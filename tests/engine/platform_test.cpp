// The operating-system services under the engine: mapped files, directory and
// file tests, settings-file reads, locks. The same expectations hold on every
// system.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "fixture_voice.h"

namespace zorna {
namespace {

using platform::MappedFile;

// Number of handles (Windows) or descriptors (POSIX) the process holds open.
long OpenHandleCount() {
#ifdef _WIN32
    DWORD count = 0;
    if (!::GetProcessHandleCount(::GetCurrentProcess(), &count)) return -1;
    return static_cast<long>(count);
#else
    long count = 0;
    std::error_code error;
    for (auto it = std::filesystem::directory_iterator("/proc/self/fd", error);
         !error && it != std::filesystem::directory_iterator(); it.increment(error))
        ++count;
    return error ? -1 : count;
#endif
}

TEST(Platform, MapsAWholeFile) {
    const std::string dir = testing::MakeTempDir("platform");
    const std::string bytes("\x00\x01\xFF" "abc\r\n", 8);
    testing::WriteFile(dir + "/file.bin", bytes);
    MappedFile file;
    ASSERT_EQ(file.Open(dir + "/file.bin"), MappedFile::OpenResult::Ok);
    EXPECT_TRUE(file.IsOpen());
    ASSERT_EQ(file.Size(), bytes.size());
    ASSERT_NE(file.Data(), nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(file.Data()), file.Size()), bytes);

    // Other readers may open the file while it is mapped.
    MappedFile second;
    ASSERT_EQ(second.Open(dir + "/file.bin"), MappedFile::OpenResult::Ok);
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(second.Data()), second.Size()), bytes);

    file.Close();
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.Data(), nullptr);
    EXPECT_EQ(file.Size(), 0u);
    file.Close();  // a second close does nothing
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(second.Data()), second.Size()), bytes);
}

TEST(Platform, AnEmptyFileOpensWithAnEmptyView) {
    const std::string dir = testing::MakeTempDir("platform");
    testing::WriteFile(dir + "/empty", "");
    MappedFile file;
    ASSERT_EQ(file.Open(dir + "/empty"), MappedFile::OpenResult::Ok);
    EXPECT_TRUE(file.IsOpen());
    EXPECT_EQ(file.Data(), nullptr);
    EXPECT_EQ(file.Size(), 0u);
}

TEST(Platform, MissingFilesAndFoldersDoNotOpen) {
    const std::string dir = testing::MakeTempDir("platform");
    MappedFile file;
    EXPECT_EQ(file.Open(dir + "/missing"), MappedFile::OpenResult::CannotOpen);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.Open(dir), MappedFile::OpenResult::CannotOpen);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.Open(""), MappedFile::OpenResult::CannotOpen);
}

TEST(Platform, ReopeningReplacesTheView) {
    const std::string dir = testing::MakeTempDir("platform");
    testing::WriteFile(dir + "/a", "first");
    testing::WriteFile(dir + "/b", "second!");
    MappedFile file;
    ASSERT_EQ(file.Open(dir + "/a"), MappedFile::OpenResult::Ok);
    ASSERT_EQ(file.Open(dir + "/b"), MappedFile::OpenResult::Ok);
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(file.Data()), file.Size()), "second!");
    // A failed open leaves nothing of the previous file behind.
    EXPECT_EQ(file.Open(dir + "/missing"), MappedFile::OpenResult::CannotOpen);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.Data(), nullptr);
}

TEST(Platform, NoHandleOutlivesItsFile) {
    const std::string dir = testing::MakeTempDir("platform");
    testing::WriteFile(dir + "/data", std::string(10000, 'x'));
    testing::WriteFile(dir + "/empty", "");
    const long before = OpenHandleCount();
    ASSERT_GE(before, 0);
    for (int i = 0; i < 200; ++i) {
        MappedFile file;
        EXPECT_EQ(file.Open(dir + "/data"), MappedFile::OpenResult::Ok);
        EXPECT_EQ(file.Open(dir + "/empty"), MappedFile::OpenResult::Ok);
        EXPECT_EQ(file.Open(dir + "/missing"), MappedFile::OpenResult::CannotOpen);
        EXPECT_EQ(file.Open(dir), MappedFile::OpenResult::CannotOpen);
        EXPECT_EQ(file.Open(dir + "/data"), MappedFile::OpenResult::Ok);
    }
    EXPECT_LE(OpenHandleCount(), before);
}

TEST(Platform, DirectoryAndFileTests) {
    const std::string dir = testing::MakeTempDir("platform");
    testing::WriteFile(dir + "/file", "x");
    EXPECT_TRUE(platform::DirectoryExists(dir));
    EXPECT_FALSE(platform::DirectoryExists(dir + "/file"));
    EXPECT_FALSE(platform::DirectoryExists(dir + "/missing"));
    EXPECT_FALSE(platform::DirectoryExists(""));
    EXPECT_TRUE(platform::FileExists(dir + "/file"));
    EXPECT_FALSE(platform::FileExists(dir));
    EXPECT_FALSE(platform::FileExists(dir + "/missing"));
    EXPECT_FALSE(platform::FileExists(""));
}

TEST(Platform, SettingsPathEndsInTheProductFolder) {
    const std::string sep(1, platform::kPathSeparator);
    const std::string path = platform::SettingsFilePath("zornatts.ini");
    const std::string tail = sep + "ZornaTts" + sep + "zornatts.ini";
    ASSERT_GE(path.size(), tail.size());
    EXPECT_EQ(path.substr(path.size() - tail.size()), tail);
}

TEST(Platform, ProfileReads) {
    const std::string dir = testing::MakeTempDir("platform");
    const std::string ini = dir + "/test.ini";
    testing::WriteFile(ini,
                       "[First]\r\nName=outer\r\n"
                       "[Second]\r\n"
                       "Text =  some words  \r\n"
                       "Long=" + std::string(40, 'a') + "\r\n"
                       "Number=  -17\r\n"
                       "Prefix=25px\r\n"
                       "Word=px\r\n"
                       "Empty=\r\n");
    using platform::ReadProfileInt;
    using platform::ReadProfileString;
    EXPECT_EQ(ReadProfileString(ini, "Second", "Text", "d", 128), "some words");
    EXPECT_EQ(ReadProfileString(ini, "second", "TEXT", "d", 128), "some words");  // case does not matter
    EXPECT_EQ(ReadProfileString(ini, "Second", "Name", "d", 128), "d");            // in another section
    EXPECT_EQ(ReadProfileString(ini, "First", "Name", "d", 128), "outer");
    EXPECT_EQ(ReadProfileString(ini, "Missing", "Text", "d", 128), "d");
    EXPECT_EQ(ReadProfileString(dir + "/missing.ini", "Second", "Text", "d", 128), "d");
    EXPECT_EQ(ReadProfileString(ini, "Second", "Empty", "d", 128), "");
    // A buffer of `capacity` bytes keeps capacity - 2 characters, of the value
    // and of the default alike.
    EXPECT_EQ(ReadProfileString(ini, "Second", "Long", "d", 12), std::string(10, 'a'));
    EXPECT_EQ(ReadProfileString(ini, "Second", "Long", "d", 128), std::string(40, 'a'));
    EXPECT_EQ(ReadProfileString(ini, "Second", "Missing", "defaultvalue", 8), "defaul");

    EXPECT_EQ(ReadProfileInt(ini, "Second", "Number", 5), -17);
    EXPECT_EQ(ReadProfileInt(ini, "Second", "Prefix", 5), 25);
    EXPECT_EQ(ReadProfileInt(ini, "Second", "Word", 5), 0);
    EXPECT_EQ(ReadProfileInt(ini, "Second", "Empty", 5), 5);
    EXPECT_EQ(ReadProfileInt(ini, "Second", "Missing", 5), 5);
    EXPECT_EQ(ReadProfileInt(dir + "/missing.ini", "Second", "Number", -3), -3);
}

TEST(Platform, LockExcludesOtherThreads) {
    platform::Lock lock;
    long long shared = 0;  // a plain variable: only the lock keeps the updates whole
    auto work = [&] {
        for (int i = 0; i < 20000; ++i) {
            std::lock_guard<platform::Lock> guard(lock);
            shared = shared + 1;
        }
    };
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) threads.emplace_back(work);
    for (std::thread &t : threads) t.join();
    EXPECT_EQ(shared, 4 * 20000);
}

}  // namespace
}  // namespace zorna

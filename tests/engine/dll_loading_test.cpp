// The Windows libraries as a host loads them: sonic.dll, zornatts_a.dll and
// zornatts.dll by full path from one folder, in that order, each export bound
// by its plain name.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>

namespace {

std::string OwnFolder() {
    char path[MAX_PATH] = {};
    const DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

class Library {
public:
    explicit Library(const std::string &path) : module_(::LoadLibraryA(path.c_str())) {}
    ~Library() {
        if (module_ != nullptr) ::FreeLibrary(module_);
    }
    Library(const Library &) = delete;
    Library &operator=(const Library &) = delete;
    HMODULE get() const { return module_; }
    bool Has(const char *name) const { return ::GetProcAddress(module_, name) != nullptr; }

private:
    HMODULE module_;
};

const char *const kEngineExports[] = {
    "Zorna_New",      "Zorna_Free",        "Zorna_Speak",       "Zorna_Stop",
    "Zorna_Silence",  "Zorna_SetCallback", "Zorna_SetDataPath", "Zorna_SetSpeed",
    "Zorna_SetPitch", "Zorna_SetVolume",   "Zorna_SetPunctuation", "Zorna_GetAudioFormat",
};

const char *const kSonicFunctionsUsed[] = {
    "sonicCreateStream",       "sonicDestroyStream", "sonicSetSpeed",         "sonicSetVolume",
    "sonicWriteShortToStream", "sonicFlushStream",   "sonicReadShortFromStream",
};

TEST(DllLoading, ThreeLibrariesByFullPathWithPlainExportNames) {
    const std::string folder = OwnFolder();
    Library sonic(folder + "sonic.dll");
    ASSERT_NE(sonic.get(), nullptr) << ::GetLastError();
    for (const char *name : kSonicFunctionsUsed) EXPECT_TRUE(sonic.Has(name)) << name;

    Library naming(folder + "zornatts_a.dll");
    ASSERT_NE(naming.get(), nullptr) << ::GetLastError();
    EXPECT_TRUE(naming.Has("Zorna_GetPhonemesChain"));
    EXPECT_FALSE(naming.Has("_Zorna_GetPhonemesChain@20"));
    EXPECT_FALSE(naming.Has("Zorna_GetPhonemesChain@20"));

    Library engine(folder + "zornatts.dll");  // its load hook creates the locks and the Sonic stream
    ASSERT_NE(engine.get(), nullptr) << ::GetLastError();
    for (const char *name : kEngineExports) {
        EXPECT_TRUE(engine.Has(name)) << name;
        EXPECT_FALSE(engine.Has((std::string("_") + name).c_str())) << name;
    }
    EXPECT_FALSE(engine.Has("Zorna_New@8"));
    EXPECT_FALSE(engine.Has("_Zorna_New@8"));
    EXPECT_FALSE(engine.Has("DllMain"));

    // The engine bound the copies already loaded from this folder.
    char bound[MAX_PATH] = {};
    ASSERT_GT(::GetModuleFileNameA(::GetModuleHandleA("zornatts_a.dll"), bound, MAX_PATH), 0u);
    EXPECT_EQ(std::string(bound), folder + "zornatts_a.dll");
    ASSERT_GT(::GetModuleFileNameA(::GetModuleHandleA("sonic.dll"), bound, MAX_PATH), 0u);
    EXPECT_EQ(std::string(bound), folder + "sonic.dll");
}

TEST(DllLoading, EngineWorksThroughItsBoundExports) {
    const std::string folder = OwnFolder();
    Library sonic(folder + "sonic.dll");
    Library naming(folder + "zornatts_a.dll");
    Library engine(folder + "zornatts.dll");
    ASSERT_NE(engine.get(), nullptr);

    using GetFormat = std::int32_t(__stdcall *)(void *);
    using SetDataPath = std::int32_t(__stdcall *)(const char *);
    using Free = std::int32_t(__stdcall *)(void *);
    using GetChain = std::int32_t(__stdcall *)(const char *, std::int32_t, std::int32_t, char *, std::int32_t);
    auto getFormat = reinterpret_cast<GetFormat>(::GetProcAddress(engine.get(), "Zorna_GetAudioFormat"));
    auto setDataPath = reinterpret_cast<SetDataPath>(::GetProcAddress(engine.get(), "Zorna_SetDataPath"));
    auto freeVoice = reinterpret_cast<Free>(::GetProcAddress(engine.get(), "Zorna_Free"));
    auto getChain = reinterpret_cast<GetChain>(::GetProcAddress(naming.get(), "Zorna_GetPhonemesChain"));
    ASSERT_TRUE(getFormat && setDataPath && freeVoice && getChain);

    unsigned char format[18] = {};
    ASSERT_EQ(getFormat(format), 0);
    EXPECT_EQ(format[0] | format[1] << 8, 1);       // PCM
    EXPECT_EQ(format[2] | format[3] << 8, 1);       // one channel
    EXPECT_EQ(format[4] | format[5] << 8 | format[6] << 16, 22050);
    EXPECT_EQ(format[14] | format[15] << 8, 16);    // bits per sample

    EXPECT_EQ(setDataPath(folder.c_str()), 0);
    EXPECT_EQ(setDataPath((folder + "zornatts.dll").c_str()), 1);  // a file, not a folder
    EXPECT_EQ(freeVoice(nullptr), 1);

    char out[350] = {};
    const std::int32_t n = getChain("\xEC\xE0", 1, 0, out, sizeof out);  // "ма" in code page 1251, from its first letter
    ASSERT_GT(n, 0);
    EXPECT_EQ(out[0], ' ');
    EXPECT_NE(std::string(out).find('='), std::string::npos) << out;
}

}  // namespace

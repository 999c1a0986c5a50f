// The settings file: defaults, integer and text reads, the regional number format.
#include "config.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "fixture_voice.h"
#include "library_state.h"

namespace zorna {
namespace {

// Points the settings location at a fresh folder holding the given file text
// (no file at all when text is null) for the life of the object.
class SettingsFile {
public:
    explicit SettingsFile(const char *text) {
        dir_ = testing::MakeTempDir("settings");
        testing::SetEnv("APPDATA", dir_);
        if (text != nullptr) {
            testing::MakeDir(dir_ + "/ZornaTts");
            testing::WriteFile(dir_ + "/ZornaTts/zornatts.ini", text);
        }
    }
    ~SettingsFile() { testing::UnsetEnv("APPDATA"); }

private:
    std::string dir_;
};

class RegionalFormat {
public:
    RegionalFormat(const char *decimal, const char *thousands) : saved_(Library().NumberFormat) {
        Library().NumberFormat = {decimal, thousands};
    }
    ~RegionalFormat() { Library().NumberFormat = saved_; }

private:
    platform::NumberFormat saved_;
};

TEST(Settings, DefaultsWithoutAFile) {
    SettingsFile none(nullptr);
    for (const char *decimal : {".", ","}) {
        RegionalFormat format(decimal, decimal[0] == '.' ? "," : "\xA0");
        const Settings s = ReadSettings();
        EXPECT_EQ(s.WhitespacePause, 0);
        EXPECT_EQ(s.PunctuationPause, 300);
        EXPECT_EQ(s.PrepositionPause, 0);
        EXPECT_EQ(s.SentencePause, 700);
        // Missing decimal keys give 1.0 under every regional format.
        EXPECT_FLOAT_EQ(s.Speed, 1.0f) << decimal;
        EXPECT_FLOAT_EQ(s.Volume, 1.0f) << decimal;
        EXPECT_FLOAT_EQ(s.Pitch, 1.0f) << decimal;
        EXPECT_EQ(s.Punctuation, 0);
    }
}

TEST(Settings, ValuesOfTheFile) {
    SettingsFile file(
        "; user settings\n"
        "[Other]\nSentencePause=1\n"
        "[settings]\n"
        "WhitespacePause = 15\n"
        "PunctuationPause=-40\n"
        "PrepositionPause=12abc\n"
        "SentencePause=abc\n"
        "Speed=\n"
        "Volume=0.5\n"
        "Punctuation=all\n");
    RegionalFormat format(".", ",");
    const Settings s = ReadSettings();
    EXPECT_EQ(s.WhitespacePause, 15);
    EXPECT_EQ(s.PunctuationPause, -40);
    EXPECT_EQ(s.PrepositionPause, 12);
    EXPECT_EQ(s.SentencePause, 0);  // not an integer: 0, not the default
    EXPECT_FLOAT_EQ(s.Speed, 1.0f); // empty: 1.0
    EXPECT_FLOAT_EQ(s.Volume, 0.5f);
    EXPECT_EQ(s.Punctuation, 3);
}

TEST(Settings, PunctuationWordsAreCaseSensitive) {
    struct Case {
        const char *word;
        std::uint8_t level;
    } cases[] = {{"none", 0}, {"some", 1}, {"most", 2}, {"all", 3}, {"All", 0}, {"MOST", 0}, {"", 0}, {"alll", 0}};
    for (const Case &c : cases) EXPECT_EQ(PunctuationLevelFromWord(c.word), c.level) << c.word;
}

TEST(Settings, DecimalNumbersFollowTheRegionalFormat) {
    struct Case {
        const char *text;
        const char *decimal;
        const char *thousands;
        bool converts;
        float value;
    } cases[] = {
        {"1.5", ".", ",", true, 1.5f},     {"1,5", ".", ",", false, 0},   // comma is the thousands separator
        {"1,5", ",", "\xA0", true, 1.5f},  {"1.5", ",", "\xA0", false, 0},
        {" 2 ", ".", ",", true, 2.0f},     {"\t-0.25\r", ".", ",", true, -0.25f},
        {"1e1", ".", ",", true, 10.0f},    {"1.5.1", ".", ",", false, 0},
        {"1,5,1", ",", " ", false, 0},     // only the first separator becomes a point
        {"abc", ".", ",", false, 0},       {".", ".", ",", false, 0},
        {"1 000", ",", " ", false, 0},     {"inf", ".", ",", false, 0},
        {"nan", ".", ",", false, 0},       {"0x10", ".", ",", false, 0},
    };
    for (const Case &c : cases) {
        float value = -99;
        const bool ok = ConvertRegionalFloat(c.text, {c.decimal, c.thousands}, value);
        EXPECT_EQ(ok, c.converts) << c.text << " with " << c.decimal;
        if (c.converts) EXPECT_FLOAT_EQ(value, c.value) << c.text;
    }
}

TEST(Settings, SpeedUnderTwoRegionalFormats) {
    struct Case {
        const char *file;
        const char *decimal;
        float speed;
    } cases[] = {
        {"[Settings]\nSpeed=1,5\n", ",", 1.5f},
        {"[Settings]\nSpeed=1,5\n", ".", 1.0f},
        {"[Settings]\nSpeed=1.5\n", ".", 1.5f},
        {"[Settings]\nSpeed=1.5\n", ",", 1.0f},
    };
    for (const Case &c : cases) {
        SettingsFile file(c.file);
        RegionalFormat format(c.decimal, c.decimal[0] == ',' ? "\xA0" : ",");
        EXPECT_FLOAT_EQ(ReadSettings().Speed, c.speed) << c.file << " under " << c.decimal;
    }
}

TEST(Settings, TextValuesKeepTheirFirst126Characters) {
    const std::string digits = "1" + std::string(125, '0');  // 126 characters
    SettingsFile file(("[Settings]\nVolume=0.000" + std::string(130, '0') + "5\nPunctuation=" + digits + "9\n")
                          .c_str());
    RegionalFormat format(".", ",");
    TConfig config("zornatts.ini");
    EXPECT_EQ(config.ReadString("Settings", "Punctuation", "none"), digits);
    // The "5" beyond the cut is lost: what remains is 0.000...0, which is zero.
    EXPECT_FLOAT_EQ(config.ReadFloat("Settings", "Volume", 1.0f), 0.0f);
}

#ifdef _WIN32
// Restores an environment variable to what it was when the object was made.
class SavedVariable {
public:
    explicit SavedVariable(const char *name) : name_(name) {
        const char *value = std::getenv(name);
        present_ = value != nullptr;
        if (present_) value_ = value;
    }
    ~SavedVariable() {
        if (present_)
            testing::SetEnv(name_, value_);
        else
            testing::UnsetEnv(name_);
    }

private:
    std::string name_, value_;
    bool present_ = false;
};

TEST(Settings, RegionalFormatIsTheUserDefaultLocales) {
    // The system's own formatting of a number shows the user's separators:
    // "1,234,567.50" under English (United States), "1 234 567,50" under Russian.
    char text[64] = {};
    ASSERT_GT(::GetNumberFormatA(LOCALE_USER_DEFAULT, 0, "1234567.5", nullptr, text, sizeof text), 0);
    std::vector<std::string> separators;
    for (const char *p = text; *p != '\0';) {
        if (*p >= '0' && *p <= '9') {
            ++p;
            continue;
        }
        std::string run;
        while (*p != '\0' && !(*p >= '0' && *p <= '9')) run += *p++;
        separators.push_back(run);
    }
    ASSERT_GE(separators.size(), 2u) << text;
    const platform::NumberFormat format = platform::UserNumberFormat();
    EXPECT_EQ(format.decimalSeparator, separators.back()) << text;
    EXPECT_EQ(format.thousandsSeparator, separators.front()) << text;
    // The library took the same format when it was loaded.
    EXPECT_EQ(Library().NumberFormat.decimalSeparator, separators.back());
    EXPECT_EQ(Library().NumberFormat.thousandsSeparator, separators.front());
}

TEST(Settings, LocationOnWindows) {
    SavedVariable saved("APPDATA");
    testing::SetEnv("AppData", "C:\\x\\app");  // the variable's name is matched without regard to case
    EXPECT_EQ(platform::SettingsFilePath("zornatts.ini"), "C:\\x\\app\\ZornaTts\\zornatts.ini");
    testing::UnsetEnv("APPDATA");
    // No fallback: the folder at the root of the current drive.
    EXPECT_EQ(platform::SettingsFilePath("zornatts.ini"), "\\ZornaTts\\zornatts.ini");
}

#else
TEST(Settings, RegionalFormatComesFromTheEnvironmentLocale) {
    struct Case {
        const char *locale;
        const char *decimal;
    } cases[] = {{"ru_RU.UTF-8", ","}, {"en_US.UTF-8", "."}, {"C", "."}};
    for (const Case &c : cases) {
        testing::SetEnv("LC_ALL", c.locale);
        const platform::NumberFormat format = platform::UserNumberFormat();
        if (std::string(c.locale) != "C" && format.decimalSeparator == "." && std::string(c.decimal) == ",") {
            GTEST_SKIP() << c.locale << " is not installed";
        }
        EXPECT_EQ(format.decimalSeparator, c.decimal) << c.locale;
    }
    testing::UnsetEnv("LC_ALL");
}

TEST(Settings, LocationOnPosix) {
    testing::SetEnv("APPDATA", "/x/app");
    EXPECT_EQ(platform::SettingsFilePath("zornatts.ini"), "/x/app/ZornaTts/zornatts.ini");
    testing::UnsetEnv("APPDATA");
    testing::SetEnv("XDG_CONFIG_HOME", "/x/xdg");
    EXPECT_EQ(platform::SettingsFilePath("zornatts.ini"), "/x/xdg/ZornaTts/zornatts.ini");
    testing::UnsetEnv("XDG_CONFIG_HOME");
    const char *home = std::getenv("HOME");
    const std::string savedHome = home != nullptr ? home : "";
    testing::SetEnv("HOME", "/x/home");
    EXPECT_EQ(platform::SettingsFilePath("zornatts.ini"), "/x/home/.config/ZornaTts/zornatts.ini");
    testing::SetEnv("HOME", savedHome);
}

#endif

}  // namespace
}  // namespace zorna

// The engine's C interface, through the shared library as callers see it.
#include <gtest/gtest.h>
#include <cstdlib>
#include <cstring>

#include "fixture_voice.h"
#include "recorder.h"
#include "zornatts/zornatts.h"

namespace {

using zorna::testing::FixtureUnit;
using zorna::testing::MakeTempDir;
using zorna::testing::Recorder;
using zorna::testing::WriteFile;

// A data path with one tiny voice "fix" and both dictionaries.
std::string MakeDataPath() {
    const std::string root = MakeTempDir("exports");
    const std::string voice = root + "/data/fix";
    zorna::testing::MakeDir(root + "/data");
    zorna::testing::MakeDir(voice);
    zorna::testing::WriteVoice(voice, {zorna::testing::ConstantUnit("а", 100, 8)});
    zorna::testing::WriteDictionary(voice + "/slovar.rus", {{"мама", "ма+ма"}});
    zorna::testing::WriteDictionary(voice + "/slovar.ukr", {{"мама", "ма+ма"}});
    return root;
}

void UseSettings(const char *text) {
    static std::string dir = MakeTempDir("settings");
    zorna::testing::SetEnv("APPDATA", dir);
    zorna::testing::MakeDir(dir + "/ZornaTts");
    const std::string file = dir + "/ZornaTts/zornatts.ini";
    if (text == nullptr)
        std::remove(file.c_str());
    else
        WriteFile(file, text);
}

TEST(Exports, EveryFunctionRefusesANullHandle) {
    char text[] = "a";
    EXPECT_EQ(Zorna_Free(nullptr), 1);
    EXPECT_EQ(Zorna_Speak(nullptr, text, nullptr), 1);
    EXPECT_EQ(Zorna_Stop(nullptr), 1);
    EXPECT_EQ(Zorna_Silence(nullptr, 10, nullptr), 1);
    EXPECT_EQ(Zorna_SetCallback(nullptr, &Recorder::Callback), 1);
    EXPECT_EQ(Zorna_SetSpeed(nullptr, 10), 1);
    EXPECT_EQ(Zorna_SetPitch(nullptr, 10), 1);
    EXPECT_EQ(Zorna_SetVolume(nullptr, 10), 1);
    EXPECT_EQ(Zorna_SetPunctuation(nullptr, 3), 1);
    EXPECT_EQ(Zorna_GetAudioFormat(nullptr), 1);
    EXPECT_EQ(Zorna_SetDataPath(nullptr), 1);
}

TEST(Exports, AudioFormatIsPcm16MonoAt22050) {
    unsigned char record[ZORNA_AUDIO_FORMAT_SIZE + 2];
    std::memset(record, 0xEE, sizeof record);
    ASSERT_EQ(Zorna_GetAudioFormat(record), 0);
    const unsigned char expected[ZORNA_AUDIO_FORMAT_SIZE] = {1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x44, 0xAC,
                                                             0, 0, 2, 0, 16, 0, 0, 0};
    EXPECT_EQ(std::memcmp(record, expected, sizeof expected), 0);
    EXPECT_EQ(record[18], 0xEE) << "nothing written past the 18 bytes";
}

TEST(Exports, DataPathMustBeAnExistingDirectory) {
    const std::string root = MakeDataPath();
    UseSettings(nullptr);
    ASSERT_EQ(Zorna_SetDataPath(root.c_str()), 0);
    EXPECT_EQ(Zorna_SetDataPath((root + "/data/fix/alfa.wav").c_str()), 1);
    EXPECT_EQ(Zorna_SetDataPath((root + "/missing").c_str()), 1);
    EXPECT_EQ(Zorna_SetDataPath(""), 1);
    // The earlier path is still in force.
    TZornaHandle voice = Zorna_New("fix", "ru");
    ASSERT_NE(voice, nullptr);
    EXPECT_EQ(Zorna_Free(voice), 0);
    EXPECT_EQ(Zorna_New("nosuchvoice", "ru"), nullptr);
}

TEST(Exports, NewFailsWithoutDictionaryOrUnits) {
    const std::string root = MakeDataPath();
    UseSettings(nullptr);
    ASSERT_EQ(Zorna_SetDataPath(root.c_str()), 0);
    std::remove((root + "/data/fix/slovar.ukr").c_str());
    EXPECT_EQ(Zorna_New("fix", "uk"), nullptr);
    TZornaHandle ru = Zorna_New("fix", "ru");
    EXPECT_NE(ru, nullptr);
    Zorna_Free(ru);
    std::remove((root + "/data/fix/alfa.tx").c_str());
    EXPECT_EQ(Zorna_New("fix", "ru"), nullptr);
}

class Instance : public ::testing::Test {
protected:
    void SetUp() override {
        UseSettings(nullptr);
        ASSERT_EQ(Zorna_SetDataPath(MakeDataPath().c_str()), 0);
        voice = Zorna_New("fix", "ru");
        ASSERT_NE(voice, nullptr);
    }
    void TearDown() override { Zorna_Free(voice); }
    TZornaHandle voice = nullptr;
    Recorder recorder;
};

TEST_F(Instance, SilenceIsExactAndBypassesEverything) {
    char text[] = "";
    EXPECT_EQ(Zorna_Silence(voice, 10, &recorder), 1) << "no callback yet";
    EXPECT_EQ(Zorna_Speak(voice, text, &recorder), 1) << "no callback yet";
    EXPECT_TRUE(recorder.deliveries.empty());
    ASSERT_EQ(Zorna_SetCallback(voice, &Recorder::Callback), 0);
    Zorna_SetSpeed(voice, 201);
    Zorna_Stop(voice);  // not consulted by silence
    struct Case {
        std::int32_t ms;
        std::int32_t status;
        std::size_t bytes;  // 0: no callback at all
    } cases[] = {{10, 0, 441}, {20, 0, 882}, {0, 0, 0}, {-10, 1, 0}, {1000, 0, 44100}, {60000, 0, 2646000}};
    for (const Case &c : cases) {
        recorder.deliveries.clear();
        EXPECT_EQ(Zorna_Silence(voice, c.ms, &recorder), c.status) << c.ms;
        if (c.bytes == 0) {
            EXPECT_TRUE(recorder.deliveries.empty()) << c.ms;
            continue;
        }
        ASSERT_EQ(recorder.deliveries.size(), 1u) << c.ms;
        EXPECT_EQ(recorder.deliveries[0].audio, std::vector<std::uint8_t>(c.bytes, 0)) << c.ms;
    }
}

TEST_F(Instance, LongSilenceComesInMinuteLongCallsWithoutOverflow) {
    ASSERT_EQ(Zorna_SetCallback(voice, &Recorder::Callback), 0);
    // 150 s: two minutes in two calls, then the rest.
    ASSERT_EQ(Zorna_Silence(voice, 150000, &recorder), 0);
    ASSERT_EQ(recorder.deliveries.size(), 3u);
    EXPECT_EQ(recorder.deliveries[0].audio.size(), 2646000u);
    EXPECT_EQ(recorder.AudioBytes(), 6615000u);
    EXPECT_EQ(recorder.badCalls, 0);
}

TEST_F(Instance, SettersAcceptAnyValueAndEmptyTextSaysNothing) {
    ASSERT_EQ(Zorna_SetCallback(voice, &Recorder::Callback), 0);
    for (std::int32_t v : {0, 1, 100, 201, -5, 2147483647, -2147483647 - 1}) {
        EXPECT_EQ(Zorna_SetSpeed(voice, v), 0);
        EXPECT_EQ(Zorna_SetVolume(voice, v), 0);
        EXPECT_EQ(Zorna_SetPitch(voice, v), 0);
        EXPECT_EQ(Zorna_SetPunctuation(voice, v), 0);
    }
    char empty[] = "";
    EXPECT_EQ(Zorna_Speak(voice, empty, &recorder), 0);
    EXPECT_EQ(Zorna_Speak(voice, nullptr, &recorder), 0);
    EXPECT_TRUE(recorder.deliveries.empty());
}

TEST(Exports, PausesComeFromTheLatestInstance) {
    const std::string root = MakeDataPath();
    ASSERT_EQ(Zorna_SetDataPath(root.c_str()), 0);
    UseSettings("[Settings]\nSentencePause=0\nPunctuationPause=0\nWhitespacePause=0\n");
    TZornaHandle first = Zorna_New("fix", "ru");
    ASSERT_NE(first, nullptr);
    Recorder recorder;
    Zorna_SetCallback(first, &Recorder::Callback);
    char text[] = ". . .";
    ASSERT_EQ(Zorna_Speak(first, text, &recorder), 0);
    EXPECT_EQ(recorder.AudioBytes(), 0u);
    UseSettings("[Settings]\nSentencePause=500\n");
    TZornaHandle second = Zorna_New("fix", "ru");
    ASSERT_NE(second, nullptr);
    recorder.deliveries.clear();
    ASSERT_EQ(Zorna_Speak(first, text, &recorder), 0);
    // 500 ms of separators through the stream at speed 1: 22050 bytes.
    EXPECT_EQ(recorder.AudioBytes(), 22050u);
    Zorna_Free(second);
    Zorna_Free(first);
}

}  // namespace

// The speaking loop end to end over a fixture voice whose units identify
// themselves by their samples, with the Sonic stream out of the way so that
// every piece reaches the callback exactly as played.
#include "speak_text.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <future>
#include <map>
#include <random>
#include <sstream>
#include <thread>

#include "audio_output.h"
#include "fixture_voice.h"
#include "frontend/cp1251.h"
#include "library_state.h"
#include "voice.h"
#include "zornatts/zornatts.h"

namespace zorna {
namespace {

using testing::ConstantUnit;
using testing::FixtureUnit;
using testing::MakeTempDir;

// Units of the fixture voice: name and the sample value that identifies it.
const std::vector<std::pair<std::string, std::int16_t>> kUnitNames = {
    {"ма+", 101}, {"ма", 102},  {"мы+", 103}, {"ла", 104},  {"до+", 105},  {"м", 106},   {"ко+", 107},
    {"т", 108},   {"вдо+", 109}, {"ме", 110},  {"не+", 111}, {"да", 112},   {"кто+", 113}, {"та", 114},
    {"-", 115},   {";", 116},   {"!", 117},   {"(п)а", 118}, {"а", 119},    {"о", 120},    {"д", 121},
    {"к", 122},   {"н", 123},   {"в", 124},   {"э", 125},   {"ы", 126},    {"е", 127},    {"п", 128},
    {"я", 129},   {"ц", 130},   {"ч", 131},   {"и", 132},   {"с", 133},    {"ш", 134},    {"р", 135},
    {"л", 136},   {"ба+", 137}, {"б", 138},   {"у", 139},   {"з", 140},    {"ь", 141},    {"ть", 142},
};
constexpr int kUnitSamples = 600;  // 300 four-byte units: three pieces of 100 for a three-letter stressed name

std::string MakeVoice(const std::string &tag, std::vector<FixtureUnit> units = {}) {
    const std::string root = MakeTempDir(tag);
    const std::string dir = root + "/data/fix";
    ::mkdir((root + "/data").c_str(), 0755);
    ::mkdir(dir.c_str(), 0755);
    if (units.empty())
        for (const auto &[name, value] : kUnitNames) units.push_back(ConstantUnit(name, value, kUnitSamples));
    testing::WriteVoice(dir, units);
    const std::vector<std::pair<std::string, std::string>> dictionary = {
        {"мама", "ма+ма"}, {"мыла", "мы+ла"}, {"дом", "до+м"}, {"доме", "до+ме"}, {"кот", "ко+т"},
        {"нет", "не+т"},   {"кто", "кто+"},   {"ба", "ба+"},
    };
    testing::WriteDictionary(dir + "/slovar.rus", dictionary);
    testing::WriteDictionary(dir + "/slovar.ukr", dictionary);
    return root;
}

void UseNoSettings() {
    static const std::string dir = MakeTempDir("nosettings");
    ::setenv("APPDATA", dir.c_str(), 1);
}

// What the callback saw, one token per call: "E<offset>,<length>" for a word
// event, the unit's name for a piece of it, "P<ms>" for a pause.
struct Trace {
    TVoice *voice = nullptr;
    std::vector<std::string> tokens;
    std::vector<std::pair<float, float>> offsets;  // speed and volume offsets per piece
    std::vector<std::size_t> pieceBytes;

    static std::int32_t ZORNA_CALL Callback(const void *data, std::int32_t count, const TSpeechEvent *event,
                                            void *context) {
        auto *self = static_cast<Trace *>(context);
        if (event != nullptr) {
            self->tokens.push_back("E" + std::to_string(event->Offset) + "," + std::to_string(event->Length));
            return 0;
        }
        const auto *samples = static_cast<const std::int16_t *>(data);
        const std::int16_t value = count >= 2 ? samples[0] : 0;
        std::string token;
        if (value == 0) {
            token = "P" + std::to_string(count * 1000 / 44100);
        } else {
            for (const auto &[name, v] : kUnitNames)
                if (v == value) token = name;
            if (token.empty()) token = "?" + std::to_string(value);
        }
        self->tokens.push_back(token);
        self->offsets.emplace_back(self->voice->SpeedOffset, self->voice->VolumeOffset);
        self->pieceBytes.push_back(static_cast<std::size_t>(count));
        return 0;
    }

    std::string Text() const {
        std::string s;
        for (const std::string &t : tokens) s += (s.empty() ? "" : " ") + t;
        return s;
    }
};

class SpeakingLoop : public ::testing::Test {
protected:
    void SetUp() override {
        UseNoSettings();
        SetSonicStreamForTesting(false);
        ResetIntonationForTesting();
        ASSERT_EQ(Zorna_SetDataPath(MakeVoice("loop").c_str()), 0);
        Open("ru");
    }
    void TearDown() override {
        Zorna_Free(handle);
        SetSonicStreamForTesting(true);
    }
    void Open(const char *language) {
        if (handle != nullptr) Zorna_Free(handle);
        handle = Zorna_New("fix", language);
        ASSERT_NE(handle, nullptr);
        voice = reinterpret_cast<TVoice *>(handle);
        Zorna_SetCallback(handle, &Trace::Callback);
        trace.voice = voice;
    }
    std::string Speak(const std::string &utf8) {
        trace = Trace{voice};
        const std::string text = Cp(utf8);
        EXPECT_EQ(Zorna_Speak(handle, text.c_str(), &trace), 0) << utf8;
        return trace.Text();
    }

    TZornaHandle handle = nullptr;
    TVoice *voice = nullptr;
    Trace trace;
};

TEST_F(SpeakingLoop, EventsUnitsAndPausesInOrder) {
    struct Case {
        const char *text;
        const char *expected;
    } cases[] = {
        // A stressed three-letter unit plays as three pieces.
        {"мама мыла", "E0,4 ма+ ма+ ма+ ма E5,4 мы+ мы+ мы+ ла"},
        // Comma: its sign unit, then the punctuation pause; full stop: the sentence pause.
        {"дом, кот", "E0,3 до+ до+ до+ м ; P300 E5,3 ко+ ко+ ко+ т"},
        {"дом. Кот", "E0,3 до+ до+ до+ м P700 E5,3 ко+ ко+ ко+ т"},
        // Separators at both ends play their pause before the first event and at the end.
        {". дом.", "P700 E2,3 до+ до+ до+ м P700"},
        // Quotation marks have no pause of their own.
        {"\"дом\" кот", "E1,3 до+ до+ до+ м E6,3 ко+ ко+ ко+ т"},
        // After a preposition only the last separator counts (the space: 0 ms),
        // and the preposition is glued to the next word.
        {"да, нет", "E0,2 ; E4,3 да не+ не+ не+ т"},
        {"в доме.", "E0,1 E2,4 вдо+ вдо+ вдо+ вдо+ ме P700"},
    };
    for (const Case &c : cases) EXPECT_EQ(Speak(c.text), c.expected) << c.text;
}

TEST_F(SpeakingLoop, HyphensBetweenAndInsideWords) {
    struct Case {
        const char *text;
        const char *expected;
    } cases[] = {
        // A free-standing hyphen is a phrase of its own, voiced by its sign unit.
        {"дом - кот", "E0,3 до+ до+ до+ м E4,1 - E6,3 ко+ ко+ ко+ т"},
        // After a digit or a Latin letter a hyphen ends the word (and is the
        // phrase's closing character, voiced by its sign unit).
        {"1-2", "E0,1 а д и и н - E2,1 д в а а"},
        {"ab-ba", "E0,2 а б - E3,2 б (п)а"},
        // Inside a Cyrillic word it stays: кто-то is one phrase, "то" read "та".
        {"кто-то", "E0,6 кто+ кто+ кто+ кто+ - та"},
        // Only hyphens: the loop still ends. The count carries from a word into
        // the separators after it, so a second hyphen is a separator.
        {"---", "E0,1 - -"},
        {"- - -", "E0,1 -"},
    };
    for (const Case &c : cases) EXPECT_EQ(Speak(c.text), c.expected) << c.text;
}

TEST_F(SpeakingLoop, LongRunsAreCutAt350Characters) {
    Speak(std::string(400, 'x'));
    std::vector<std::string> events;
    for (const std::string &t : trace.tokens)
        if (t[0] == 'E') events.push_back(t);
    EXPECT_EQ(events, (std::vector<std::string>{"E0,350", "E350,50"}));
    // A phonetic text beyond 255 characters is voiced up to its 255th.
    Speak(std::string(300, 'a'));
    std::size_t pieces = 0;
    for (const std::string &t : trace.tokens) pieces += t == "а" ? 1 : 0;
    EXPECT_GT(pieces, 0u);
    EXPECT_LE(pieces, 255u);
}

}  // namespace
}  // namespace zorna

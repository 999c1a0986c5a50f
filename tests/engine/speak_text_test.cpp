// The speaking loop end to end over a fixture voice whose units identify
// themselves by their samples, with the Sonic stream out of the way so that
// every piece reaches the callback exactly as played.
#include "speak_text.h"

#include <gtest/gtest.h>
#include <atomic>
#include <future>
#include <map>
#include <mutex>
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
    testing::MakeDir(root + "/data");
    testing::MakeDir(dir);
    if (units.empty())
        for (const auto &[name, value] : kUnitNames) units.push_back(ConstantUnit(name, value, kUnitSamples));
    testing::WriteVoice(dir, units);
    const std::vector<std::pair<std::string, std::string>> dictionary = {
        {"мама", "ма+ма"}, {"мыла", "мы+ла"}, {"дом", "до+м"}, {"доме", "до+ме"}, {"кот", "ко+т"},
        {"нет", "не+т"},   {"кто", "кто+"},   {"ба", "ба+"},    {"бама", "ба+ма"},
    };
    testing::WriteDictionary(dir + "/slovar.rus", dictionary);
    testing::WriteDictionary(dir + "/slovar.ukr", dictionary);
    return root;
}

void UseNoSettings() {
    static const std::string dir = MakeTempDir("nosettings");
    testing::SetEnv("APPDATA", dir);
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
        // At the very end its phonetic text is the hyphen alone, which the
        // word scan has already counted: not a word character, so nothing plays.
        {"дом -", "E0,3 до+ до+ до+ м E4,1"},
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

TEST_F(SpeakingLoop, OnlyTheExactLanguageTextUkSelectsUkrainian) {
    struct Case {
        const char *language;
        std::uint8_t code;
    } cases[] = {{"uk", 3}, {"UK", 2}, {"ua", 2}, {"ru", 2}, {"", 2}, {"uk ", 2}};
    for (const Case &c : cases) {
        Open(c.language);
        EXPECT_EQ(voice->Processor->GetLanguage(), c.code) << c.language;
    }
    // The language shows in speech: a lone "и" is named "и+" in Russian, "ы+" in
    // Ukrainian (the vowel, then its steady stressed part).
    Open("uk");
    EXPECT_EQ(Speak("и"), "E0,1 ы ы");
    Open("ru");
    EXPECT_EQ(Speak("и"), "E0,1 и и");
}

// The intonation table as the loop must apply it to the draw r.
float ExpectedOffset(double r, bool stressed, int endMark, float current) {
    if (stressed && endMark == 4) return r >= 8 ? -0.25f : r >= 5 ? -0.2f : r > 3 ? -0.25f : -0.15f;
    if (!stressed && endMark == 0) return r >= 8 ? 0.0f : r >= 5 ? -0.1f : r > 3 ? -0.1f : 0.0f;
    return current;
}

TEST_F(SpeakingLoop, StressedUnitsPlayInPiecesWithTheIntonationOfTheirDraws) {
    ASSERT_EQ(Zorna_SetDataPath(MakeVoice("pieces", {ConstantUnit("ба+", 137, 600), ConstantUnit("ма", 102, 200),
                                                      ConstantUnit("кто+", 113, 706), ConstantUnit("та", 114, 20),
                                                      ConstantUnit("-", 115, 20)})
                                      .c_str()),
              0);
    Open("ru");
    std::mt19937 draws(0);
    auto r = [&] { return 10.0 * static_cast<double>(draws()) / 4294967296.0; };

    // "ба+ма ": ends in a space (end mark 4). ба+ is 300 units: three pieces of
    // 100 (400 bytes); only the third, its "+", is stressed. ма follows the
    // stressed unit: speed and volume 0.2 lower.
    EXPECT_EQ(Speak("бама"), "E0,4 ба+ ба+ ба+ ма");
    const double r1 = r(), r2 = r(), r3 = r();
    (void)r1;
    (void)r2;
    const std::vector<std::pair<float, float>> expected = {
        {0.0f, 0.0f}, {0.0f, 0.0f}, {ExpectedOffset(r3, true, 4, 0.0f), 0.0f}, {-0.2f, -0.2f}};
    EXPECT_EQ(trace.offsets, expected);
    EXPECT_EQ(trace.pieceBytes, (std::vector<std::size_t>{400, 400, 400, 400}));

    // "кто+-та": the particle rule leaves a word character last (end mark 0).
    // кто+ is 353 units: four pieces of 88, the last 1 unit not played;
    // unstressed pieces take the table's end-mark-0 column.
    EXPECT_EQ(Speak("кто-то"), "E0,6 кто+ кто+ кто+ кто+ - та");
    std::vector<std::pair<float, float>> expectedParticle;
    float speed = 0.0f;
    for (int piece = 1; piece <= 4; ++piece) {
        speed = ExpectedOffset(r(), piece == 4, 0, speed);
        expectedParticle.emplace_back(speed, 0.0f);
    }
    expectedParticle.emplace_back(-0.2f, -0.2f);
    expectedParticle.emplace_back(-0.2f, -0.2f);
    EXPECT_EQ(trace.offsets, expectedParticle);
    EXPECT_EQ(trace.pieceBytes, (std::vector<std::size_t>{352, 352, 352, 352, 40, 40}));
}

TEST_F(SpeakingLoop, AStressedUnitShorterThanItsNameHasPiecesOfLengthZero) {
    ASSERT_EQ(Zorna_SetDataPath(
                  MakeVoice("zero", {ConstantUnit("ба+", 137, 4), ConstantUnit("ма", 102, 200)}).c_str()),
              0);
    Open("ru");
    EXPECT_EQ(Speak("бама"), "E0,4 ма");
    EXPECT_EQ(trace.offsets, (std::vector<std::pair<float, float>>{{-0.2f, -0.2f}}));
    // Through the stream too: the empty pieces are flushes, nothing is lost.
    SetSonicStreamForTesting(true);
    Speak("бама");
    std::size_t bytes = 0;
    for (std::size_t b : trace.pieceBytes) bytes += b;
    EXPECT_GT(bytes, 0u);
}

TEST_F(SpeakingLoop, UnitsPastTheEndOfTheAudioFilePlayOnlyWhatTheFileHolds) {
    const std::string root = MakeVoice("clip", {ConstantUnit("ма", 102, 200)});
    // Rewrite the table: ма starts 60 units in and claims 100 (the file has 100).
    testing::WriteFile(root + "/data/fix/alfa.tx", testing::Record(Cp("ма")) + testing::Record("60") +
                                                       testing::Record("100"));
    ASSERT_EQ(Zorna_SetDataPath(root.c_str()), 0);
    Open("ru");
    EXPECT_EQ(Speak("ма"), "E0,2 ма");
    EXPECT_EQ(trace.pieceBytes, (std::vector<std::size_t>{160}));
}

TEST_F(SpeakingLoop, AMalformedOffsetEndsTheCallWithFailureAndTheInstanceStaysUsable) {
    const std::string root = MakeVoice("bad", {ConstantUnit("ма", 102, 200), ConstantUnit("до+", 105, 600)});
    testing::WriteFile(root + "/data/fix/alfa.tx",
                       testing::Record(Cp("до+")) + testing::Record("100") + testing::Record("300") +
                           testing::Record(Cp("ма")) + testing::Record("zero") + testing::Record("100"));
    ASSERT_EQ(Zorna_SetDataPath(root.c_str()), 0);
    Open("ru");
    trace = Trace{voice};
    std::string text = Cp("дом мама дом");
    EXPECT_EQ(Zorna_Speak(handle, text.c_str(), &trace), 1);
    EXPECT_EQ(trace.Text(), "E0,3 до+ до+ до+ E4,4") << "what came before the failure stays delivered";
    EXPECT_EQ(Speak("дом"), "E0,3 до+ до+ до+");
}

// Stops from another thread while the third piece of audio is being delivered.
struct StopProbe {
    std::promise<void> reached;
    std::promise<void> stopped;
    std::shared_future<void> stoppedFuture = stopped.get_future().share();
    int audioCalls = 0;
    bool stopDone = false;
    int deliveredAfterStop = 0;

    static std::int32_t ZORNA_CALL Callback(const void *, std::int32_t, const TSpeechEvent *event, void *context) {
        auto *self = static_cast<StopProbe *>(context);
        if (self->stopDone) {
            ++self->deliveredAfterStop;
            return 0;
        }
        if (event == nullptr && ++self->audioCalls == 3) {
            self->reached.set_value();
            self->stoppedFuture.wait();
            self->stopDone = true;
        }
        return 0;
    }
};

TEST_F(SpeakingLoop, StopFromAnotherThreadEndsTheTextAndNotTheNext) {
    SetSonicStreamForTesting(true);
    std::string text;
    for (int i = 0; i < 40; ++i) text += "мама мыла, дом. ";
    const std::string cp = Cp(text);
    Zorna_SetCallback(handle, &StopProbe::Callback);
    StopProbe probe;
    std::thread stopper([&] {
        probe.reached.get_future().wait();
        EXPECT_EQ(Zorna_Stop(handle), 0);
        probe.stopped.set_value();
    });
    EXPECT_EQ(Zorna_Speak(handle, cp.c_str(), &probe), 0);
    stopper.join();
    EXPECT_TRUE(probe.stopDone);
    EXPECT_EQ(probe.deliveredAfterStop, 0) << "nothing more after the stop, not even the flush";
    // The next text is spoken whole (passed straight through, to name its pieces).
    SetSonicStreamForTesting(false);
    Zorna_SetCallback(handle, &Trace::Callback);
    EXPECT_EQ(Speak("мама мыла"), "E0,4 ма+ ма+ ма+ ма E5,4 мы+ мы+ мы+ ла");
    // A stop while idle does not carry over either.
    Zorna_Stop(handle);
    EXPECT_EQ(Speak("мама"), "E0,4 ма+ ма+ ма+ ма");
}

// Which instance each callback came from, in the order the callbacks came.
struct Interleave {
    std::mutex lock;
    std::string order;
    std::map<char, std::vector<std::uint8_t>> audio;
};
struct Tagged {
    Interleave *log;
    char tag;
    static std::int32_t ZORNA_CALL Callback(const void *data, std::int32_t count, const TSpeechEvent *, void *context) {
        auto *self = static_cast<Tagged *>(context);
        std::lock_guard<std::mutex> guard(self->log->lock);
        if (self->log->order.empty() || self->log->order.back() != self->tag) self->log->order += self->tag;
        if (data != nullptr) {
            const auto *b = static_cast<const std::uint8_t *>(data);
            auto &a = self->log->audio[self->tag];
            a.insert(a.end(), b, b + count);
        }
        return 0;
    }
};

TEST_F(SpeakingLoop, TwoInstancesOnTwoThreadsTakeTurnsWholeTexts) {
    SetSonicStreamForTesting(true);
    TZornaHandle other = Zorna_New("fix", "uk");
    ASSERT_NE(other, nullptr);
    Zorna_SetCallback(handle, &Tagged::Callback);
    Zorna_SetCallback(other, &Tagged::Callback);
    Zorna_SetSpeed(other, 50);
    std::string ta, tb;
    for (int i = 0; i < 30; ++i) ta += "мама мыла дом. ", tb += "кот, бама, нет! ";
    ta = Cp(ta);
    tb = Cp(tb);

    // The two possible orders, one after the other from the same random state.
    auto sequential = [&](bool aFirst) {
        ResetIntonationForTesting();
        Interleave log;
        Tagged a{&log, 'A'}, b{&log, 'B'};
        if (aFirst) {
            Zorna_Speak(handle, ta.c_str(), &a);
            Zorna_Speak(other, tb.c_str(), &b);
        } else {
            Zorna_Speak(other, tb.c_str(), &b);
            Zorna_Speak(handle, ta.c_str(), &a);
        }
        return log.audio;
    };
    const auto aThenB = sequential(true);
    const auto bThenA = sequential(false);

    ResetIntonationForTesting();
    Interleave log;
    Tagged a{&log, 'A'}, b{&log, 'B'};
    std::atomic<int> ready{0};
    auto run = [&](TZornaHandle h, const std::string &t, Tagged *tag) {
        ++ready;
        while (ready.load() < 2) std::this_thread::yield();
        EXPECT_EQ(Zorna_Speak(h, t.c_str(), tag), 0);
    };
    std::thread threadA(run, handle, std::cref(ta), &a);
    std::thread threadB(run, other, std::cref(tb), &b);
    threadA.join();
    threadB.join();
    EXPECT_TRUE(log.order == "AB" || log.order == "BA") << "callbacks of one text never interleave: " << log.order;
    EXPECT_TRUE(log.audio == (log.order == "AB" ? aThenB : bThenA)) << "no audio lost or changed";
    Zorna_Free(other);
}

using EngineInstance = SpeakingLoop;

TEST_F(EngineInstance, SettersFollowTheEngineArithmetic) {
    struct Case {
        std::int32_t value;
        float speed, volume;
        std::uint8_t punctuation;
    } cases[] = {{0, 1.1f, 0.0f, 0},   {100, 2.1f, 1.0f, 100}, {201, 3.11f, 2.01f, 201},
                 {1, 1.11f, 0.01f, 1}, {259, 3.69f, 2.59f, 3}, {-50, 0.6f, -0.5f, 206}};
    for (const Case &c : cases) {
        EXPECT_EQ(Zorna_SetSpeed(handle, c.value), 0);
        EXPECT_EQ(Zorna_SetVolume(handle, c.value), 0);
        EXPECT_EQ(Zorna_SetPunctuation(handle, c.value), 0);
        EXPECT_FLOAT_EQ(voice->Speed, c.speed) << c.value;
        EXPECT_FLOAT_EQ(voice->Volume, c.volume) << c.value;
        EXPECT_EQ(voice->Punctuation, c.punctuation) << c.value;
    }
}

TEST_F(EngineInstance, PitchChangesNothingInTheAudio) {
    SetSonicStreamForTesting(true);
    const std::string text = Cp("мама мыла, дом.");
    std::vector<std::uint8_t> audio[2];
    for (int pass = 0; pass < 2; ++pass) {
        ResetIntonationForTesting();
        if (pass == 1) EXPECT_EQ(Zorna_SetPitch(handle, 90), 0);
        Interleave log;
        Tagged tag{&log, 'A'};
        Zorna_SetCallback(handle, &Tagged::Callback);
        ASSERT_EQ(Zorna_Speak(handle, text.c_str(), &tag), 0);
        audio[pass] = log.audio['A'];
    }
    EXPECT_FALSE(audio[0].empty());
    EXPECT_EQ(audio[0], audio[1]);
}

}  // namespace
}  // namespace zorna

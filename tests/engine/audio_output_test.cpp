// The output stage: the shared Sonic stream, chunking, flushing and stopping.
#include "audio_output.h"

#include <gtest/gtest.h>
#include <sonic.h>

#include <cmath>
#include <limits>

#include "library_state.h"
#include "recorder.h"
#include "voice.h"

namespace zorna {
namespace {

using testing::Recorder;

class OutputStage : public ::testing::Test {
protected:
    void SetUp() override {
        SetSonicStreamForTesting(true);
        voice.Callback = &Recorder::Callback;
        voice.Context = &recorder;
    }
    void TearDown() override { SetSonicStreamForTesting(true); }

    // A 440 Hz tone, loud enough that Sonic's pitch search works on it.
    static std::vector<std::int16_t> Tone(int samples) {
        std::vector<std::int16_t> pcm(static_cast<std::size_t>(samples));
        for (int i = 0; i < samples; ++i) pcm[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(8000 * std::sin(i * 0.1254));
        return pcm;
    }

    TVoice voice{TVoice::Bare{}};
    Recorder recorder;
};

TEST_F(OutputStage, ChunksAreAtMost16384BytesAndAFlushDeliversTheRest) {
    const auto tone = Tone(40000);
    // At speed 1 everything comes back at once, in chunks.
    PlaySamples(voice, tone.data(), 80000);
    EXPECT_EQ(recorder.AudioBytes(), 80000u);
    EXPECT_EQ(recorder.deliveries.size(), 5u) << "80000 bytes: four full chunks and the rest";
    // Sped up, Sonic holds part of its input back until a flush.
    recorder.deliveries.clear();
    voice.Speed = 2.0f;
    PlaySamples(voice, tone.data(), 80000);
    const std::size_t beforeFlush = recorder.AudioBytes();
    PlaySamples(voice, nullptr, 0);
    EXPECT_GT(recorder.AudioBytes(), beforeFlush);
    EXPECT_NEAR(static_cast<double>(recorder.AudioBytes()), 40000.0, 2000.0);
    for (const auto &d : recorder.deliveries) {
        EXPECT_LE(d.audio.size(), 16384u);
        EXPECT_EQ(d.audio.size() % 2, 0u);
    }
    EXPECT_EQ(recorder.badCalls, 0);
    EXPECT_EQ(sonicSamplesAvailable(Library().SonicStream), 0) << "nothing is left in the stream";
}

TEST_F(OutputStage, AnOddByteIsDroppedAndEmptyPassesFlush) {
    std::vector<std::uint8_t> bytes(441, 0);
    PlaySamples(voice, bytes.data(), 441);
    PlaySamples(voice, bytes.data(), -5);  // a count of 0 or less flushes
    EXPECT_EQ(recorder.AudioBytes(), 440u);
}

TEST_F(OutputStage, SpeedAndVolumeAreTheSumsOfBaseAndOffset) {
    voice.Speed = 2.1f;
    voice.SpeedOffset = -0.25f;
    voice.Volume = 1.0f;
    voice.VolumeOffset = -0.2f;
    const auto tone = Tone(2000);
    PlaySamples(voice, tone.data(), 4000);
    EXPECT_FLOAT_EQ(sonicGetSpeed(Library().SonicStream), 2.1f + -0.25f);
    EXPECT_FLOAT_EQ(sonicGetVolume(Library().SonicStream), 0.8f);
    PlaySamples(voice, nullptr, 0);
    EXPECT_LT(recorder.AudioBytes(), 4000u * 2 / 3) << "sped up to 1.85";
}

TEST_F(OutputStage, FactorsThatSonicCannotTakeAreClamped) {
    struct Case {
        float in;
        bool expectSame;
    } cases[] = {{1.0f, true},
                 {0.5f, true},
                 {0.0f, false},
                 {-3.0f, false},
                 {std::numeric_limits<float>::quiet_NaN(), false},
                 {std::numeric_limits<float>::infinity(), false},
                 {-std::numeric_limits<float>::infinity(), false},
                 {1e30f, false}};
    for (const Case &c : cases) {
        for (float out : {SonicSpeed(c.in), SonicVolume(c.in)}) {
            EXPECT_TRUE(std::isfinite(out) && out > 0.0f) << c.in;
            if (c.expectSame) EXPECT_EQ(out, c.in);
        }
    }
    EXPECT_LE(SonicVolume(0.0f), 0.001f) << "volume 0 stays all but silent";
    // Speaking with such values neither crashes nor stalls.
    for (float speed : {0.0f, -1.0f, std::numeric_limits<float>::quiet_NaN(), 1e30f}) {
        voice.Speed = speed;
        voice.Volume = speed;
        const auto tone = Tone(4000);
        PlaySamples(voice, tone.data(), 8000);
        PlaySamples(voice, nullptr, 0);
    }
    EXPECT_EQ(sonicSamplesAvailable(Library().SonicStream), 0);
}

TEST_F(OutputStage, StopDiscardsOutputButEmptiesTheStream) {
    const auto tone = Tone(20000);
    voice.StopRequested = true;
    PlaySamples(voice, tone.data(), 40000);
    PlaySamples(voice, nullptr, 0);
    EXPECT_TRUE(recorder.deliveries.empty());
    EXPECT_EQ(sonicSamplesAvailable(Library().SonicStream), 0);
    voice.StopRequested = false;
    PlaySamples(voice, tone.data(), 400);
    PlaySamples(voice, nullptr, 0);
    EXPECT_EQ(recorder.AudioBytes(), 400u) << "nothing of the stopped text comes out later";
}

TEST_F(OutputStage, WithoutAStreamAudioPassesUnchangedInOneCall) {
    SetSonicStreamForTesting(false);
    voice.Speed = 3.0f;
    voice.Volume = 0.1f;
    std::vector<std::uint8_t> bytes(40001);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
    PlaySamples(voice, bytes.data(), 40001);
    PlaySamples(voice, nullptr, 0);  // a flush does nothing
    ASSERT_EQ(recorder.deliveries.size(), 1u);
    EXPECT_EQ(recorder.deliveries[0].audio, bytes);
    voice.StopRequested = true;
    PlaySamples(voice, bytes.data(), 100);
    EXPECT_EQ(recorder.deliveries.size(), 1u);
}

TEST_F(OutputStage, PausesAreZeroBytesThroughTheStream) {
    struct Case {
        std::int32_t ms;
        std::size_t bytes;
    } cases[] = {{700, 30870}, {10, 440 /* 441, odd byte dropped */}, {0, 0}, {-20, 0}, {2500, 110250}};
    for (const Case &c : cases) {
        recorder.deliveries.clear();
        PlayPause(voice, c.ms);
        PlaySamples(voice, nullptr, 0);
        EXPECT_EQ(recorder.AudioBytes(), c.bytes) << c.ms;
        for (std::uint8_t b : recorder.Audio()) ASSERT_EQ(b, 0);
    }
}

}  // namespace
}  // namespace zorna

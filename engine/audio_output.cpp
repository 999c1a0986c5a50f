#include "audio_output.h"

#include <sonic.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <vector>

#include "library_state.h"
#include "voice.h"

namespace zorna {

namespace {

constexpr int kChunkSamples = kOutputChunkBytes / 2;
// Sonic takes its factors unchecked: zero, negative or non-finite values never
// reach it. A speed is kept at or above 1/20 (twenty times slower); a volume of
// zero or less becomes one that is all but silent.
constexpr float kSmallestSpeed = 0.05f;
constexpr float kSmallestVolume = 0.001f;
constexpr float kLargestFactor = 100.0f;
// Silence longer than this is written to the stream in pieces of this size.
constexpr std::int64_t kPauseBlockBytes = 44100;

void Deliver(TVoice &voice, const void *data, std::int32_t count) {
    if (voice.Callback != nullptr && !voice.StopRequested.load()) voice.Callback(data, count, nullptr, voice.Context);
}

}  // namespace

namespace {

float Clamped(float value, float smallest) {
    if (!std::isfinite(value) || value < smallest) return smallest;
    return value > kLargestFactor ? kLargestFactor : value;
}

}  // namespace

float SonicSpeed(float value) { return Clamped(value, kSmallestSpeed); }
float SonicVolume(float value) { return Clamped(value, kSmallestVolume); }

void PlaySamples(TVoice &voice, const void *data, std::int32_t byteCount) {
    LibraryState &lib = Library();
    const bool hasData = data != nullptr && byteCount > 0;
    if (lib.SonicStream == nullptr) {
        if (hasData) Deliver(voice, data, byteCount);
        return;
    }
    std::lock_guard<platform::Lock> guard(lib.AudioLock);
    sonicStream stream = lib.SonicStream;
    if (stream == nullptr) return;
    sonicSetSpeed(stream, SonicSpeed(voice.Speed + voice.SpeedOffset));
    sonicSetVolume(stream, SonicVolume(voice.Volume + voice.VolumeOffset));
    std::vector<short> buffer(kChunkSamples);
    if (hasData) {
        const int samples = byteCount / 2;
        if (samples > 0) {
            if (reinterpret_cast<std::uintptr_t>(data) % alignof(short) == 0) {
                sonicWriteShortToStream(stream, static_cast<short *>(const_cast<void *>(data)), samples);
            } else {
                std::vector<short> aligned(static_cast<std::size_t>(samples));
                std::memcpy(aligned.data(), data, static_cast<std::size_t>(samples) * 2);
                sonicWriteShortToStream(stream, aligned.data(), samples);
            }
        }
    } else {
        sonicFlushStream(stream);
    }
    for (;;) {
        const int got = sonicReadShortFromStream(stream, buffer.data(), kChunkSamples);
        if (got <= 0) break;
        Deliver(voice, buffer.data(), got * 2);
    }
}

void PlayPause(TVoice &voice, std::int32_t milliseconds) {
    if (milliseconds <= 0) return;
    // Computed without overflow, and never more than a 32-bit byte count holds.
    std::int64_t total = std::min<std::int64_t>(static_cast<std::int64_t>(milliseconds) * 44100 / 1000, INT32_MAX);
    if (total <= 0) return;
    const std::vector<std::uint8_t> zeros(static_cast<std::size_t>(std::min(total, kPauseBlockBytes)), 0);
    while (total > 0) {
        const auto block = static_cast<std::int32_t>(std::min(total, kPauseBlockBytes));
        PlaySamples(voice, zeros.data(), block);
        total -= block;
        if (voice.StopRequested.load()) break;
    }
}

}  // namespace zorna

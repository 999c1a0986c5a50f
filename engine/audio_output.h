// The audio output stage: every byte of speech passes the library's one Sonic
// stream (speed and volume) and reaches the instance's callback in chunks.
#pragma once

#include <cstdint>

namespace zorna {

class TVoice;

// Bytes of output delivered per callback at most (8192 samples).
constexpr std::int32_t kOutputChunkBytes = 16384;

// Passes byteCount bytes (16-bit samples; a last odd byte is dropped) through the
// stream and delivers what comes out. A null pointer or a count of 0 or less
// flushes the stream instead. Without a stream the bytes reach the callback as
// they are, in one call. While StopRequested is set nothing is delivered, but
// the stream is still drained.
void PlaySamples(TVoice &voice, const void *data, std::int32_t byteCount);

// Plays milliseconds of silence (milliseconds x 44100 / 1000 zero bytes)
// through PlaySamples. Nothing for 0 or less.
void PlayPause(TVoice &voice, std::int32_t milliseconds);

// Speed and volume factors as they may reach Sonic: zero, negative or
// non-finite values become a small positive value; very large ones are capped.
float SonicSpeed(float value);
float SonicVolume(float value);

}  // namespace zorna

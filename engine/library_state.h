// State shared by every engine instance of the library: the data path, the
// pause values, the Sonic stream, the two locks and the regional number format.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "platform/platform.h"

struct sonicStreamStruct;

namespace zorna {

struct LibraryState {
    std::string DataPath;  // below which voices live; guarded by DataPathLock
    platform::Lock DataPathLock;
    std::atomic<std::int32_t> WhitespacePause{0};
    std::atomic<std::int32_t> PunctuationPause{0};
    std::atomic<std::int32_t> SentencePause{0};
    std::atomic<std::int32_t> PrepositionPause{0};
    sonicStreamStruct *SonicStream = nullptr;  // null when its creation failed
    platform::Lock SpeakLock;                  // held for the whole of each Zorna_Speak
    platform::Lock AudioLock;                  // held while data passes SonicStream
    platform::NumberFormat NumberFormat;       // taken once at load
};

// The library's state. Valid between LibraryLoad and LibraryUnload.
LibraryState &Library();

// Library load, in order: the regional number format, the locks, the Sonic
// stream (22050 samples per second, one channel). Safe to call more than once.
void LibraryLoad();
// Library unload: the stream is emptied and destroyed; the data path cleared.
void LibraryUnload();

// Replaces the Sonic stream by none (audio then passes unchanged) or by a new one.
// For tests of the no-stream path.
void SetSonicStreamForTesting(bool present);

}  // namespace zorna

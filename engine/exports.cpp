// The engine's twelve exports. Each one catches everything and turns it into
// its status (0 success, 1 failure) or a null handle.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <new>
#include <string>
#include <vector>

#include "library_state.h"
#include "speak_text.h"
#include "voice.h"
#include "zornatts/zornatts.h"

using zorna::TVoice;

namespace {

constexpr std::int32_t kOk = 0;
constexpr std::int32_t kFailed = 1;

TVoice *FromHandle(TZornaHandle handle) { return reinterpret_cast<TVoice *>(handle); }

template <typename Body>
std::int32_t Guarded(TZornaHandle handle, Body body) {
    if (handle == nullptr) return kFailed;
    try {
        return body(*FromHandle(handle));
    } catch (...) {
        return kFailed;
    }
}

}  // namespace

extern "C" {

ZORNA_ENGINE_API TZornaHandle ZORNA_CALL Zorna_New(const char *voiceName, const char *language) {
    try {
        auto *voice = new TVoice(voiceName != nullptr ? voiceName : "", language != nullptr ? language : "");
        return reinterpret_cast<TZornaHandle>(voice);
    } catch (...) {
        return nullptr;
    }
}

ZORNA_ENGINE_API std::int32_t ZORNA_CALL Zorna_Free(TZornaHandle handle) {
    return Guarded(handle, [](TVoice &voice) {
        delete &voice;
        return kOk;
    });
}

ZORNA_ENGINE_API std::int32_t ZORNA_CALL Zorna_Speak(TZornaHandle handle, const char *text, void *context) {
    return Guarded(handle, [&](TVoice &voice) {
        // Without a callback nothing could be delivered: a failure, not silence.
        if (voice.Callback == nullptr) return kFailed;
        std::lock_guard<zorna::platform::Lock> guard(zorna::Library().SpeakLock);
        zorna::SpeakText(voice, text != nullptr ? std::string(text) : std::string(), context);
        return kOk;
    });
}

ZORNA_ENGINE_API std::int32_t ZORNA_CALL Zorna_Stop(TZornaHandle handle) {
    return Guarded(handle, [](TVoice &voice) {
        voice.StopRequested.store(true);
        return kOk;
    });
}

ZORNA_ENGINE_API std::int32_t ZORNA_CALL Zorna_Silence(TZornaHandle handle, std::int32_t milliseconds, void *context) {
    return Guarded(handle, [&](TVoice &voice) {
        if (voice.Callback == nullptr || milliseconds < 0) return kFailed;
        if (milliseconds == 0) return kOk;
        voice.Context = context;
        // One call for up to a minute of silence; longer silence comes in
        // minute-long calls, so no buffer grows with the request.
        constexpr std::int64_t kMaxCallBytes = 60 * 44100;
        std::int64_t bytes = std::min<std::int64_t>(static_cast<std::int64_t>(milliseconds) * 44100 / 1000, INT32_MAX);
        const std::vector<std::uint8_t> silence(static_cast<std::size_t>(std::min(bytes, kMaxCallBytes)), 0);
        while (bytes > 0) {
            const auto count = static_cast<std::int32_t>(std::min(bytes, kMaxCallBytes));
            voice.Callback(silence.data(), count, nullptr, context);
            bytes -= count;
        }
        return kOk;
    });
}

ZORNA_ENGINE_API std::int32_t ZORNA_CALL Zorna_SetCallback(TZornaHandle handle, TSpeechCallback callback) {
    return Guarded(handle, [&](TVoice &voice) {
        voice.Callback = callback;
        return kOk;
    });
}

ZORNA_ENGINE_API std::int32_t ZORNA_CALL Zorna_SetDataPath(const char *path) {
    try {
        if (path == nullptr) return kFailed;
        std::string copy(path);
        if (!zorna::platform::DirectoryExists(copy)) return kFailed;
        zorna::LibraryState &lib = zorna::Library();
        std::lock_guard<zorna::platform::Lock> guard(lib.DataPathLock);
        lib.DataPath = copy;
        return kOk;
    } catch (...) {
        return kFailed;
    }
}

ZORNA_ENGINE_API std::int32_t ZORNA_CALL Zorna_SetSpeed(TZornaHandle handle, std::int32_t speed) {
    return Guarded(handle, [&](TVoice &voice) {
        const auto quotient = static_cast<float>(static_cast<double>(speed) / 100.0);
        voice.Speed = static_cast<float>(static_cast<double>(quotient) + 1.1);
        return kOk;
    });
}

ZORNA_ENGINE_API std::int32_t ZORNA_CALL Zorna_SetPitch(TZornaHandle handle, std::int32_t /*pitch*/) {
    return Guarded(handle, [](TVoice &) { return kOk; });
}

ZORNA_ENGINE_API std::int32_t ZORNA_CALL Zorna_SetVolume(TZornaHandle handle, std::int32_t volume) {
    return Guarded(handle, [&](TVoice &voice) {
        voice.Volume = static_cast<float>(static_cast<double>(volume) / 100.0);
        return kOk;
    });
}

ZORNA_ENGINE_API std::int32_t ZORNA_CALL Zorna_SetPunctuation(TZornaHandle handle, std::int32_t level) {
    return Guarded(handle, [&](TVoice &voice) {
        voice.Punctuation = static_cast<std::uint8_t>(level & 0xFF);
        return kOk;
    });
}

ZORNA_ENGINE_API std::int32_t ZORNA_CALL Zorna_GetAudioFormat(void *format) {
    if (format == nullptr) return kFailed;
    try {
        const std::uint8_t record[ZORNA_AUDIO_FORMAT_SIZE] = {
            1, 0,                  // wFormatTag: PCM
            1, 0,                  // nChannels
            0x22, 0x56, 0, 0,      // nSamplesPerSec: 22050
            0x44, 0xAC, 0, 0,      // nAvgBytesPerSec: 44100
            2, 0,                  // nBlockAlign
            16, 0,                 // wBitsPerSample
            0, 0,                  // cbSize
        };
        std::memcpy(format, record, sizeof record);
        return kOk;
    } catch (...) {
        return kFailed;
    }
}

}  // extern "C"

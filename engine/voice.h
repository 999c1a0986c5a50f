// TVoice: one engine instance (a voice and a language).
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "audio_samples.h"
#include "frontend/processor.h"
#include "zornatts/zornatts.h"

namespace zorna {

class TVoice {
public:
    // Reads the settings, forms the data directory (DataPath + sep + "data" +
    // sep + voiceName), chooses the language ("uk" exactly: Ukrainian) and
    // creates the text front end and the unit store. Throws on failure.
    TVoice(const std::string &voiceName, const std::string &language);
    // An instance without front end or unit store, for tests of the output stage.
    struct Bare {};
    explicit TVoice(Bare) {}
    virtual ~TVoice();
    TVoice(const TVoice &) = delete;
    TVoice &operator=(const TVoice &) = delete;

    std::string VoiceName;
    std::string DataDirectory;
    std::unique_ptr<TAudioSamples> Samples;
    std::unique_ptr<TProcessor> Processor;
    TSpeechCallback Callback = nullptr;
    std::atomic<bool> StopRequested{false};
    std::uint8_t Punctuation = 0;
    float Speed = 1.0f;
    float Volume = 1.0f;
    float SpeedOffset = 0.0f;
    float VolumeOffset = 0.0f;
    void *Context = nullptr;
};

// The data directory of a voice under a data path, by plain concatenation.
std::string VoiceDataDirectory(const std::string &dataPath, const std::string &voiceName);

}  // namespace zorna

#include "voice.h"

#include <mutex>

#include "config.h"
#include "library_state.h"

namespace zorna {

std::string VoiceDataDirectory(const std::string &dataPath, const std::string &voiceName) {
    const std::string sep(1, platform::kPathSeparator);
    return dataPath + sep + "data" + sep + voiceName;
}

TVoice::TVoice(const std::string &voiceName, const std::string &language) : VoiceName(voiceName) {
    LibraryState &lib = Library();
    const Settings settings = ReadSettings();
    lib.WhitespacePause = settings.WhitespacePause;
    lib.PunctuationPause = settings.PunctuationPause;
    lib.PrepositionPause = settings.PrepositionPause;
    lib.SentencePause = settings.SentencePause;
    Speed = settings.Speed;
    Volume = settings.Volume;
    Punctuation = settings.Punctuation;

    std::string dataPath;
    {
        std::lock_guard<platform::Lock> guard(lib.DataPathLock);
        dataPath = lib.DataPath;
    }
    DataDirectory = VoiceDataDirectory(dataPath, voiceName);
    const std::uint8_t languageCode = language == "uk" ? kLanguageUkrainian : kLanguageRussian;
    Processor = std::make_unique<TProcessor>(languageCode, DataDirectory);
    Samples = std::make_unique<TAudioSamples>(DataDirectory);
}

TVoice::~TVoice() = default;

}  // namespace zorna

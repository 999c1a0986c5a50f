#include "speak_text.h"

#include <algorithm>
#include <random>
#include <vector>

#include "audio_output.h"
#include "frontend/char_classes.h"
#include "library_state.h"
#include "voice.h"
#include "zornatts/zornatts_a.h"

namespace zorna {

namespace {

constexpr std::int32_t kMaxWordLength = 350;
constexpr std::int32_t kResultBufferSize = 350;
constexpr int kEndMarkSentence = 4;
constexpr int kEndMarkPlain = 0;
constexpr float kAfterStressOffset = -0.2f;

std::mt19937 &IntonationGenerator() {
    static std::mt19937 generator(0);
    return generator;
}

enum class StressPhase { Before, On, After };

// How the phonetic text of a word ends: 4 after sentence punctuation or a space
// (also one character before the end), else 0. L may lose the last character.
// The word-character test is the front end's own, hyphen count included.
int EndMark(const std::string &phonetic, std::int32_t &length, TProcessor &processor) {
    length = static_cast<std::int32_t>(phonetic.size());
    if (length == 0) return kEndMarkPlain;
    const auto c = static_cast<std::uint8_t>(phonetic[static_cast<std::size_t>(length - 1)]);
    if (IsSentencePunctuation(c) || IsSpace(c)) return kEndMarkSentence;
    if (!processor.IsWordChar(c)) {
        length -= 1;
        if (length >= 1 && phonetic[static_cast<std::size_t>(length - 1)] == '.') return kEndMarkSentence;
        return kEndMarkPlain;
    }
    return kEndMarkPlain;
}

struct WordState {
    int endMark = kEndMarkPlain;
    StressPhase phase = StressPhase::Before;
};

// Plays one piece of a unit: `pieceLength` 4-byte units at `done` units into it.
// A piece of length 0 or less flushes the output stage; a piece outside
// alfa.wav plays only what lies inside the file.
void PlayPiece(TVoice &voice, const TAudioSamples::Unit &unit, std::int64_t done, std::int64_t pieceLength) {
    if (pieceLength <= 0) {
        PlaySamples(voice, nullptr, 0);
        return;
    }
    std::int32_t count = 0;
    const std::uint8_t *bytes =
        voice.Samples->ClipToFile(4 * (static_cast<std::int64_t>(unit.Offset) + done), 4 * pieceLength, &count);
    if (bytes != nullptr) PlaySamples(voice, bytes, count);
}

void PlayUnit(TVoice &voice, const std::string &name, const TAudioSamples::Unit &unit, WordState &word) {
    const auto m = static_cast<std::int64_t>(name.size());
    std::size_t stressPosition = 0;  // 1-based; only positions 2..7 count
    for (std::size_t pos = 2; pos <= 7 && pos <= name.size(); ++pos) {
        if (name[pos - 1] == '+') {
            stressPosition = pos;
            break;
        }
    }
    if (stressPosition != 0) word.phase = StressPhase::On;
    const std::int64_t pieceLength = stressPosition != 0 ? unit.Length / m : unit.Length;
    std::int64_t done = 0;
    std::int64_t j = 0;
    for (;;) {
        if (word.phase != StressPhase::After) {
            const double r = DrawIntonation();
            j += 1;
            const bool stressed = j <= m && name[static_cast<std::size_t>(j - 1)] == '+';
            voice.SpeedOffset = IntonationSpeedOffset(r, stressed, word.endMark, voice.SpeedOffset);
        } else {
            voice.SpeedOffset = kAfterStressOffset;
            voice.VolumeOffset = kAfterStressOffset;
        }
        PlayPiece(voice, unit, done, pieceLength);
        done += pieceLength;
        if (stressPosition == 0 || j >= m) break;
    }
    if (word.phase == StressPhase::On) word.phase = StressPhase::After;
}

}  // namespace

Alternative ParseAlternative(const std::string &chain, int k) {
    Alternative none;
    std::size_t i = 1;  // 0-based; the first character is skipped
    for (int step = 0; step < k; ++step) {
        if (i >= chain.size()) return none;
        const std::size_t slash = chain.find('/', i);
        if (slash == std::string::npos) return none;
        i = slash + 1;
    }
    const std::size_t eq = chain.find('=', i);
    if (eq == std::string::npos) return none;
    Alternative alt;
    alt.Name = chain.substr(i, eq - i);
    alt.Advance = eq + 1 < chain.size() ? static_cast<unsigned char>(chain[eq + 1]) - 48 : 0;
    return alt;
}

std::int32_t PauseForChar(std::uint8_t c, std::int32_t running, const PauseValues &pauses) {
    std::int32_t value = 0;
    switch (c) {
        case ' ':
            value = pauses.Whitespace;
            break;
        case '!': case '.': case '?': case 0x85:  // … 
            value = pauses.Sentence;
            break;
        case '(': case ')': case ',': case ':': case ';': case 0x97:  // —
            value = pauses.Punctuation;
            break;
        default:
            value = 0;
    }
    return std::max(value, running);
}

double DrawIntonation() {
    constexpr double kTwoTo32 = 4294967296.0;
    return 10.0 * (static_cast<double>(IntonationGenerator()()) / kTwoTo32);
}

void ResetIntonationForTesting() { IntonationGenerator().seed(0); }

float IntonationSpeedOffset(double r, bool stressed, int endMark, float current) {
    if (stressed && endMark == kEndMarkSentence) {
        if (r >= 8) return -0.25f;
        if (r >= 5) return -0.2f;
        if (r > 3) return -0.25f;
        return -0.15f;
    }
    if (!stressed && endMark == kEndMarkPlain) {
        if (r >= 8) return 0.0f;
        if (r >= 5) return -0.1f;
        if (r > 3) return -0.1f;
        return 0.0f;
    }
    return current;
}

void SpeakText(TVoice &voice, const std::string &text, void *context) {
    if (text.empty()) return;
    voice.Context = context;
    voice.StopRequested.store(false);
    std::uint8_t prepositionPending = 0;
    LibraryState &lib = Library();
    TProcessor &processor = *voice.Processor;
    const bool ukrainian = processor.GetLanguage() == kLanguageUkrainian;
    std::vector<char> result(kResultBufferSize, 0);
    std::string phonetic;  // reused for every word; the naming library reads it as it stands
    const auto n = static_cast<std::int32_t>(text.size());
    auto at = [&](std::int32_t position) { return static_cast<std::uint8_t>(text[static_cast<std::size_t>(position - 1)]); };

    try {
        std::int32_t position = 1;
        processor.ResetHyphenCount();
        while (position <= n && !voice.StopRequested.load()) {
            // Separators and their pause.
            const PauseValues pauses{lib.WhitespacePause.load(), lib.PunctuationPause.load(), lib.SentencePause.load()};
            const std::int32_t prepositionPause = lib.PrepositionPause.load();
            std::int32_t pause = 0;
            while (position <= n && !processor.IsWordChar(at(position))) {
                if (prepositionPending != 0) pause = prepositionPause;
                pause = PauseForChar(at(position), pause, pauses);
                ++position;
            }
            if (pause > 0) PlayPause(voice, pause);
            if (position > n) break;

            // The word: up to 350 word characters; the hyphen count starts afresh.
            const std::int32_t wordStart = position;
            processor.ResetHyphenCount();
            while (position <= n && position - wordStart < kMaxWordLength && processor.IsWordChar(at(position)))
                ++position;
            if (position == wordStart) {  // never an empty word: the loop always advances
                ++position;
                continue;
            }

            const TSpeechEvent event{EVENT_WORD, wordStart - 1, position - wordStart};
            if (voice.Callback != nullptr) voice.Callback(nullptr, 0, &event, voice.Context);

            const std::int32_t phraseLength = position <= n ? position - wordStart + 1 : position - wordStart;
            const std::string phrase = text.substr(static_cast<std::size_t>(wordStart - 1),
                                                   static_cast<std::size_t>(phraseLength));
            processor.Process(phrase, voice.Punctuation, prepositionPending, prepositionPause, phonetic);

            WordState word;
            std::int32_t length = 0;
            word.endMark = EndMark(phonetic, length, processor);
            voice.SpeedOffset = 0.0f;
            voice.VolumeOffset = 0.0f;

            std::int32_t p = 1;
            while (p <= length && !voice.StopRequested.load()) {
                const std::int32_t answer =
                    Zorna_GetPhonemesChain(phonetic.c_str(), p, ukrainian ? 1 : 0, result.data(), kResultBufferSize);
                if (answer == -1) break;
                if (answer <= 0) {
                    ++p;
                    continue;
                }
                const std::string answerText(result.data());
                int advance = 1;  // when the voice has none of the alternatives
                for (int k = 0;; ++k) {
                    const Alternative alt = ParseAlternative(answerText, k);
                    if (alt.Name.empty()) break;
                    TAudioSamples::Unit unit;
                    if (voice.Samples->FindUnit(alt.Name, unit)) {
                        PlayUnit(voice, alt.Name, unit, word);
                        advance = std::max(alt.Advance, 1);
                        break;
                    }
                }
                p += advance;
            }
        }
    } catch (...) {
        // Deliver what the stream still holds of this text, so nothing of it
        // reaches the start of the next one, then report the failure.
        PlaySamples(voice, nullptr, 0);
        throw;
    }
    PlaySamples(voice, nullptr, 0);
}

}  // namespace zorna

#include "inspect.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "audio_samples.h"
#include "frontend/char_classes.h"
#include "frontend/cp1251.h"
#include "frontend/processor.h"
#include "speak_text.h"
#include "zornatts/zornatts_a.h"

namespace zorna::say {

namespace {

// The speaking loop's buffer for the unit-naming answer.
constexpr std::int32_t kChainBufferSize = 350;

// The part of a phonetic text that the speaking loop walks: without a last
// character that is neither a word character, sentence punctuation nor a space.
std::size_t WalkedLength(const std::string &phonetic, bool ukrainian) {
    if (phonetic.empty()) return 0;
    const auto c = static_cast<std::uint8_t>(phonetic.back());
    if (IsSentencePunctuation(c) || IsSpace(c)) return phonetic.size();
    const bool wordChar = c == '+' || c == '-' || IsLatinLetter(c) || IsCyrillicLetter(c) || IsDigit(c) ||
                          (ukrainian && (c == '\'' || c == 146));
    return wordChar ? phonetic.size() : phonetic.size() - 1;
}

}  // namespace

std::string PrintableUtf8(const std::string &cp1251) {
    std::string escaped;
    escaped.reserve(cp1251.size());
    for (char ch : cp1251) {
        const auto c = static_cast<std::uint8_t>(ch);
        if (c == '\\')
            escaped += "\\\\";
        else if (c == '\t')
            escaped += "\\t";
        else if (c == '\n')
            escaped += "\\n";
        else if (c == '\r')
            escaped += "\\r";
        else if (c < 0x20 || c == 0x7F || c == 0x98) {
            static const char kHex[] = "0123456789abcdef";
            escaped += "\\x";
            escaped.push_back(kHex[c >> 4]);
            escaped.push_back(kHex[c & 15]);
        } else {
            escaped.push_back(ch);
        }
    }
    return Cp1251ToUtf8(escaped);
}

TInspector::TInspector(Mode mode, bool ukrainian, const std::string &voiceDirectory, std::uint8_t punctuation,
                       std::int32_t prepositionPause)
    : mode_(mode), ukrainian_(ukrainian), punctuation_(punctuation), prepositionPause_(prepositionPause) {
    const char *dictionary = ukrainian ? "slovar.ukr" : "slovar.rus";
    try {
        processor_ = std::make_unique<TProcessor>(ukrainian ? kLanguageUkrainian : kLanguageRussian, voiceDirectory);
    } catch (const std::exception &) {
        throw std::runtime_error("cannot open the dictionary " + voiceDirectory + "/" + dictionary);
    }
    if (mode == Mode::Units) {
        try {
            samples_ = std::make_unique<TAudioSamples>(voiceDirectory);
        } catch (const std::exception &) {
            throw std::runtime_error("cannot open the voice's units " + voiceDirectory + "/alfa.wav and alfa.tx");
        }
    }
}

TInspector::~TInspector() = default;

std::string TInspector::UnitsOf(const std::string &phonetic) {
    std::string units;
    std::vector<char> answer(kChainBufferSize, 0);
    const auto length = static_cast<std::int32_t>(WalkedLength(phonetic, ukrainian_));
    std::int32_t p = 1;
    while (p <= length) {
        const std::int32_t result =
            Zorna_GetPhonemesChain(phonetic.c_str(), p, ukrainian_ ? 1 : 0, answer.data(), kChainBufferSize);
        if (result == -1) break;
        if (result <= 0) {
            ++p;
            continue;
        }
        const std::string chain(answer.data());
        int advance = 1;  // none of the alternatives is recorded
        for (int k = 0;; ++k) {
            const Alternative alt = ParseAlternative(chain, k);
            if (alt.Name.empty()) break;
            TAudioSamples::Unit unit;
            if (samples_->FindUnit(alt.Name, unit)) {
                if (!units.empty()) units.push_back(' ');
                units += alt.Name;
                advance = std::max(alt.Advance, 1);
                break;
            }
        }
        p += advance;
    }
    return units;
}

bool TInspector::Inspect(const TextPiece &piece, std::FILE *out) {
    const std::string &text = piece.Text;
    const std::size_t n = text.size();
    auto at = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    std::uint8_t prepositionPending = 0;  // starts clear for every text given to the engine
    std::string phonetic;
    std::size_t position = 0;
    processor_->ResetHyphenCount();
    while (position < n) {
        while (position < n && !processor_->IsWordChar(at(position))) ++position;
        if (position >= n) break;
        const std::size_t start = position;
        processor_->ResetHyphenCount();
        while (position < n && position - start < kEngineWordLength && processor_->IsWordChar(at(position))) ++position;
        if (position == start) {
            ++position;
            continue;
        }
        const std::size_t phraseLength = position < n ? position - start + 1 : position - start;
        const std::string phrase = text.substr(start, phraseLength);
        processor_->Process(phrase, punctuation_, prepositionPending, prepositionPause_, phonetic);
        std::string line;
        if (mode_ == Mode::Phonetic) {
            line = PrintableUtf8(phrase) + "\t" + PrintableUtf8(phonetic) + "\n";
        } else {
            line = PrintableUtf8(text.substr(start, position - start)) + "\t" + PrintableUtf8(UnitsOf(phonetic)) + "\n";
        }
        if (std::fwrite(line.data(), 1, line.size(), out) != line.size()) return false;
    }
    return true;
}

}  // namespace zorna::say
